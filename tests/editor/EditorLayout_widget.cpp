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

// With every column narrower than its texts, a key widens only the columns
// of the texts it changed (a label also where the Z-matrix names the atom)
// and never narrows one.
TEST_F(EditorLayout, TypingWidensOnlyTheColumnOfAWiderTextAndNeverNarrowsIt) {
  OpenText("#p\n\nwidths\n\n0 1\nO 0.0 0.0 0.0\nC 1.2 0.0 0.0\nH1 O 0.96 C 104.5\n\n");
  FormMoleculeEdit->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(FormMoleculeEdit));
  StringGrid* cartesian = FormMoleculeEdit->StringGridCartesianData;
  StringGrid* zmatrix = FormMoleculeEdit->StringGridZMatrixData;
  // Each page laid out once, so that no later show fits its grid.
  FormMoleculeEdit->PageControl->setCurrentWidget(FormMoleculeEdit->TabSheetZMatrixData);
  QTRY_VERIFY(zmatrix->isVisible());
  const int narrow = cartesian->horizontalHeader()->minimumSectionSize();
  for (StringGrid* grid : {cartesian, zmatrix})
    for (int column = 1; column < grid->columnCount(); ++column) grid->SetColWidth(column, narrow);
  TypeIntoCell(cartesian, 4, 2, QStringLiteral("12345.678901234"));
  const int wide = cartesian->CellTextWidth(4, 2);
  TypeIntoCell(cartesian, 4, 2, QStringLiteral("8"));
  TypeIntoCell(cartesian, 2, 1, QStringLiteral("Oxygen_at_the_origin"));
  for (int column = 1; column < 6; ++column)
    EXPECT_EQ(cartesian->ColWidth(column), column == 4 ? wide : column == 2 ? cartesian->CellTextWidth(2, 1) : narrow)
        << column;
  for (int column = 1; column < 9; ++column)
    EXPECT_EQ(zmatrix->ColWidth(column), column == 3 ? zmatrix->CellTextWidth(3, 1) : narrow) << column;
}

}  // namespace
