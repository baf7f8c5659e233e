// The editor's face and whether its grids, at the designed window size,
// show whole values such as the sample files hold.
#include <QFontInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QCoreApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include <algorithm>
#include <vector>

#include "EditorFixture.h"
#include "console/UnitMolecules.h"
#include "editor/UnitMoleculeEdit.h"
#include "platform/ui/StringGrid.h"

namespace {

class EditorLayout : public EditorFixture {
 protected:
  // The text fits its cell: a pixel in, and the grid line at the right.
  static bool Fits(StringGrid* grid, int column, const QString& text) {
    return 1 + QFontMetrics(grid->font()).horizontalAdvance(text) <= grid->ColWidth(column) - 1;
  }
  // Each text of `grid`, its headings too, fits its column; columns beyond
  // the grid's view can be scrolled into it.
  static void ExpectWhole(StringGrid* grid) {
    QCoreApplication::processEvents();
    int total = 0;
    for (int column = 0; column < grid->columnCount(); ++column) {
      for (int row = 0; row < grid->rowCount(); ++row) EXPECT_TRUE(Fits(grid, column, grid->Cell(column, row))) << column;
      total += column < grid->FixedColumns() ? 0 : grid->ColWidth(column);
    }
    if (total > grid->viewport()->width()) {
      EXPECT_GT(grid->horizontalScrollBar()->maximum(), 0);
    }
  }
};

TEST_F(EditorLayout, TheFormAndItsGridsTakeTheConsolesFace) {
  Start();
  const QFontInfo console(FormMolecules->font());
  EXPECT_EQ(QFontInfo(FormMoleculeEdit->font()).family(), console.family());
  EXPECT_EQ(QFontInfo(FormMoleculeEdit->font()).pixelSize(), 12);
  const QFontInfo consoleGrid(FormMolecules->StringGridPosition->font());
  for (StringGrid* grid : {FormMoleculeEdit->StringGridCartesianData, FormMoleculeEdit->StringGridZMatrixData,
                           FormMoleculeEdit->StringGridZMatrixVariables, FormMoleculeEdit->StringGridNormalModes,
                           FormMoleculeEdit->StringGridNormalModeDisplacements}) {
    const QFontInfo shown(grid->font());
    EXPECT_EQ(shown.family(), consoleGrid.family());
    EXPECT_EQ(shown.pixelSize(), consoleGrid.pixelSize());
  }
  // The grid captions are a pixel larger, in the same face.
  EXPECT_EQ(QFontInfo(FormMoleculeEdit->LabelAtomsCartesian->font()).pixelSize(), 13);
}

// Variables enough for a vertical scroll bar at the designed size; values
// and headings that were cut there before.
const char* const kLongZMatrix =
    "#p\n\nlong\n\n0 1\nC1\nC2 C1 R1\nC3 C2 R2 C1 A1\nC4 C3 1.354673 C2 120.8570 C1 -180.0000\n\n"
    "R1 1.0\nR2 1.0\nA1 120.8570\nR4 180.0000\nR5 1.0\nR6 1.0\nR7 1.0\nR8 1.0\nR9 1.0\nR10 1.0\nR11 1.0\nR12 1.0\n";

TEST_F(EditorLayout, AtTheDesignedSizeEveryTextShowsWholeOrScrollsIntoView) {
  OpenText(kLongZMatrix);
  FormMoleculeEdit->resize(490, 315);
  FormMoleculeEdit->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(FormMoleculeEdit));
  QTabWidget* pages = FormMoleculeEdit->PageControl;
  pages->setCurrentWidget(FormMoleculeEdit->TabSheetZMatrixData);
  StringGrid* variables = FormMoleculeEdit->StringGridZMatrixVariables;
  QTRY_VERIFY(variables->verticalScrollBar()->isVisible());
  ExpectWhole(variables);
  // Its two columns show beside the scroll bar without scrolling sideways.
  EXPECT_LE(variables->ColWidth(0) + variables->ColWidth(1), variables->viewport()->width());

  OpenThroughDialog(WriteFile(QStringLiteral("v.mop"), "PM7\nt\nc\nO\nC 1.43 1\nC 1.54 1 109.471000 1 2 1\n"
                                                       "H 1.09 1 123.1797801 1 -123.1797801 1 3 2 1\n"), 4);
  // A typed value wider than its column widens it.
  TypeIntoCell(FormMoleculeEdit->StringGridZMatrixData, 4, 4, QStringLiteral("1.2345678901234"));
  ExpectWhole(FormMoleculeEdit->StringGridZMatrixData);

