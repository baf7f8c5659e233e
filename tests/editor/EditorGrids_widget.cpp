// Filling the editor's grids, the normal-mode choice and the column widths.
#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTest>

#include "EditorFixture.h"
#include "console/UnitMolecules.h"
#include "editor/UnitMoleculeEdit.h"
#include "platform/Numbers.h"
#include "platform/ui/ListView.h"
#include "platform/ui/StringGrid.h"

namespace {

// Labels as references, a variable with and without a sign; atom 4 names
// its references by number.
const char* const LabelledZMatrix =
    "#p opt\n\nzmat\n\n0 1\n"
    "C1\n"
    "O2 C1 R\n"
    "H3 C1 1.09 O2 A\n"
    "H4 1 1.09 2 120.0 3 -D\n"
    "Variables:\n"
    "R 1.2\n"
    "A=120.0\n"
    "D 180.0\n";

class EditorGrids : public EditorFixture {
 protected:
  static TFormMoleculeEdit* Edit() { return FormMoleculeEdit; }

  static void ExpectOneEmptyRow(StringGrid* grid) {
    ASSERT_EQ(grid->rowCount(), 2);
    for (int c = 0; c < grid->columnCount(); ++c) EXPECT_EQ(grid->Cell(c, 1), QString()) << c;
  }
};

TEST_F(EditorGrids, BeforeAnyMoleculeEveryGridHasItsHeadingsAndOneEmptyRowAndTheFilePageIsOff) {
  Start();
  Edit()->UpdateGrids();
  for (StringGrid* grid : {Edit()->StringGridCartesianData, Edit()->StringGridZMatrixData,
                           Edit()->StringGridZMatrixVariables, Edit()->StringGridNormalModeDisplacements}) {
    ExpectOneEmptyRow(grid);
  }
  EXPECT_EQ(Edit()->StringGridCartesianData->Cell(2, 0), QStringLiteral("ID"));
  EXPECT_EQ(Edit()->StringGridZMatrixData->Cell(8, 0), QStringLiteral("dihedral data"));
  EXPECT_EQ(Edit()->StringGridNormalModes->Cell(7, 0), QStringLiteral("Depolar"));
  EXPECT_TRUE(Edit()->PanelNormalModes->isHidden());
  // Code 0 has no text: showing the page leaves it empty and disabled.
  Edit()->PageControl->setCurrentWidget(Edit()->TabSheetFile);
  EXPECT_FALSE(Edit()->LabelFileType->isEnabled());
  EXPECT_FALSE(Edit()->RichEditFileData->isEnabled());
  EXPECT_TRUE(Edit()->RichEditFileData->toPlainText().isEmpty());
}

TEST_F(EditorGrids, ZMatrixRowsShowReferencesAsWrittenAndValuesAsTyped) {
  OpenText(LabelledZMatrix);
  StringGrid* z = Edit()->StringGridZMatrixData;
  ASSERT_EQ(z->rowCount(), 5);
  ExpectOneEmptyRow(Edit()->StringGridCartesianData);
  const QStringList expected[] = {
      {"1", "6", "C1", "", "", "", "", "", ""},
      {"2", "8", "O2", "C1", "R", "", "", "", ""},
      {"3", "1", "H3", "C1", "1.09", "O2", "A", "", ""},
      {"4", "1", "H4", "1", "1.09", "2", "120.0", "3", "-D"},
  };
  for (int row = 1; row <= 4; ++row) {
    for (int c = 0; c < 9; ++c) EXPECT_EQ(z->Cell(c, row), expected[row - 1][c]) << row << "," << c;
  }
  StringGrid* variables = Edit()->StringGridZMatrixVariables;
  ASSERT_EQ(variables->rowCount(), 4);
  EXPECT_EQ(variables->Cell(0, 1), QStringLiteral("R"));
  EXPECT_EQ(variables->Cell(1, 1), QStringLiteral("1.2000"));
  EXPECT_EQ(variables->Cell(1, 3), QStringLiteral("180.0000"));
}

TEST_F(EditorGrids, ARefillLeavesNothingOfTheMoleculeBefore) {
  OpenText(LabelledZMatrix);
  OpenThroughDialog(WriteFile(QStringLiteral("short.gjf"), "#p\n\nt\n\n0 1\nO\nH 1 0.96\n"), 1);
  StringGrid* z = Edit()->StringGridZMatrixData;
  ASSERT_EQ(z->rowCount(), 3);
  for (int c = 5; c < 9; ++c) EXPECT_EQ(z->Cell(c, 2), QString()) << c;
  ExpectOneEmptyRow(Edit()->StringGridZMatrixVariables);
}

TEST_F(EditorGrids, CartesianAtomsWithoutCoordinatesShowZeros) {
  Start();
  MolFile& file = Edit()->EditedMolFile;
  file.AtomIds.Ids = {0, 1};
  file.AtomIds.Kinds = {{0, CARTESIAN}, {1, ZMATRIX}};
  file.AtomIds.Labels[0] = "Cl";
  file.AtomIds.AtomicNumbers[0] = 17;
  file.CartesianData.Count = 5;  // out of step: only one atom is Cartesian
  Edit()->UpdateGrids();
  StringGrid* grid = Edit()->StringGridCartesianData;
  ASSERT_EQ(grid->rowCount(), 2);
  EXPECT_EQ(grid->Cell(0, 1), QStringLiteral("1"));
  EXPECT_EQ(grid->Cell(1, 1), QStringLiteral("17"));
  for (int c = 3; c <= 5; ++c) EXPECT_EQ(grid->Cell(c, 1), QStringLiteral("0.000000"));
}

TEST_F(EditorGrids, NormalModesOfAGaussianOutputAndTheChosenModesDisplacements) {
  const QString path = QStringLiteral(QUIVERA_EXAMPLES "/water.out");
  Start();
  OpenThroughDialog(path, 2);
  StringGrid* modes = Edit()->StringGridNormalModes;
  ASSERT_EQ(modes->rowCount(), 4);
  EXPECT_FALSE(Edit()->PanelNormalModes->isHidden());
  EXPECT_EQ(modes->Cell(0, 1), QStringLiteral("1"));
  const NormalModes& read = Edit()->EditedMolFile.ModeData;
  EXPECT_EQ(modes->Cell(2, 1), QString::fromStdString(FormatFloat("0.0000", read.Frequencies.at(0))));
  EXPECT_EQ(modes->Cell(3, 2), QStringLiteral("1.0453"));
  EXPECT_EQ(Edit()->StringGridCartesianData->rowCount(), 4);
  ExpectOneEmptyRow(Edit()->StringGridZMatrixData);

  modes->setCurrentCell(2, 3);
  EXPECT_EQ(Edit()->LabelNormalModeDisplacements->text(), QStringLiteral("Mode 2"));
  StringGrid* shown = Edit()->StringGridNormalModeDisplacements;
  ASSERT_EQ(shown->rowCount(), 4);
  EXPECT_EQ(shown->Cell(0, 3), QStringLiteral("3"));
  const NormalModes::Displacement& second = read.Displacements.at(1);
  EXPECT_EQ(shown->Cell(3, 3), QString::fromStdString(FormatFloat("0.00", second.Vectors.at(2).z)));

  // A new molecule without modes hides the panel and resets the displacements.
  FormMolecules->ActionNewMolecule->trigger();
  EXPECT_TRUE(Edit()->PanelNormalModes->isHidden());
  EXPECT_EQ(Edit()->LabelNormalModeDisplacements->text(), QStringLiteral("Mode"));
  ExpectOneEmptyRow(shown);
}

TEST_F(EditorGrids, ClickingTheCurrentModeRowAfterAnotherMoleculeShowsItsDisplacements) {
  const QString path = QStringLiteral(QUIVERA_EXAMPLES "/water.out");
  Start();
  OpenThroughDialog(path, 2);
  OpenThroughDialog(path, 2);
  StringGrid* modes = Edit()->StringGridNormalModes;
  const auto clickRow = [modes](int row) {
    const QRect cell = modes->visualRect(modes->model()->index(row, 1));
    QTest::mouseClick(modes->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
  };
  clickRow(2);
  ASSERT_EQ(Edit()->LabelNormalModeDisplacements->text(), QStringLiteral("Mode 2"));
  // The other molecule resets the displacements; row 2 stays the current row.
  FormMolecules->ListViewMolecules->SelectRow(0);
  ASSERT_EQ(Edit()->LabelNormalModeDisplacements->text(), QStringLiteral("Mode"));
  ASSERT_EQ(modes->currentRow(), 2);
  clickRow(2);
  EXPECT_EQ(Edit()->LabelNormalModeDisplacements->text(), QStringLiteral("Mode 2"));
  StringGrid* shown = Edit()->StringGridNormalModeDisplacements;
  ASSERT_EQ(shown->rowCount(), 4);
  EXPECT_EQ(shown->Cell(0, 3), QStringLiteral("3"));
  // Keys still move through the modes.
  QTest::keyClick(modes, Qt::Key_Down);
  EXPECT_EQ(Edit()->LabelNormalModeDisplacements->text(), QStringLiteral("Mode 3"));
}

TEST_F(EditorGrids, AnOutputCutInADisplacementRowWithAValueOfStars) {
  std::string text = FormsFixture::ExampleText("water.out");
  text.replace(text.find("99.7386"), 7, "*******");
  const std::size_t row = text.find("     2   1     0.00");
  ASSERT_NE(row, std::string::npos);
  text.resize(row + std::string("     2   1     0.00").size());
  Start();
  OpenThroughDialog(WriteFile(QStringLiteral("cut.out"), text), 2);
  StringGrid* grid = Edit()->StringGridNormalModes;
  ASSERT_EQ(grid->rowCount(), 4);  // three modes, no phantom ones
  EXPECT_EQ(grid->Cell(5, 1), QStringLiteral("**********"));
  EXPECT_EQ(grid->Cell(5, 2), QStringLiteral("18.5627"));
}

TEST_F(EditorGrids, ModeTablesShorterThanTheModeListShowEmptyCells) {
  Start();
  NormalModes& modes = Edit()->EditedMolFile.ModeData;
  modes.ModeNumbers = {1, 2, 2};
  modes.Frequencies = {100.0f};
  modes.Symmetries = {"A1"};
  NormalModes::Displacement first;
  first.AtomNumbers = {1, 2};
  first.Vectors = {{0.1, 0.2, 0.3, 1}};  // one vector for two atoms
  modes.Displacements = {first};
  Edit()->UpdateGrids();
  StringGrid* grid = Edit()->StringGridNormalModes;
  ASSERT_EQ(grid->rowCount(), 4);
  EXPECT_EQ(grid->Cell(2, 1), QStringLiteral("100.0000"));
  EXPECT_EQ(grid->Cell(2, 2), QString());
  EXPECT_EQ(grid->Cell(1, 3), QString());

  StringGrid* shown = Edit()->StringGridNormalModeDisplacements;
  grid->setCurrentCell(1, 0);
  ASSERT_EQ(shown->rowCount(), 3);
  EXPECT_EQ(shown->Cell(1, 1), QStringLiteral("0.10"));
  EXPECT_EQ(shown->Cell(0, 2), QStringLiteral("2"));
  EXPECT_EQ(shown->Cell(1, 2), QString());
  // Modes 2 have no displacement table: the grid gets two rows, its row 1 stays.
  grid->setCurrentCell(2, 0);
  EXPECT_EQ(Edit()->LabelNormalModeDisplacements->text(), QStringLiteral("Mode 2"));
  ASSERT_EQ(shown->rowCount(), 2);
  EXPECT_EQ(shown->Cell(1, 1), QStringLiteral("0.10"));
  // A number no mode has changes nothing.
  grid->SetCell(0, 1, QStringLiteral("9"));
  grid->setCurrentCell(1, 1);
  EXPECT_EQ(Edit()->LabelNormalModeDisplacements->text(), QStringLiteral("Mode 2"));
}

// The room of a vertical scroll bar is kept whether it shows or not; no
// column is narrower than its widest text, heading included.
TEST_F(EditorGrids, ValueColumnsShareTheWidthOrGetFixedWidthsWhenNarrow) {
  Start();
  // Each grid fits its columns when its own width changes (window or splitter).
  StringGrid* cartesian = Edit()->StringGridCartesianData;
  const int room = cartesian->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, cartesian->verticalScrollBar());
  cartesian->resize(600, 200);
  EXPECT_EQ(cartesian->ColWidth(3), (600 - 9 - room - 35 - 80 - 40) / 3);
  EXPECT_EQ(cartesian->ColWidth(5), (600 - 9 - room - 35 - 80 - 40) / 3);
  cartesian->resize(265, 200);
  EXPECT_EQ(cartesian->ColWidth(4), 50);
  EXPECT_EQ(cartesian->ColWidth(0), 35);

  Edit()->PageControl->setCurrentWidget(Edit()->TabSheetZMatrixData);
  StringGrid* z = Edit()->StringGridZMatrixData;
  z->resize(700, 200);
  EXPECT_EQ(z->ColWidth(6), (700 - 12 - room - 35 - 80 - 40 - z->ColWidth(3) - z->ColWidth(5) - z->ColWidth(7)) / 3);
  z->resize(400, 200);
  EXPECT_EQ(z->ColWidth(4), 50);
  EXPECT_EQ(z->ColWidth(8), z->TextWidth(8));  // "dihedral data" needs more
  StringGrid* variables = Edit()->StringGridZMatrixVariables;
  variables->resize(200, 200);
  EXPECT_EQ(variables->ColWidth(1), 200 - 6 - room - 50);
  variables->resize(105, 200);
  EXPECT_EQ(variables->ColWidth(1), 50);
}

}  // namespace
