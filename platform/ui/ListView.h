// A report-style list: rows with a caption, sub-items and an image index that
// can be read back; whole-row, single selection that stays visible when the
// list loses focus. selectItem is raised only for a row the user (or code,
// through SelectRow) really selects; clearing or refilling the list raises
// nothing. The caption column (the rows' numbers) grows beyond its designed
// width as far as its widest caption needs, so that no number is cut short,
// and goes back to it when the list is cleared; a column that fits its
// contents fits the widest text of every row, not only of the rows in view.
#pragma once

#include <QList>
#include <QPersistentModelIndex>
#include <QStringList>
#include <QTreeWidget>

class ListView : public QTreeWidget {
  Q_OBJECT

 public:
  struct Column {
    QString Caption;
    int Width;  // AutoSize: fits the contents
  };
  static constexpr int AutoSize = -1;

  explicit ListView(QWidget* parent = nullptr);

  void SetColumns(const QList<Column>& columns);
  // Removes every row without raising selectItem.
  void Clear();
  QTreeWidgetItem* AddItem(const QString& caption, int imageIndex, const QStringList& subItems = {});
  int Count() const { return topLevelItemCount(); }
  QTreeWidgetItem* Item(int row) const { return topLevelItem(row); }
  QString Caption(int row) const;
  int ImageIndex(int row) const;
  void SetImageIndex(int row, int imageIndex);
  // The selected row (the first one), or null / -1.
  QTreeWidgetItem* Selected() const;
  int SelectedRow() const;
  // Selects a row as a click does, raising selectItem.
  void SelectRow(int row);

  // Lays the rows out and sees that they are drawn, also when this runs
  // while the window paints.
  void doItemsLayout() override;
  // What a column that fits its contents is sized to.
  int sizeHintForColumn(int column) const override;

 signals:
  void selectItem(QTreeWidgetItem* item, bool selected);
  void dblClick();

 private:
  void SelectionChanged();
  void NoteWidestTexts(QTreeWidgetItem* item);
  int CellWidth(const QModelIndex& cell) const;
  bool filling_ = false;
  QList<int> widths_;  // designed, or AutoSize
  // Per column, since the last Clear: the advance of its widest text, and
  // that text's cell, measured again whenever the column is fitted.
  QList<int> widestAdvances_;
  QList<QPersistentModelIndex> widestCells_;
};
