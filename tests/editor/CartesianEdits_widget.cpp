// Typing into the Cartesian grid writes the atom back into the console's
// molecule and the view's model at once.
#include <cstdint>
#include <string>
#include <tuple>

#include <QAction>

#include "EditorFixture.h"
#include "console/UnitMolecules.h"
#include "display/view/UnitGL.h"
#include "editor/UnitMoleculeEdit.h"
#include "platform/ui/StringGrid.h"

namespace {

// Two Cartesian atoms; a Z-matrix atom that names the first by label and one
// that names it by number.
const char* const MixedInput =
    "#T HF/STO-3G\n\nmixed\n\n0 1\n"
    "C1   0.000000   0.000000   0.000000\n"
    "O2   0.000000   0.000000   1.200000\n"
    "H3 C1 1.09 O2 120.0\n"
    "H4 1 1.09 2 120.0 3 180.0\n";

class CartesianEdits : public EditorFixture {
 protected:
  static StringGrid* Grid() { return FormMoleculeEdit->StringGridCartesianData; }
  static const Position<double>& Stored(int id) { return SelectedFile().CartesianData.Positions.at(id); }
};

TEST_F(CartesianEdits, CoordinatesAreFilteredReadAndFollowedByLineModelAndView) {
  OpenText(MixedInput);
  const std::vector<std::pair<QString, double>> typed = {
      {"1.5e3x", 1.53}, {"1,5", 15.0}, {"1/2", 1.0}, {"-", 0.0}, {"- 2", -2.0}, {".25", 0.25}};
  for (const auto& [text, value] : typed) {
    TypeIntoCell(Grid(), 3, 2, text);
    EXPECT_EQ(Stored(1).x, value) << text.toStdString();
    EXPECT_EQ(SelectedModel().Atoms.at(1).BasePosition.x, value) << text.toStdString();
  }
  // The cell keeps what was typed; exactly the atom's line was rewritten.
  EXPECT_EQ(Grid()->Cell(3, 2), QStringLiteral(".25"));
  EXPECT_EQ(SelectedFile().Lines.at(6), "O2  0.25000000000  0.00000000000  1.20000000000");
  EXPECT_EQ(SelectedFile().Lines.at(5), "C1   0.000000   0.000000   0.000000");
  EXPECT_EQ(FormMoleculeEdit->EditedMolFile.Lines, SelectedFile().Lines);
}

TEST_F(CartesianEdits, TextThatIsNoNumberOrARowWithAnEmptyCellChangesNothing) {
  OpenText(MixedInput);
  TypeIntoCell(Grid(), 5, 2, QStringLiteral("abc"));
  EXPECT_EQ(Stored(1).z, 1.2);
  EXPECT_EQ(Grid()->Cell(5, 2), QStringLiteral("abc"));
  Grid()->SetCell(4, 1, QString());
  TypeIntoCell(Grid(), 3, 1, QStringLiteral("7"));
  EXPECT_EQ(Stored(0).x, 0.0);
}

TEST_F(CartesianEdits, LabelsSetTheAtomicNumberAndReachTheReferencesWrittenAsLabels) {
  OpenText(MixedInput);
  TypeIntoCell(Grid(), 2, 1, QStringLiteral("S 1"));
  EXPECT_EQ(SelectedFile().AtomIds.Labels.at(0), "S1");
  EXPECT_EQ(SelectedFile().AtomIds.AtomicNumbers.at(0), 16u);
  EXPECT_EQ(SelectedModel().Atoms.at(0).AtomicNumber, 16u);
  EXPECT_EQ(Grid()->Cell(1, 1), QStringLiteral("16"));
  StringGrid* z = FormMoleculeEdit->StringGridZMatrixData;
  EXPECT_EQ(z->Cell(3, 1), QStringLiteral("S1"));
  EXPECT_EQ(z->Cell(3, 2), QStringLiteral("1"));
  EXPECT_EQ(SelectedFile().Lines.at(7), "H3 S1 1.09 O2 120.0 ");
  EXPECT_EQ(SelectedFile().Lines.at(8), "H4 1 1.09 2 120.0 3 180.0");

  TypeIntoCell(Grid(), 2, 1, QStringLiteral("8"));
  EXPECT_EQ(SelectedFile().AtomIds.AtomicNumbers.at(0), 8u);
  TypeIntoCell(Grid(), 2, 1, QStringLiteral("Xx"));
  EXPECT_EQ(SelectedFile().AtomIds.AtomicNumbers.at(0), 0u);
  // A ghost centre is no boron, as the file read again says.
  TypeIntoCell(Grid(), 2, 1, QStringLiteral("bq1"));
  EXPECT_EQ(SelectedFile().AtomIds.AtomicNumbers.at(0), 0u);
  // The atomic number itself is set back.
  TypeIntoCell(Grid(), 1, 2, QStringLiteral("92"));
  EXPECT_EQ(Grid()->Cell(1, 2), QStringLiteral("8"));
  EXPECT_EQ(SelectedFile().AtomIds.AtomicNumbers.at(1), 8u);
}

TEST_F(CartesianEdits, AnOutputsLabelsAreReadOnlyAndItsTextStays) {
  Start();
  OpenThroughDialog(QStringLiteral(QUIVERA_EXAMPLES "/water.out"), 2);
  const std::string label = SelectedFile().AtomIds.Labels.at(0);
  const std::vector<std::string> lines = SelectedFile().Lines;
  TypeIntoCell(Grid(), 2, 1, QStringLiteral("C"));
  EXPECT_EQ(Grid()->Cell(2, 1).toStdString(), label);
  EXPECT_EQ(SelectedFile().AtomIds.Labels.at(0), label);
  TypeIntoCell(Grid(), 4, 1, QStringLiteral("3"));
  EXPECT_EQ(Stored(0).y, 3.0);
  EXPECT_EQ(SelectedModel().Atoms.at(0).BasePosition.y, 3.0);
  EXPECT_EQ(SelectedFile().Lines, lines);
}

// A number written with an exponent is taken whole, other text filtered as
// before; the saved file differs from the opened one in the atom's line.
TEST_F(CartesianEdits, ATypedCoordinateIsTheNumberSaved) {
  OpenText(MixedInput);
  const std::string original = ReadFile(PathOf(QStringLiteral("m.gjf")));
  const std::tuple<const char*, double, const char*> cases[] = {{"1.5e-3", 0.0015, "0.00150000000"},
                                                                 {"-2.5d2", -250.0, "-250.00000000000"}};
  for (const auto& [typed, x, written] : cases) {
    TypeIntoCell(Grid(), 3, 2, QString::fromLatin1(typed));
    EXPECT_EQ(SelectedModel().Atoms.at(1).BasePosition.x, x) << typed;
    SaveAndReload();
    EXPECT_EQ(ReadFile(PathOf(QStringLiteral("m.gjf"))),
              WithLine(original, 6, std::string("O2  ") + written + "  0.00000000000  1.20000000000"));
  }
}

// A TINKER atom's new element goes into its name column and a move into its
// coordinate's field; the serial number (the label connections name) stays.
TEST_F(CartesianEdits, ATinkerAtomsElementAndCoordinatesAreSavedInItsOwnLine) {
  OpenText("     2  water\n     1  O      0.000000    0.000000    0.119262     1     2\n"
           "     2  H      0.000000    0.763239   -0.477047     2     1\n", 5, QStringLiteral("w.xyz"));
  std::string expected = ReadFile(PathOf(QStringLiteral("w.xyz")));
  const std::tuple<int, const char*, std::uint32_t, const char*> cases[] = {
      {2, "Si", 14, "     2  Si     0.000000    0.763239   -0.477047     2     1"},
      {2, "H", 1, "     2  H      0.000000    0.763239   -0.477047     2     1"},
      {3, "1.5D-3", 1, "     2  H      0.001500    0.763239   -0.477047     2     1"}};
  for (const auto& [column, typed, element, line] : cases) {
    TypeIntoCell(Grid(), column, 2, QString::fromLatin1(typed));
    EXPECT_EQ(SelectedModel().Atoms.at(1).AtomicNumber, element) << typed;
    EXPECT_EQ(SelectedModel().Bonds.size(), 1u) << typed;
    SaveAndReload();
    expected = WithLine(expected, 2, line);
    EXPECT_EQ(ReadFile(PathOf(QStringLiteral("w.xyz"))), expected) << typed;
  }
}

TEST_F(CartesianEdits, AMovedMopacAtomKeepsItsFlags) {
  OpenText("PM7\nt\nc\nO  0.0 0  0.0 +0  0.0 0\nH  0.96 1  0.0 0  0.0 0\n", 4, QStringLiteral("w.mop"));
  const std::vector<std::string> lines = SelectedFile().Lines;
  TypeIntoCell(Grid(), 5, 1, QStringLiteral("0.5"));
  const MolFile saved = SaveAndReload();
  EXPECT_EQ(saved.Lines.at(3), "O  0.000000000  0 0.000000000  +0 0.5000000000  0");
  EXPECT_EQ(saved.CartesianData.Positions.at(0).z, 0.5);
  EXPECT_EQ(ChangedLines(lines, saved.Lines), (std::vector<std::size_t>{3}));
}

TEST_F(CartesianEdits, AnEditDropsBondsFoundByDistance) {
  OpenText(MixedInput);
  FormMolecules->PanelBondAutoButtonMouseUp();
  ASSERT_FALSE(SelectedModel().Bonds.empty());
  const std::size_t fileBonds = 2;  // one per Z-matrix atom
  TypeIntoCell(Grid(), 3, 1, QStringLiteral("0.1"));
  EXPECT_EQ(SelectedModel().Bonds.size(), fileBonds);
}

TEST_F(CartesianEdits, WithoutASelectedMoleculeNothingIsTaken) {
  OpenText(MixedInput);
  FormMolecules->SelectedIndex = 5;
  FormMolecules->ShowSelectedMolecule();
  ASSERT_EQ(FormMolecules->SelectedMolFile, nullptr);
  TypeIntoCell(Grid(), 3, 1, QStringLiteral("4"));
  EXPECT_EQ(FormMoleculeEdit->EditedMolFile.CartesianData.Positions.at(0).x, 0.0);
  EXPECT_EQ(FormMolecules->MolFiles.at(0).CartesianData.Positions.at(0).x, 0.0);
  EXPECT_EQ(FormGL->MolGLs.size(), 1u);
}

TEST_F(CartesianEdits, TheConsolesNewPathSurvivesAnEdit) {
  OpenText(MixedInput);
  // As after Save As: the console's molecule has a new name and path.
  SelectedFile().Path = PathOf(QStringLiteral("saved.gjf")).toStdString();
  SelectedFile().Name = "saved.gjf";
  TypeIntoCell(Grid(), 3, 1, QStringLiteral("1"));
  EXPECT_EQ(SelectedFile().Path, PathOf(QStringLiteral("saved.gjf")).toStdString());
  EXPECT_EQ(SelectedFile().Name, "saved.gjf");
}

}  // namespace
