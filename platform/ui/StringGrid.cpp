#include "StringGrid.h"

#include <algorithm>

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include "FormFont.h"

namespace {

// Cell text begins this far into the cell.
constexpr int kTextInset = 1;

}  // namespace

// Draws cells as the designed grid does and edits them in a line edit that
// reports every keystroke.
class StringGridDelegate : public QStyledItemDelegate {
 public:
  explicit StringGridDelegate(StringGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

  // A text wider than its cell is cut at the cell's edge, not shortened with
  // dots, and begins close to the left: the designed widths hold whole numbers.
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QString text = cell.text;
    cell.text.clear();
    const QWidget* view = option.widget;
    (view ? view->style() : QApplication::style())->drawControl(QStyle::CE_ItemViewItem, &cell, painter, view);
    const QPalette::ColorGroup group = cell.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    const QPalette::ColorRole role = cell.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;
    painter->save();
    painter->setClipRect(option.rect);
    painter->setFont(cell.font);
    painter->setPen(cell.palette.color(group, role));
    const QRect room = option.rect.adjusted(kTextInset, 0, 0, 0);
    Qt::Alignment alignment = cell.displayAlignment;
    // A centred heading too wide for its cell shows its beginning.
    if (painter->fontMetrics().horizontalAdvance(text) > room.width()) {
      alignment = (alignment & ~Qt::AlignHorizontal_Mask) | Qt::AlignLeft;
    }
    painter->drawText(room, static_cast<int>(alignment | Qt::TextDontClip), text);
    painter->restore();
  }

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    const int column = index.column();
    const int row = index.row();
    grid_->EditBegins(index);
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
  // The forms' face, set a little closer: its free look-alike draws digits
  // wider than the designed face does, and the designed column widths must
  // hold whole numbers ("1234.5678" in 55 pixels). The size is the form's.
  QFont cells = FormFont(QFont());
  cells.setLetterSpacing(QFont::PercentageSpacing, 82);
  setFont(cells);
  horizontalHeader()->setVisible(fixedRows_ > 0);
  verticalHeader()->setVisible(fixedColumns_ > 0);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  // Whole cells scroll, as the headings beside them do.
  setHorizontalScrollMode(ScrollPerItem);
  setVerticalScrollMode(ScrollPerItem);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
  setItemDelegate(new StringGridDelegate(this));
  MakeCells(0);
  if (fixedRows_ > 0) fixedRowView_ = MakeHeadingView(true, false);
  if (fixedColumns_ > 0) fixedColumnView_ = MakeHeadingView(false, true);
  if (fixedRows_ > 0 && fixedColumns_ > 0) corner_ = MakeHeadingView(false, false);
  for (int r = 0; r < fixedRows_; ++r) setRowHidden(r, true);
  for (int c = 0; c < fixedColumns_; ++c) setColumnHidden(c, true);
  // One section at a time: a column that typing widens costs the same
  // however many rows the grid has.
  connect(horizontalHeader(), &QHeaderView::sectionResized, this,
          [this](int column) { FollowSize(Qt::Horizontal, column); });
  connect(verticalHeader(), &QHeaderView::sectionResized, this, [this](int row) { FollowSize(Qt::Vertical, row); });
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &StringGrid::PlaceHeadingViews);
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &StringGrid::PlaceHeadingViews);
  // The heading views start with the grid's sizes.
  for (int c = fixedColumns_; c < columnCount(); ++c) FollowSize(Qt::Horizontal, c);
  for (int r = fixedRows_; r < rowCount(); ++r) FollowSize(Qt::Vertical, r);
}

QTableView* StringGrid::MakeHeadingView(bool hideFixedColumns, bool hideFixedRows) {
  auto* view = new QTableView(this);
  view->setModel(model());
  view->horizontalHeader()->hide();
  view->verticalHeader()->hide();
  view->setFrameShape(QFrame::NoFrame);
  view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view->setHorizontalScrollMode(ScrollPerItem);
  view->setVerticalScrollMode(ScrollPerItem);
  view->setFocusPolicy(Qt::NoFocus);
  view->setSelectionMode(QAbstractItemView::NoSelection);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setItemDelegate(new StringGridDelegate(this));
  // Hidden like the grid's, so that both scroll by the same whole cells.
  if (hideFixedColumns) {
    for (int c = 0; c < fixedColumns_; ++c) view->setColumnHidden(c, true);
  }
  if (hideFixedRows) {
    for (int r = 0; r < fixedRows_; ++r) view->setRowHidden(r, true);
  }
  // A view takes its scroll range late; it then takes the grid's position again.
  connect(view->horizontalScrollBar(), &QScrollBar::rangeChanged, this, &StringGrid::PlaceHeadingViews);
  connect(view->verticalScrollBar(), &QScrollBar::rangeChanged, this, &StringGrid::PlaceHeadingViews);
  view->viewport()->installEventFilter(this);
  view->raise();
  return view;
}

