// A grid of text cells whose first rows and columns may be fixed headings.
// Cell numbers count the headings too: with one fixed row and column, (1, 1)
// is the first data cell. Cells are addressed (column, row). SetCell runs no
// handler; a user's edit raises setEditText on every keystroke, after the
// cell already holds the new text.
#pragma once

#include <QTableWidget>

class StringGrid : public QTableWidget {
  Q_OBJECT

 public:
  StringGrid(int columns, int rows, int fixedColumns, int fixedRows, QWidget* parent = nullptr);

  QString Cell(int column, int row) const;
  void SetCell(int column, int row, const QString& text);
  void SetColWidth(int column, int width);
  int ColWidth(int column) const { return columnWidth(column); }
  // Rows removed or added; new rows get cells (fixed ones where the fixed
  // columns are), so that SetCell reaches them. Runs no handler.
  void SetRowCount(int rows);
  int FixedColumns() const { return fixedColumns_; }
  int FixedRows() const { return fixedRows_; }

 signals:
  void setEditText(int column, int row, const QString& text);

 private:
  friend class StringGridDelegate;
  void UserEdited(int column, int row, const QString& text);
  void MakeCells(int fromRow);

  int fixedColumns_;
  int fixedRows_;
};
