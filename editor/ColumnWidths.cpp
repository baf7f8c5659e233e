// The editor's value columns share out what their grid's width leaves after
// the leading columns; a grid too narrow for that gets fixed widths. No
// column is narrower than its widest text, heading included: where they do
// not fit, the grid scrolls sideways.
#include <algorithm>
#include <initializer_list>
#include <utility>

#include <QScrollBar>
#include <QStyle>

#include "UnitMoleculeEdit.h"
#include "platform/ui/StringGrid.h"

namespace {

int ScrollBarRoom(const StringGrid* grid) {
  return grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid->verticalScrollBar());
}

// The leading `kept` columns get their designed width; columns `values` get
// (width - margin - the room of a vertical scroll bar - the widths of `kept`)
// / their number when the grid is wider than `threshold`, else `narrow` each.
// The scroll bar's room is kept whether it shows or not, so that no column
// ends under it and the widths do not depend on the rows.
void ShareWidth(StringGrid* grid, int threshold, int margin, std::initializer_list<std::pair<int, int>> kept,
                std::initializer_list<int> values, int narrow) {
  int spare = grid->width() - margin - ScrollBarRoom(grid);
  for (const auto& [column, designed] : kept) {
    const int width = std::max(designed, grid->TextWidth(column));
    grid->SetColWidth(column, width);
    spare -= width;
  }
  const int shared = grid->width() > threshold ? spare / static_cast<int>(values.size()) : narrow;
  for (int column : values) grid->SetColWidth(column, std::max(shared, grid->TextWidth(column)));
}

}  // namespace

void TFormMoleculeEdit::FitCartesianColumns() {
  ShareWidth(StringGridCartesianData, 265, 9, {{0, 35}, {1, 80}, {2, 40}}, {3, 4, 5}, 50);
}

void TFormMoleculeEdit::FitZMatrixColumns() {
  ShareWidth(StringGridZMatrixData, 400, 12, {{0, 35}, {1, 80}, {2, 40}, {3, 45}, {5, 45}, {7, 45}}, {4, 6, 8}, 50);
}

void TFormMoleculeEdit::FitNormalModeColumns() {
  ShareWidth(StringGridNormalModes, 430, 9, {{0, 40}, {1, 55}}, {2, 3, 4, 5, 6, 7}, 55);
}

void TFormMoleculeEdit::FitVariableColumns() {
  StringGrid* grid = StringGridZMatrixVariables;
  ShareWidth(grid, 105, 6, {{0, 50}}, {1}, 50);
  // Two columns beside a scroll bar: the narrow panel widens to hold them
  // whole rather than scroll sideways for a digit.
  PanelVariables->setMinimumWidth(grid->ColWidth(0) + grid->TextWidth(1) + 6 + ScrollBarRoom(grid));
}

void TFormMoleculeEdit::FitDisplacementColumns() {
  ShareWidth(StringGridNormalModeDisplacements, 165, 4, {{0, 40}}, {1, 2, 3}, 40);
}

void TFormMoleculeEdit::FitAllColumns() {
  FitCartesianColumns();
  FitZMatrixColumns();
  FitNormalModeColumns();
  FitVariableColumns();
  FitDisplacementColumns();
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