void StringGrid::FollowSize(Qt::Orientation orientation, int section) {
  for (QTableView* view : {corner_, fixedRowView_, fixedColumnView_}) {
    if (!view) continue;
    // A new default resizes every row: only a changed one is passed on.
    for (auto [own, grid] : {std::pair{view->horizontalHeader(), horizontalHeader()},
                             std::pair{view->verticalHeader(), verticalHeader()}}) {
      if (own->defaultSectionSize() != grid->defaultSectionSize()) own->setDefaultSectionSize(grid->defaultSectionSize());
    }
  }
  if (orientation == Qt::Horizontal) {
    if (fixedRowView_ && section >= fixedColumns_) fixedRowView_->setColumnWidth(section, columnWidth(section));
  } else if (fixedColumnView_ && section >= fixedRows_) {
    fixedColumnView_->setRowHeight(section, rowHeight(section));
  }
  updateGeometries();
}

void StringGrid::updateGeometries() {
  // Qt's headers, sized as the fixed cells, keep the place beside the cells.
  if (fixedRowView_) horizontalHeader()->setFixedHeight(FixedHeight());
  if (fixedColumnView_) verticalHeader()->setFixedWidth(FixedWidth());
  QTableWidget::updateGeometries();
  PlaceHeadingViews();
}

void StringGrid::PlaceHeadingViews() {
  const QRect top = horizontalHeader()->geometry();
  const QRect left = verticalHeader()->geometry();
  if (fixedRowView_) {
    fixedRowView_->setGeometry(top);
    fixedRowView_->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
  }
  if (fixedColumnView_) {
    fixedColumnView_->setGeometry(left);
    fixedColumnView_->verticalScrollBar()->setValue(verticalScrollBar()->value());
  }
  if (corner_) corner_->setGeometry(left.left(), top.top(), left.width(), top.height());
}

int StringGrid::FixedWidth() const {
  int width = 0;
  for (int c = 0; c < fixedColumns_; ++c) width += ColWidth(c);
  return width;
}

int StringGrid::FixedHeight() const {
  int height = 0;
  for (int r = 0; r < fixedRows_; ++r) height += fixedRowView_->rowHeight(r);
  return height;
}

// The wheel over a heading scrolls the grid.
bool StringGrid::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Wheel) {
    for (QTableView* view : {corner_, fixedRowView_, fixedColumnView_}) {
      if (view && watched == view->viewport()) return QApplication::sendEvent(viewport(), event);
    }
  }
  return QTableWidget::eventFilter(watched, event);
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

void StringGrid::SetColWidth(int column, int width) {
  if (column >= fixedColumns_) {
    setColumnWidth(column, width);
    return;
  }
  // A fixed column is hidden here: its width lives in the views that show it.
  for (QTableView* view : {corner_, fixedColumnView_}) {
    if (view) view->setColumnWidth(column, width);
  }
  updateGeometries();
}

int StringGrid::ColWidth(int column) const {
  return column < fixedColumns_ ? fixedColumnView_->columnWidth(column) : columnWidth(column);
}

int StringGrid::TextWidth(int column) const {
  int width = 0;
  for (int row = 0; row < rowCount(); ++row) width = std::max(width, CellTextWidth(column, row));
  return width;
}

int StringGrid::CellTextWidth(int column, int row) const {
  // The inset before the text, a pixel clear of the grid line after it, the line.
  return kTextInset + fontMetrics().horizontalAdvance(Cell(column, row)) + 2;
}

void StringGrid::WidenToCell(int column, int row) {
  const int width = CellTextWidth(column, row);
  if (width > ColWidth(column)) SetColWidth(column, width);
}

void StringGrid::EditBegins(const QModelIndex& cell) {
  edited_ = cell;
  textBeforeEdit_ = Cell(cell.column(), cell.row());
  emit editBegun(cell.column(), cell.row());
}

void StringGrid::EndEdit() {
  if (QWidget* editor = indexWidget(edited_)) closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void StringGrid::UserEdited(int column, int row, const QString& text) {
  SetCell(column, row, text);
  emit setEditText(column, row, text);
}
