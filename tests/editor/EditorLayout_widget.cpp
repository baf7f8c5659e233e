// The editor's face and whether its grids, at the designed window size,
// show whole values such as the sample files hold.
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
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

TEST_F(EditorLayout, TheDesignedWidthsHoldWholeValues) {
  Start();
  FormMoleculeEdit->resize(490, 315);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(FormMoleculeEdit));
  StringGrid* modes = FormMoleculeEdit->StringGridNormalModes;
  modes->setVisible(true);
  modes->resize(302, 90);  // below the sharing threshold, as at the designed size
  ASSERT_EQ(modes->ColWidth(2), 55);
  // Frequencies, reduced masses, force constants, intensities and ratios as the samples have them.
  for (const char* value : {"3141.5515", "1411.3951", "1064.0123"}) {
    EXPECT_TRUE(Fits(modes, 2, QString::fromLatin1(value))) << value;
  }
  EXPECT_TRUE(Fits(modes, 1, QStringLiteral("Symmetry")));
  StringGrid* atoms = FormMoleculeEdit->StringGridCartesianData;
  atoms->resize(480, 100);
  ASSERT_EQ(atoms->ColWidth(3), (480 - 9 - 35 - 80 - 40) / 3);
  for (const char* value : {"-4.932969", "-10.650931"}) {
    EXPECT_TRUE(Fits(atoms, 3, QString::fromLatin1(value))) << value;
  }
  EXPECT_TRUE(Fits(atoms, 0, QStringLiteral("atom")));
  EXPECT_TRUE(Fits(atoms, 1, QStringLiteral("atomic number")));
  StringGrid* variables = FormMoleculeEdit->StringGridZMatrixVariables;
  EXPECT_TRUE(Fits(variables, 1, QStringLiteral("106.0000")));
  EXPECT_TRUE(Fits(variables, 0, QStringLiteral("Variable")));
  StringGrid* zmatrix = FormMoleculeEdit->StringGridZMatrixData;
  EXPECT_TRUE(Fits(zmatrix, 4, QStringLiteral("1.354673")));
  EXPECT_TRUE(Fits(zmatrix, 3, QStringLiteral("connect")));
}

}  // namespace
