// A grid of text cells whose first rows and columns may be fixed headings.
// Cell numbers count the headings too: with one fixed row and column, (1, 1)
// is the first data cell. Cells are addressed (column, row). SetCell runs no
// handler; a user's edit raises setEditText on every keystroke, after the
// cell already holds the new text. The fixed rows stay at the top and the
// fixed columns at the left whatever the scroll position.
#pragma once

#include <QTableWidget>

class StringGrid : public QTableWidget {
  Q_OBJECT

 public:
  StringGrid(int columns, int rows, int fixedColumns, int fixedRows, QWidget* parent = nullptr);

  QString Cell(int column, int row) const;
  void SetCell(int column, int row, const QString& text);
  void SetColWidth(int column, int width);
  int ColWidth(int column) const;
  // The least width that shows every text of `column`, its headings too, whole.
  int TextWidth(int column) const;
  // The least width that shows the text of one cell whole.
  int CellTextWidth(int column, int row) const;
  // Widens `column` where the text of cell (column, row) does not show whole
  // in it; never narrows it. Only that one text is measured.
  void WidenToCell(int column, int row);
  // Rows removed or added; new rows get cells (fixed ones where the fixed
  // columns are), so that SetCell reaches them. Runs no handler.
  void SetRowCount(int rows);
  int FixedColumns() const { return fixedColumns_; }
  int FixedRows() const { return fixedRows_; }
  // What the cell being edited held when its in-place editor opened, so
  // that a handler refusing the edit can show it again.
  const QString& TextBeforeEdit() const { return textBeforeEdit_; }
  // Closes the open in-place editor without taking its text; the cell keeps
  // what it holds. A setEditText handler may call it: the editor is deleted
  // once its own key handling has returned.
  void EndEdit();

 signals:
  void setEditText(int column, int row, const QString& text);
  // An in-place editor opened on the cell: an edit begins.
  void editBegun(int column, int row);

 protected:
  void updateGeometries() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class StringGridDelegate;
  void EditBegins(const QModelIndex& cell);
  void UserEdited(int column, int row, const QString& text);
  void MakeCells(int fromRow);
  // The fixed cells are hidden here and shown by views of the same cells laid
  // over Qt's headers, which keep their place beside the scrolling cells:
  // the corner, the fixed rows (scrolled sideways with the grid) and the
  // fixed columns (scrolled up and down with it).
  QTableView* MakeHeadingView(bool hideFixedColumns, bool hideFixedRows);
  // The heading views take the grid's default sizes, and the width of column
  // `section` (Qt::Horizontal) or the height of row `section` (Qt::Vertical).
  void FollowSize(Qt::Orientation orientation, int section);
  // The heading views cover the headers and take the grid's scroll position.
  void PlaceHeadingViews();
  int FixedWidth() const;
  int FixedHeight() const;

  int fixedColumns_;
  int fixedRows_;
  QPersistentModelIndex edited_;
  QString textBeforeEdit_;
  QTableView* corner_ = nullptr;
  QTableView* fixedRowView_ = nullptr;
  QTableView* fixedColumnView_ = nullptr;
};
