#include "StringGrid.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

// Edits cells in a line edit that reports every keystroke.
class StringGridDelegate : public QStyledItemDelegate {
 public:
  explicit StringGridDelegate(StringGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    const int column = index.column();
    const int row = index.row();
    connect(editor, &QLineEdit::textEdited, grid_,
            [grid = grid_, column, row](const QString& text) { grid->UserEdited(column, row, text); });
    return editor;
  }

  // Each keystroke is stored in the cell, and the model hands the cell back to
  // the open editor: an editor that already shows it keeps its cursor and
  // selection. Text a handler sets back differs, and replaces the editor's.
  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    auto* line = static_cast<QLineEdit*>(editor);
    const QString text = index.data(Qt::EditRole).toString();
    if (line->text() != text) line->setText(text);
  }

  void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override {
    // Every keystroke has been stored already; a commit only repeats it.
    const QString text = static_cast<QLineEdit*>(editor)->text();
    if (grid_->Cell(index.column(), index.row()) != text) grid_->UserEdited(index.column(), index.row(), text);
  }

 private:
  StringGrid* grid_;
};

StringGrid::StringGrid(int columns, int rows, int fixedColumns, int fixedRows, QWidget* parent)
    : QTableWidget(rows, columns, parent), fixedColumns_(fixedColumns), fixedRows_(fixedRows) {
  horizontalHeader()->hide();
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
  setItemDelegate(new StringGridDelegate(this));
  MakeCells(0);
}

void StringGrid::MakeCells(int fromRow) {
  const QBrush face = palette().brush(QPalette::Button);
  const QSignalBlocker quiet(this);
  for (int r = fromRow; r < rowCount(); ++r) {
    for (int c = 0; c < columnCount(); ++c) {
      auto* item = new QTableWidgetItem();
      if (r < fixedRows_ || c < fixedColumns_) {
        item->setFlags(Qt::ItemIsEnabled);
        item->setBackground(face);
        item->setTextAlignment(Qt::AlignCenter);
      }
      setItem(r, c, item);
    }
  }
}

void StringGrid::SetRowCount(int rows) {
  const int before = rowCount();
  {
    const QSignalBlocker quiet(this);
    setRowCount(rows);
  }
  if (rows > before) MakeCells(before);
}

QString StringGrid::Cell(int column, int row) const {
  const QTableWidgetItem* cell = item(row, column);
  return cell ? cell->text() : QString();
}

void StringGrid::SetCell(int column, int row, const QString& text) {
  QTableWidgetItem* cell = item(row, column);
  if (!cell) return;
  const QSignalBlocker quiet(this);
  cell->setText(text);
}

void StringGrid::SetColWidth(int column, int width) { setColumnWidth(column, width); }

void StringGrid::UserEdited(int column, int row, const QString& text) {
  SetCell(column, row, text);
  emit setEditText(column, row, text);
}
