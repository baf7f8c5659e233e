// The editor's value columns share out what their grid's width leaves after
// the leading columns; a grid too narrow for that gets fixed widths.
#include <initializer_list>

#include "UnitMoleculeEdit.h"
#include "platform/ui/StringGrid.h"

namespace {

// Columns `values` of `grid` get (width - margin - the widths of `kept`) /
// their number when the grid is wider than `threshold`, else `narrow` each.
void ShareWidth(StringGrid* grid, int threshold, int margin, std::initializer_list<int> kept,
                std::initializer_list<int> values, int narrow) {
  int width = narrow;
  if (grid->width() > threshold) {
    int spare = grid->width() - margin;
    for (int column : kept) spare -= grid->ColWidth(column);
    width = spare / static_cast<int>(values.size());
  }
  for (int column : values) grid->SetColWidth(column, width);
}

}  // namespace

void TFormMoleculeEdit::FitCartesianColumns() {
  ShareWidth(StringGridCartesianData, 265, 9, {0, 1, 2}, {3, 4, 5}, 50);
}

void TFormMoleculeEdit::FitZMatrixColumns() {
  ShareWidth(StringGridZMatrixData, 400, 12, {0, 1, 2, 3, 5, 7}, {4, 6, 8}, 50);
}

void TFormMoleculeEdit::FitNormalModeColumns() {
  ShareWidth(StringGridNormalModes, 430, 9, {0, 1}, {2, 3, 4, 5, 6, 7}, 55);
}

void TFormMoleculeEdit::FitVariableColumns() { ShareWidth(StringGridZMatrixVariables, 105, 6, {0}, {1}, 50); }

void TFormMoleculeEdit::FitDisplacementColumns() {
  ShareWidth(StringGridNormalModeDisplacements, 165, 4, {0}, {1, 2, 3}, 40);
}

void TFormMoleculeEdit::FormResize() {
  FitCartesianColumns();
  FitZMatrixColumns();
  FitNormalModeColumns();
}

void TFormMoleculeEdit::SplitterZMatrixMoved() {
  FitVariableColumns();
  FitZMatrixColumns();
}

void TFormMoleculeEdit::SplitterNormalModeDisplacementsMoved() {
  FitNormalModeColumns();
  FitDisplacementColumns();
}
