// The editor's face and whether its grids, at the designed window size,
// show whole values such as the sample files hold.
#include <QFontInfo>
#include <QFontMetrics>
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
  // Each text of `grid`, its headings too, fits its column; the columns fit
  // beside a shown vertical scroll bar, or the grid scrolls sideways.
  static void ExpectWhole(StringGrid* grid) {
    QCoreApplication::processEvents();
    int total = 0;
    for (int column = 0; column < grid->columnCount(); ++column) {
      for (int row = 0; row < grid->rowCount(); ++row) {
        EXPECT_TRUE(Fits(grid, column, grid->Cell(column, row)))
            << grid->Cell(0, 0).toStdString() << ", column " << column << ": " << grid->Cell(column, row).toStdString();
      }
      if (column >= grid->FixedColumns()) total += grid->ColWidth(column);
    }
    if (total > grid->viewport()->width()) {
      EXPECT_GT(grid->horizontalScrollBar()->maximum(), 0) << grid->Cell(0, 0).toStdString();
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

// Variables enough for a vertical scroll bar at the designed size, values
// as wide as the sample files have them.
const char* const kLongZMatrix =
    "#p opt\n\nlong\n\n0 1\n"
    "C1\nC2 C1 R1\nC3 C2 R2 C1 A1\nC4 C3 R3 C2 A2 C1 D1\nH5 C4 1.354673 C3 120.8570 C2 -180.0000\n\n"
    "R1 1.54\nR2 1.54\nR3 1.54\nA1 120.8570\nA2 109.4710\nD1 180.0000\n"
    "R4 1.0\nR5 1.0\nR6 1.0\nR7 1.0\nR8 1.0\nR9 1.0\nR10 1.0\nR11 1.0\nR12 1.0\nR13 1.0\n";

const char* const kMopacValues =
    "PM7\ntitle\ncomment\nO\nC 1.4300000 1\nC 1.5400000 1 109.471000 1 2 1\n"
    "H 1.0900000 1 123.1797801 1 -123.1797801 1 3 2 1\n";

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
  ExpectWhole(FormMoleculeEdit->StringGridZMatrixData);

  OpenThroughDialog(WriteFile(QStringLiteral("v.mop"), kMopacValues), 4);
  ASSERT_EQ(FormMoleculeEdit->StringGridZMatrixData->Cell(6, 4), QStringLiteral("123.1797801"));
  ExpectWhole(FormMoleculeEdit->StringGridZMatrixData);

  OpenThroughDialog(QStringLiteral(QUIVERA_EXAMPLES "/water.out"), 2);
  pages->setCurrentWidget(FormMoleculeEdit->TabSheetCartesianData);
  StringGrid* modes = FormMoleculeEdit->StringGridNormalModes;
  QTRY_VERIFY(modes->isVisible());
  modes->setCurrentCell(1, 0);
  ASSERT_GT(FormMoleculeEdit->StringGridNormalModeDisplacements->rowCount(), 2);
  for (StringGrid* grid : {FormMoleculeEdit->StringGridCartesianData, modes,
                           FormMoleculeEdit->StringGridNormalModeDisplacements}) {
    ExpectWhole(grid);
  }
}

}  // namespace