  OpenThroughDialog(QStringLiteral(QUIVERA_EXAMPLES "/water.out"), 2);
  pages->setCurrentWidget(FormMoleculeEdit->TabSheetCartesianData);
  StringGrid* modes = FormMoleculeEdit->StringGridNormalModes;
  QTRY_VERIFY(modes->isVisible());
  modes->setCurrentCell(1, 0);
  ASSERT_GT(FormMoleculeEdit->StringGridNormalModeDisplacements->rowCount(), 2);
  for (StringGrid* grid : {FormMoleculeEdit->StringGridCartesianData, modes,
                           FormMoleculeEdit->StringGridNormalModeDisplacements}) ExpectWhole(grid);
}

// Two Cartesian atoms, and two Z-matrix atoms that name them and each other
// by label.
const char* const kLabelledInput =
    "#p\n\nwidths\n\n0 1\nO 0.0 0.0 0.0\nC 1.2 0.0 0.0\nH1 O 0.96 C 104.5\nH2 O 0.96 H1 104.5 C 120.0\n\n";

// A key measures the text it changed, and no other: columns set narrower
// than the texts they hold show which were measured, for a fit of the whole
// grid would widen them all. A column widens to a text that needs more room
// and never narrows while the user types.
TEST_F(EditorLayout, TypingWidensOnlyTheColumnOfAWiderTextAndNeverNarrowsIt) {
  OpenText(kLabelledInput);
  FormMoleculeEdit->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(FormMoleculeEdit));
  StringGrid* cartesian = FormMoleculeEdit->StringGridCartesianData;
  StringGrid* zmatrix = FormMoleculeEdit->StringGridZMatrixData;
  // Each page laid out once, so that no later show fits its grid.
  FormMoleculeEdit->PageControl->setCurrentWidget(FormMoleculeEdit->TabSheetZMatrixData);
  QTRY_VERIFY(zmatrix->isVisible());
  TypeIntoCell(cartesian, 3, 1, QStringLiteral("8"));
  QCoreApplication::processEvents();
  // As narrow as a digit needs, or as a column can be.
  const int narrow = std::max(cartesian->CellTextWidth(3, 1), cartesian->horizontalHeader()->minimumSectionSize());
  for (StringGrid* grid : {cartesian, zmatrix}) {
    for (int column = 1; column < grid->columnCount(); ++column) grid->SetColWidth(column, narrow);
  }
  // The widths each column should have: `narrow` but where a change needs more.
  std::vector<int> cartesianWidths(6, narrow), zmatrixWidths(9, narrow);
  const auto expectWidths = [&](const char* step) {
    for (int column = 1; column < 6; ++column)
      EXPECT_EQ(cartesian->ColWidth(column), cartesianWidths[column]) << step << ", Cartesian column " << column;
    for (int column = 1; column < 9; ++column)
      EXPECT_EQ(zmatrix->ColWidth(column), zmatrixWidths[column]) << step << ", Z-matrix column " << column;
  };

  TypeIntoCell(cartesian, 3, 1, QStringLiteral("8"));
  expectWidths("a text as wide as its column; the wider one below it is not measured");
  TypeIntoCell(cartesian, 4, 2, QStringLiteral("12345.678901234"));
  cartesianWidths[4] = cartesian->CellTextWidth(4, 2);
  EXPECT_GT(cartesianWidths[4], narrow);
  expectWidths("a wider number");
  TypeIntoCell(cartesian, 4, 2, QStringLiteral("8"));
  expectWidths("a narrower number");
  // A new label is also written where the Z-matrix names the atom.
  TypeIntoCell(cartesian, 2, 1, QStringLiteral("Oxygen_at_the_origin"));
  cartesianWidths[2] = cartesian->CellTextWidth(2, 1);
  zmatrixWidths[3] = zmatrix->CellTextWidth(3, 2);
  EXPECT_EQ(zmatrix->Cell(3, 2), QStringLiteral("Oxygen_at_the_origin"));
  EXPECT_GT(zmatrixWidths[3], narrow);
  expectWidths("a Cartesian label");
  TypeIntoCell(zmatrix, 2, 1, QStringLiteral("Hydrogen_of_the_angle"));
  zmatrixWidths[2] = zmatrix->CellTextWidth(2, 1);
  zmatrixWidths[5] = zmatrix->CellTextWidth(5, 2);
  EXPECT_EQ(zmatrix->Cell(5, 2), QStringLiteral("Hydrogen_of_the_angle"));
  expectWidths("a Z-matrix label");
  TypeIntoCell(zmatrix, 8, 2, QStringLiteral("-179.99999999"));
  zmatrixWidths[8] = zmatrix->CellTextWidth(8, 2);
  expectWidths("a wider dihedral");
}

}  // namespace
