#include "ListView.h"

#include <algorithm>

#include <QHeaderView>
#include <QSignalBlocker>

#include "Icons.h"

ListView::ListView(QWidget* parent) : QTreeWidget(parent) {
  setRootIsDecorated(false);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformRowHeights(true);
  setIconSize(QSize(16, 16));
  header()->setStretchLastSection(false);
  header()->setSectionsMovable(false);
  // The selection stays as visible as when the list has the focus.
  QPalette colours = palette();
  for (auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
    colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
  }
  setPalette(colours);
  connect(this, &QTreeWidget::itemSelectionChanged, this, &ListView::SelectionChanged);
  connect(this, &QTreeWidget::itemDoubleClicked, this, [this] { emit dblClick(); });
}

void ListView::SetColumns(const QList<Column>& columns) {
  setColumnCount(static_cast<int>(columns.size()));
  QStringList captions;
  for (const Column& column : columns) captions.append(column.Caption);
  setHeaderLabels(captions);
  widths_.clear();
  for (const Column& column : columns) widths_.append(column.Width);
  widestAdvances_ = QList<int>(columns.size(), 0);
  widestCells_ = QList<QPersistentModelIndex>(columns.size());
  for (int i = 0; i < columns.size(); ++i) {
    if (columns[i].Width == AutoSize) {
      header()->setSectionResizeMode(i, QHeaderView::ResizeToContents);
    } else {
      header()->setSectionResizeMode(i, QHeaderView::Interactive);
      setColumnWidth(i, columns[i].Width);
    }
  }
}

void ListView::Clear() {
  filling_ = true;
  {
    const QSignalBlocker quiet(this);
    clear();
  }
  filling_ = false;
  widestAdvances_.fill(0);
  widestCells_.fill(QPersistentModelIndex());
  if (!widths_.isEmpty() && widths_[0] != AutoSize) setColumnWidth(0, widths_[0]);
}

QTreeWidgetItem* ListView::AddItem(const QString& caption, int imageIndex, const QStringList& subItems) {
  QStringList texts{caption};
  texts.append(subItems);
  auto* item = new QTreeWidgetItem(texts);
  item->setData(0, Qt::UserRole, imageIndex);
  item->setIcon(0, ImageListIcon(imageIndex));
  filling_ = true;
  addTopLevelItem(item);
  filling_ = false;
  NoteWidestTexts(item);
  return item;
}

void ListView::NoteWidestTexts(QTreeWidgetItem* item) {
  // Only a text wider than those before can need more room: the cell's full
  // measure (icon, margins, text) is taken for it alone.
  for (int column = 0; column < widths_.size(); ++column) {
    const int advance = fontMetrics().horizontalAdvance(item->text(column));
    if (advance <= widestAdvances_[column]) continue;
    widestAdvances_[column] = advance;
    widestCells_[column] = indexFromItem(item, column);
    // The header fits the other AutoSize columns through sizeHintForColumn;
    // other designed columns keep their width.
    if (column == 0 && widths_[0] != AutoSize) {
      const int needed = CellWidth(widestCells_[0]);
      if (needed > columnWidth(0)) setColumnWidth(0, needed);
    }
  }
}

int ListView::CellWidth(const QModelIndex& cell) const {
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  return itemDelegateForIndex(cell)->sizeHint(option, cell).width();
}

int ListView::sizeHintForColumn(int column) const {
  // Qt measures only the rows in view.
  const int inView = QTreeWidget::sizeHintForColumn(column);
  const QPersistentModelIndex widest = widestCells_.value(column);
  return widest.isValid() ? std::max(inView, CellWidth(widest)) : inView;
}

void ListView::doItemsLayout() {
  QTreeWidget::doItemsLayout();
  // The rows are often laid out while the window paints (the header sizes its
  // columns to their contents then), and the repaint that the layout asks for
  // is dropped there: the rows added would stay undrawn. Ask once more when
  // the paint is over.
  QMetaObject::invokeMethod(viewport(), qOverload<>(&QWidget::update), Qt::QueuedConnection);
}

QString ListView::Caption(int row) const {
  const QTreeWidgetItem* item = topLevelItem(row);
  return item ? item->text(0) : QString();
}

int ListView::ImageIndex(int row) const {
  const QTreeWidgetItem* item = topLevelItem(row);
  return item ? item->data(0, Qt::UserRole).toInt() : -1;
}

void ListView::SetImageIndex(int row, int imageIndex) {
  QTreeWidgetItem* item = topLevelItem(row);
  if (!item) return;
  item->setData(0, Qt::UserRole, imageIndex);
  item->setIcon(0, ImageListIcon(imageIndex));
}

QTreeWidgetItem* ListView::Selected() const {
  const QList<QTreeWidgetItem*> items = selectedItems();
  return items.isEmpty() ? nullptr : items.first();
}

int ListView::SelectedRow() const {
  QTreeWidgetItem* item = Selected();
  return item ? indexOfTopLevelItem(item) : -1;
}

void ListView::SelectRow(int row) {
  QTreeWidgetItem* item = topLevelItem(row);
  if (item) setCurrentItem(item);
}

void ListView::SelectionChanged() {
  if (filling_) return;
  // The handler may refill the list: the item is handed over and not touched here again.
  if (QTreeWidgetItem* item = Selected()) emit selectItem(item, true);
}
