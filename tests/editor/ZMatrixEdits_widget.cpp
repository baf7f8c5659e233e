// Typing into the Z-matrix and variables grids.
#include <cmath>
#include <string>
#include <tuple>

#include "EditorFixture.h"
#include "console/UnitMolecules.h"
#include "editor/UnitMoleculeEdit.h"
#include "platform/ui/StringGrid.h"
#include "tests/molfile/RoundTrip.h"

namespace {

// Lines 5 to 8 are the atoms; atom 4's dihedral uses D with a sign.
const char* const LabelledZMatrix =
    "#p opt\n\nzmat\n\n0 1\n"
    "C1\n"
    "O2 C1 R\n"
    "H3 C1 1.09 O2 A\n"
    "H4 C1 1.09 O2 120.0 H3 -D\n"
    "Variables:\n"
    "R 1.2\n"
    "A=120.0\n"
    "D 180.0\n";

class ZMatrixEdits : public EditorFixture {
 protected:
  static StringGrid* Grid() { return FormMoleculeEdit->StringGridZMatrixData; }
  static StringGrid* Variables() { return FormMoleculeEdit->StringGridZMatrixVariables; }
  static const ZMatrix& Stored() { return SelectedFile().ZMatrixData; }
  static double Distance(int a, int b) {
    const Position<double> d = SelectedModel().Atoms.at(a).BasePosition - SelectedModel().Atoms.at(b).BasePosition;
    return std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
  }
};

TEST_F(ZMatrixEdits, CellsThatTheAtomsPlaceRulesOutAreEmptied) {
  OpenText(LabelledZMatrix);
  TypeIntoCell(Grid(), 3, 1, QStringLiteral("C1"));
  EXPECT_EQ(Grid()->Cell(3, 1), QString());
  TypeIntoCell(Grid(), 6, 2, QStringLiteral("90"));
  EXPECT_EQ(Grid()->Cell(6, 2), QString());
  TypeIntoCell(Grid(), 7, 3, QStringLiteral("C1"));
  EXPECT_EQ(Grid()->Cell(7, 3), QString());
  EXPECT_EQ(Stored().Dihedrals.count(2), 0u);
  EXPECT_EQ(Stored().Angles.count(1), 0u);
}

TEST_F(ZMatrixEdits, AReferenceMustNameAnEarlierAtomByNumberOrByItsLastLabel) {
  OpenText(LabelledZMatrix);
  TypeIntoCell(Grid(), 3, 4, QStringLiteral("2"));
  EXPECT_EQ(Stored().Bonds.at(3).Reference, 1);
  // References stay written as labels.
  EXPECT_EQ(SelectedFile().Lines.at(8), "H4 O2 1.09 O2 120.0 H3 -D");
  EXPECT_EQ(SelectedModel().Bonds.size(), 3u);
  for (const char* later : {"4", "5", "H4", "Zz"}) {
    TypeIntoCell(Grid(), 3, 4, QString::fromLatin1(later));
    EXPECT_EQ(Stored().Bonds.at(3).Reference, 1) << later;
  }
  TypeIntoCell(Grid(), 5, 4, QStringLiteral("H3"));
  EXPECT_EQ(Stored().Angles.at(3).Reference, 2);
  EXPECT_EQ(Grid()->Cell(5, 4), QStringLiteral("H3"));
}

TEST_F(ZMatrixEdits, ValueCellsTakeNumbersOnly) {
  OpenText(LabelledZMatrix);
  TypeIntoCell(Grid(), 4, 2, QStringLiteral("1.10"));
  EXPECT_EQ(Stored().Bonds.at(1).Text, "1.10");
  EXPECT_DOUBLE_EQ(Stored().Bonds.at(1).Value, 1.1);
  EXPECT_NEAR(Distance(1, 0), 1.1, 1e-9);
  EXPECT_EQ(SelectedFile().Lines.at(6), "O2 C1 1.10 ");
  // The number now stands in place of R: a variable's edit leaves it, and
  // the saved file reads back as the molecule shown.
  TypeIntoCell(Variables(), 1, 2, QStringLiteral("100"));
  EXPECT_NEAR(Distance(1, 0), 1.1, 1e-9);
  const MolFile saved = SaveAndReload();
  for (const auto entries : {&ZMatrix::Bonds, &ZMatrix::Angles, &ZMatrix::Dihedrals})
    ExpectSameEntries(Stored().*entries, saved.ZMatrixData.*entries, true);
  const std::vector<std::pair<QString, std::pair<std::string, double>>> typed = {
      {"R", {"1.10", 1.1}},         {"-", {"1.10", 1.1}},           {"-.5", {"1.10", 1.1}},
      {".5", {".5", 0.5}},          {"-0.5", {"-0.5", -0.5}},       {"1.5.2", {"1.5", 1.5}},
      {"1.5e-3", {"1.5e-3", 0.0015}}, {"1.5abc", {"1.5", 1.5}},       {"1.5e3x", {"1.5e3", 1500.0}},
  };
  for (const auto& [text, stored] : typed) {
    TypeIntoCell(Grid(), 4, 2, text);
    EXPECT_EQ(Stored().Bonds.at(1).Text, stored.first) << text.toStdString();
    EXPECT_DOUBLE_EQ(Stored().Bonds.at(1).Value, stored.second) << text.toStdString();
  }
}

TEST_F(ZMatrixEdits, ARelabelledAtomIsNamedAnewWhereverItIsAReference) {
  OpenText(LabelledZMatrix);
  TypeIntoCell(Grid(), 2, 1, QStringLiteral("N1"));
  EXPECT_EQ(SelectedFile().AtomIds.AtomicNumbers.at(0), 7u);
  EXPECT_EQ(Grid()->Cell(1, 1), QStringLiteral("7"));
  for (int row = 2; row <= 4; ++row) EXPECT_EQ(Grid()->Cell(3, row), QStringLiteral("N1")) << row;
  EXPECT_EQ(SelectedFile().Lines.at(5), "N1 ");
  EXPECT_EQ(SelectedFile().Lines.at(7), "H3 N1 1.09 O2 A ");
  EXPECT_EQ(SelectedFile().Lines.at(8), "H4 N1 1.09 O2 120.0 H3 -D");
  TypeIntoCell(Grid(), 1, 1, QStringLiteral("3"));
  EXPECT_EQ(Grid()->Cell(1, 1), QStringLiteral("7"));
}

TEST_F(ZMatrixEdits, AVariablesValueReachesEveryEntryThatUsesItAndItsOwnLine) {
  OpenText(LabelledZMatrix);
  const std::vector<std::string> lines = SelectedFile().Lines;
  TypeIntoCell(Variables(), 1, 3, QStringLiteral("90"));
  EXPECT_EQ(Stored().Variables.at(2).Value, 90.0);
  EXPECT_EQ(Stored().Dihedrals.at(3).Value, -90.0);
  EXPECT_EQ(SelectedFile().Lines.at(12), "D 90");
  TypeIntoCell(Variables(), 1, 1, QStringLiteral("1.5e-1"));
  EXPECT_EQ(Stored().Bonds.at(1).Value, 0.15);
  EXPECT_NEAR(Distance(1, 0), 0.15, 1e-9);
  EXPECT_EQ(SelectedFile().Lines.at(10), "R 1.5e-1");
  EXPECT_EQ(ChangedLines(lines, SelectedFile().Lines), (std::vector<std::size_t>{10, 12}));
  EXPECT_EQ(FormMoleculeEdit->EditedMolFile.Lines, SelectedFile().Lines);
  // Names are read-only.
  TypeIntoCell(Variables(), 0, 1, QStringLiteral("Q"));
  EXPECT_EQ(Variables()->Cell(0, 1), QStringLiteral("R"));
  EXPECT_EQ(Stored().Variables.at(0).Text, "R");
  EXPECT_EQ(SelectedFile().Lines.at(10), "R 1.5e-1");
}

// Coordinates that name a variable follow it in the view and the grid, but
// not once an edit has written the atom's numbers; Convert to Cartesian
// writes the others' numbers.
TEST_F(ZMatrixEdits, CartesianCoordinatesThatNameAVariable) {
  OpenText("#p\n\nt\n\n0 1\nCL 0 -V1 0.0 0.0\nCL 0 V1 0.0 0.0\n\nV1 2.4\n");
  StringGrid* cartesian = FormMoleculeEdit->StringGridCartesianData;
  TypeIntoCell(cartesian, 4, 2, QStringLiteral("1.5"));
  TypeIntoCell(Variables(), 1, 1, QStringLiteral("3"));
  EXPECT_EQ(SelectedModel().Atoms.at(0).BasePosition.x, -3.0);
  EXPECT_EQ(SelectedModel().Atoms.at(1).BasePosition.x, 2.4);
  EXPECT_EQ(cartesian->Cell(3, 1), QStringLiteral("-3.000000"));
  FormMoleculeEdit->CoordinateConvertToXYZ->trigger();
  EXPECT_EQ(SelectedFile().Lines.at(5), "CL  0  -3.00000000000  0.00000000000  0.00000000000");
}

TEST_F(ZMatrixEdits, AnEditedVariableIsSavedInItsOwnLineAlone) {
  const char* const text =
      "#p opt\n\nseparators\n\n0 1\nO\nH 1 R1\nH 1 R2 2 A1\n\n"
      "R1=0.99\nR2,0.99 ! kept\n\na1\t104.5\n";  // a constant, its name in small letters
  OpenText(text);
  const std::vector<std::string> lines = SelectedFile().Lines;
  TypeIntoCell(Variables(), 1, 2, QStringLiteral("1.05"));
  TypeIntoCell(Variables(), 1, 3, QStringLiteral("120"));
  EXPECT_EQ(Stored().Angles.at(2).Value, 120.0);
  const MolFile saved = SaveAndReload();
  EXPECT_EQ(saved.ZMatrixData.Variables.at(1).Value, 1.05);
  EXPECT_EQ(saved.ZMatrixData.Variables.at(2).Value, 120.0);
  EXPECT_EQ(saved.ZMatrixData.Bonds.at(2).Value, 1.05);
  EXPECT_EQ(saved.Lines.at(10), "R2,1.05 ! kept");
  EXPECT_EQ(saved.Lines.at(12), "a1\t120");
  EXPECT_EQ(ChangedLines(lines, saved.Lines), (std::vector<std::size_t>{10, 12}));
}

// The number read from what was typed is the number saved: an exponent with
// any of its letters, and of other text only the leading number.
TEST_F(ZMatrixEdits, ATypedNumberIsTheNumberSaved) {
  OpenText(LabelledZMatrix);
  const std::string original = ReadFile(PathOf(QStringLiteral("m.gjf")));
  TypeIntoCell(Grid(), 4, 3, QStringLiteral("15d-1"));
  EXPECT_NEAR(Distance(2, 0), 1.5, 1e-9);
  const std::string edited = WithLine(original, 7, "H3 C1 15e-1 O2 A ");
  const std::tuple<const char*, double, const char*> cases[] = {
      {"1.5E-1", 0.15, "R 1.5E-1"}, {"1.5D-1", 0.15, "R 1.5E-1"}, {"1.5.2", 1.5, "R 1.5"}, {"-", 0.0, "R 0"}};
  for (const auto& [typed, value, line] : cases) {
    TypeIntoCell(Variables(), 1, 1, QString::fromLatin1(typed));
    EXPECT_EQ(Stored().Bonds.at(1).Value, value) << typed;
    SaveAndReload();
    EXPECT_EQ(ReadFile(PathOf(QStringLiteral("m.gjf"))), WithLine(edited, 10, line)) << typed;
  }
  TypeIntoCell(Grid(), 4, 3, QStringLiteral("1.5.2"));
  SaveAndReload();
  EXPECT_EQ(ReadFile(PathOf(QStringLiteral("m.gjf"))), WithLine(WithLine(edited, 10, "R 0"), 7, "H3 C1 1.5 O2 A "));
}

TEST_F(ZMatrixEdits, AMopacAtomIsWrittenAgainInItsOwnLayout) {
  OpenText("PM7\ntitle\ncomment\nO\nH 0.96 1 1\nH 0.96 1 104.5 1 1 2\n", 4, QStringLiteral("w.mop"));
  ASSERT_EQ(Grid()->rowCount(), 4);
  const std::string original = ReadFile(PathOf(QStringLiteral("w.mop")));
  TypeIntoCell(Grid(), 4, 2, QStringLiteral("1.5"));
  EXPECT_EQ(Stored().Bonds.at(1).Value, 1.5);
  EXPECT_EQ(SelectedFile().Lines.at(4), "H  1.500000000  1 0.000000000  0 0.000000000  0 1 0 0");
  TypeIntoCell(Grid(), 4, 2, QStringLiteral("1.5D-3"));
  EXPECT_EQ(Stored().Bonds.at(1).Value, 0.0015);
  SaveAndReload();
  EXPECT_EQ(ReadFile(PathOf(QStringLiteral("w.mop"))),
            WithLine(original, 4, "H  0.001500000000  1 0.000000000  0 0.000000000  0 1 0 0"));
  // A typed D is hydrogen, as the file read again says.
  TypeIntoCell(Grid(), 2, 3, QStringLiteral("D"));
  EXPECT_EQ(SaveAndReload().AtomIds.AtomicNumbers, (std::map<std::int32_t, std::uint32_t>{{0, 8}, {1, 1}, {2, 1}}));
}

}  // namespace
