#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "TestModels.h"
#include "display/MolGL.h"
#include "molfile/MolFile.h"
#include "tests/molfile/ParseText.h"

namespace {

using Lines = std::vector<std::string>;

const Lines kHeader{"#T HF/STO-3G TEST", "", "Comment by Quivera", "", "0 1"};

// The blank line after the molecule, and the empty last line that makes the
// saved text end with a line end.
Lines WithHeader(const Lines& atoms) {
  Lines all = kHeader;
  all.insert(all.end(), atoms.begin(), atoms.end());
  all.insert(all.end(), {"", ""});
  return all;
}

void AddCartesian(MolFile& file, std::int32_t id, const char* label, std::uint32_t z, double x, double y,
                  double zz) {
  DeclareAtom(file, id, label, z, CARTESIAN);
  file.CartesianData.Positions[id] = {x, y, zz, 1.0};
}

// A Gaussian Z-matrix input whose tables are filled as its reader fills them.
MolFile WaterZMatrixInput() {
  MolFile file;
  file.FileType = GAUSSIAN_INPUT;
  file.Lines = {"#p hf/3-21g", "", "water", "", "0 1", "O1", "H2 O1 0.96", "H3 O1 0.96 H2 104.5",
                "", "extra line", ""};
  DeclareAtom(file, 0, "O1", 8, ZMATRIX);
  DeclareAtom(file, 1, "H2", 1, ZMATRIX);
  DeclareAtom(file, 2, "H3", 1, ZMATRIX);
  for (std::uint32_t id = 0; id < 3; ++id) file.AtomIds.LineIndexes[id] = 5 + id;
  SetZ(file.ZMatrixData.Bonds, 1, 0, 0.96);
  SetZ(file.ZMatrixData.Bonds, 2, 0, 0.96);
  SetZ(file.ZMatrixData.Angles, 2, 1, 104.5);
  return file;
}

bool GaussianInputReaderPresent() {
  MolFile probe;
  probe.FileType = GAUSSIAN_INPUT;
  probe.Lines = {"# hf", "", "t", "", "0 1", "He 0 0 0", ""};
  probe.Parse();
  return !probe.AtomIds.Ids.empty();
}

}  // namespace

TEST(ToGaussianInput, CartesianSourceGivesTheExactText) {
  MolFile file;
  file.FileType = TINKER_XYZ;
  AddCartesian(file, 0, "1", 8, 0.0, 0.0, 0.119);
  AddCartesian(file, 1, "2", 1, 0.0, 0.763, -0.477);
  AddCartesian(file, 2, "3", 0, -1.5, -0.763, -0.477);
  AddCartesian(file, 3, "4", 115, 1e-13, 2.000000000004, 0);
  file.ToGaussianInput();
  EXPECT_EQ(file.Lines, WithHeader({"O  0.00000000000  0.00000000000  0.11900000000",
                                    "H  0.00000000000  0.76300000000  -0.47700000000",
                                    "X  -1.50000000000  -0.76300000000  -0.47700000000",
                                    "X  0.00000000000  2.00000000000  0.00000000000"}));
  EXPECT_EQ(file.FileType, GAUSSIAN_INPUT);
}

// An anion written as "0 1" would be run as another molecule.
TEST(ToGaussianInput, NameChargeAndMultiplicityKeptAndNoAtomsGiveTheHeaderAlone) {
  MolFile file;
  file.Name = "benzene dimer";
  file.Charge = -1;
  file.Multiplicity = 2;
  file.ToGaussianInput();
  Lines expected = WithHeader({});
  expected[2] = "benzene dimer";
  expected[4] = "-1 2";
  EXPECT_EQ(file.Lines, expected);
}

// A blank line would end the title and put its next line where Gaussian
// reads the charge.
TEST(ToGaussianInput, ANameOfSeveralLinesIsATitleOfOne) {
  for (const auto& [name, title] : std::vector<std::pair<std::string, std::string>>{
           {"CH3 radical\r\n\r\nfrom the Link1 job\n", "CH3 radical from the Link1 job "}, {"a\rb \n c", "a b   c"},
           {" \t\n\r\n ", "Comment by Quivera"}, {"a" + std::string(32765, '\n') + "b", "a b"}}) {
    MolFile file;
    file.Name = name;
    file.ToGaussianInput();
    EXPECT_EQ(file.Lines.at(2), title);
  }
}

TEST(ToGaussianInput, MopacZMatrixKeepsItsReferences) {
  MolFile file;
  file.FileType = MOPAC_INPUT;
  DeclareAtom(file, 0, "C", 6, ZMATRIX);
  DeclareAtom(file, 1, "H", 1, ZMATRIX);
  DeclareAtom(file, 2, "XX", 0, ZMATRIX);
  DeclareAtom(file, 3, "H", 1, ZMATRIX);
  DeclareAtom(file, 4, "O", 8, ZMATRIX);
  auto& z = file.ZMatrixData;
  SetZ(z.Bonds, 1, 0, 1.09);
  SetZ(z.Bonds, 2, 0, 1.0);
  SetZ(z.Angles, 2, 1, 109.5);
  SetZ(z.Bonds, 3, 2, 1.1);
  SetZ(z.Angles, 3, 0, 120.0);
  SetZ(z.Dihedrals, 3, 1, -180.0);
  SetZ(z.Bonds, 4, -1, 1.2);       // unresolved reference
  SetZ(z.Dihedrals, 4, 1, 90.0);   // a dihedral without an angle is not written
  file.ToGaussianInput();
  EXPECT_EQ(file.Lines, WithHeader({"C1", "H2  C1  1.09000000000", "X3  C1  1.00000000000  H2  109.50000000000",
                                    "H4  3  1.10000000000  C1  120.00000000000  H2  -180.00000000000",
                                    "O5  0  1.20000000000"}));

  // Cartesian atoms after internal ones: every atom as placed, in MOPAC's
  // frame. The keyword lines' charge and spin state, not the title's, count.
  MolFile mixed = ParseText(MOPAC_INPUT, "PM7 CHARGE=1 DOUBLET\nt\nc\nO\nH 1 1\nH 1 1 90 1 2 1\nCl 1 0 -2 0 .5 0 0 0 0\n");
  mixed.ToGaussianInput();
  EXPECT_EQ(Lines(mixed.Lines.begin() + 4, mixed.Lines.end() - 2),
            (Lines{"1 2", "O  0.00000000000  0.00000000000  0.00000000000", "H  1.00000000000  0.00000000000  0.00000000000",
                   "H  1.00000000000  1.00000000000  0.00000000000", "Cl  1.00000000000  -2.00000000000  0.50000000000"}));
  // Cartesian atoms first, wherever they lie: a third atom built on them, an
  // internal atom that names a later one.
  mixed = ParseText(MOPAC_INPUT, "PM7\nt\nc\nC 1 1 2 1 3 1\nC 2 1 2 1 3 1\nH 1.0 1 90 1\nO 1.5 1 90 1 0 1 5 2 1\nN 2 0 2 0 5 0\n");
  mixed.ToGaussianInput();
  EXPECT_EQ(Lines(mixed.Lines.begin() + 7, mixed.Lines.end() - 3),
            (Lines{"H  2.00000000000  3.00000000000  3.00000000000", "O  0.50000000000  2.00000000000  5.00000000000"}));
  // Without a spin keyword, the lowest spin for the atomic numbers less the
  // charge; dummy atoms, sparkles and translation vectors count none.
  const std::string hydroxyl = "c\nO\nH 0.96 1\n",
                    methyl = "t\nc\nC\nXX 1 1\nH 1.1 1 90 1\nH 1.1 1 90 1 120 1 1 2 3\nH 1.1 1 90 1 240 1 1 2 3\n";
  const std::pair<std::string, const char*> cases[] = {
      {"pm7 charge=-2 triplet\nt\n" + hydroxyl, "-2 3"}, {"PM7 +\nCHARGE=+1 SEXTET\nt\n" + hydroxyl, "1 6"},
      {"PM7\nCHARGE=1 TRIPLET\n" + hydroxyl, "0 2"}, {"PM7 CHARGE=1\n" + methyl + "H 1.1 1 180 1 0 1 1 2 3\n", "1 2"},
      {"PM7\n" + methyl, "0 2"}, {"PM7\nt\nc\nCl\n+ 3.1\nTv 9 1 0 1 0 1\n", "0 2"},
      {"PM7 CHARGE=1 NONET\nt\nc\nGd\n", "1 9"},
      // MS= names the spin where the electrons can give it: 2 |MS| of their
      // parity, no more than there are; a spin keyword beside it still rules.
      {"PM7 CHARGE=3 MS=1.5 OPEN(5,6) MECI\nt\nc\nFe\n", "3 4"}, {"PM7 +\nCharge=2 UHF ms=2.5\nt\nc\nMn\n", "2 6"},
      {"PM7 CHARGE=-3 MS=2\nt\n" + hydroxyl, "-3 5"}, {"PM7 MS=1\nt\n" + hydroxyl, "0 2"},
      {"PM7 MS=5.5 UHF\nt\n" + hydroxyl, "0 2"}, {"PM7 MS=1.5 DOUBLET\nt\n" + hydroxyl, "0 2"},
      {"PM7\nMS=1.5\n" + hydroxyl, "0 2"}, {"PM7 charge=-1 uhf ms=-1\nt\n" + hydroxyl, "-1 3"},
      {"PM7 MS=-5.5 UHF\nt\n" + hydroxyl, "0 2"},
      // Deuterium is hydrogen: CH3D has ten electrons.
      {"PM7\nt\nc\nC\nD 1.1 1 1\nH 1.1 1 90 1 2 1\nH 1.1 1 90 1 120 1 1 2 3\nH 1.1 1 90 1 240 1 1 2 3\n", "0 1"}};
  for (const auto& [text, chargeLine] : cases) {
    MolFile file = ParseText(MOPAC_INPUT, text);
    file.ToGaussianInput();
    EXPECT_EQ(file.Lines.at(4), chargeLine) << text;
  }
}

// The route's units: drawn in angstroms and degrees, converted in the file's own.
TEST(Conversions, InputsInBohrAndRadians) {
  const double bohr = 0.52917721092, quarter = 1.5707963267948966;
  const std::tuple<std::string, double, bool> routes[] = {
      {"#p hf units=au", bohr, false}, {"%chk=a\n#p\n Units=(Bohr,Rad)", bohr, true},
      {"#p UNITS(RAD)/ ! units=au", 1.0, true}, {"#p geomunits=au units au\n\nunits=au", 1.0, false}};
  for (const auto& [route, length, radians] : routes) {
    MolFile file = ParseText(GAUSSIAN_INPUT, route + "\n\nt\n\n0 1\nO\nH 1 R\nH 1 R 2 A\n\nR 1.8\nA 1.5707963267948966\n"
                                                     "\n--Link1--\n#p units=rad\n");
    MolGL drawn;
    file.ToMolGL(drawn);
    EXPECT_NEAR(drawn.Atoms.at(2).BasePosition.y, -1.8 * length * (radians ? 1.0 : std::sin(quarter * Pi / 180)), 1e-12);
    file.ToCartesian();
    EXPECT_EQ(file.Lines.at(file.AtomIds.LineIndexes.at(1)), "H  1.80000000000  0.00000000000  0.00000000000");
    file.ToMolGL(drawn);
    EXPECT_NEAR(drawn.Atoms.at(1).BasePosition.x, 1.8 * length, 1e-12) << route;
  }
  // Coordinates that name variables too; once converted, no line names one.
  MolFile named = ParseText(GAUSSIAN_INPUT, "#p units=au\n\nt\n\n0 1\nCL 0 -V1 0.0 0.0\n\nV1 4.8\n");
  MolGL drawn;
  named.ToMolGL(drawn);
  EXPECT_NEAR(drawn.Atoms.at(0).BasePosition.x, -4.8 * bohr, 1e-12);
  named.ToCartesian();
  EXPECT_EQ(named.Text(), "#p units=au\n\nt\n\n0 1\nCL  0  -4.80000000000  0.00000000000  0.00000000000\n\n");
}

// A0, a blank-separated word of a MOPAC deck's keyword lines in any case:
// lengths in bohr, drawn and converted in angstroms. MOPAC reads neither AU
// nor BOHR.
TEST(Conversions, MopacDecksInBohr) {
  const double bohr = 0.529177210903;
  const std::pair<std::string, double> headers[] = {
      {"0SCF A0 PM7\nt\nc", bohr}, {"PM7 +\n\ta0 CHARGE=0\nt\nc", bohr}, {"PM7 &\na0\nt", bohr},
      {"PM7 0SCF,A0 (A0) XA0 A0=1 AU BOHR\nt\nc", 1.0}, {"PM7\nA0\nA0", 1.0}};
  for (const auto& [header, length] : headers) {
    for (const char* geometry : {"H 0 0 0 0 0 0\nH 1.4 0 0 0 0 0\nH 1.4 0 1.4 0 0 0", "H\nH 1.4 1\nH 1.4 1 90 1"}) {
      MolFile file = ParseText(MOPAC_INPUT, header + "\n" + geometry);
      for (bool converted : {false, true}) {
        SCOPED_TRACE(header + "\n" + geometry + (converted ? "\nconverted" : ""));
        if (converted) file.ToGaussianInput();
        MolGL model;
        file.ToMolGL(model);
        const Position<double> a = model.Atoms.at(0).BasePosition;
        EXPECT_NEAR(VectorLength(model.Atoms.at(1).BasePosition - a), 1.4 * length, 1e-10);
        EXPECT_NEAR(VectorLength(model.Atoms.at(2).BasePosition - a), 1.4 * std::sqrt(2.0) * length, 1e-10);
      }
    }
  }
}

TEST(ToGaussianInput, ReadsBackAsTheSameAtoms) {
  if (!GaussianInputReaderPresent()) GTEST_SKIP() << "the Gaussian input reader yields no atoms yet";
  MolFile file = WaterZMatrixInput();
  MolGL before;
  file.ToMolGL(before);
  file.ToGaussianInput();
  MolGL after;
  file.ToMolGL(after);
  ASSERT_EQ(after.Atoms.size(), before.Atoms.size());
  for (std::size_t i = 0; i < after.Atoms.size(); ++i) {
    EXPECT_EQ(after.Atoms[i].AtomicNumber, before.Atoms[i].AtomicNumber);
    EXPECT_NEAR(after.Atoms[i].BasePosition.x, before.Atoms[i].BasePosition.x, 1e-11);
    EXPECT_NEAR(after.Atoms[i].BasePosition.y, before.Atoms[i].BasePosition.y, 1e-11);
    EXPECT_NEAR(after.Atoms[i].BasePosition.z, before.Atoms[i].BasePosition.z, 1e-11);
  }
}

TEST(ToCartesian, RewritesOnlyTheZMatrixAtomLines) {
  MolFile file = WaterZMatrixInput();
  file.ToCartesian();
  const Lines& lines = file.Lines;
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines[2], "water");
  EXPECT_EQ(lines[5], "O1  0.00000000000  0.00000000000  0.00000000000");
  EXPECT_EQ(lines[6], "H2  0.96000000000  0.00000000000  0.00000000000");
  EXPECT_EQ(lines[7], "H3  -0.24036480389  -0.92942173476  0.00000000000");
  EXPECT_EQ(lines[9], "extra line");
  if (!GaussianInputReaderPresent()) GTEST_SKIP() << "the Gaussian input reader yields no atoms yet";
  ASSERT_EQ(file.AtomIds.Ids.size(), 3u);
  for (const auto& [id, kind] : file.AtomIds.Kinds) EXPECT_EQ(kind, CARTESIAN) << id;
  EXPECT_EQ(file.AtomIds.Labels.at(1), "H2");
}

TEST(ToCartesian, CartesianAtomsAndOtherFormatsAreLeftAlone) {
  MolFile file = WaterZMatrixInput();
  for (auto& [id, kind] : file.AtomIds.Kinds) kind = CARTESIAN;
  const Lines original = file.Lines;
  file.ToCartesian();
  EXPECT_EQ(file.Lines, original);

  // A MOPAC reader would misread four-token lines: nothing changes at all.
  MolFile mopac = WaterZMatrixInput();
  mopac.FileType = MOPAC_INPUT;
  mopac.ToCartesian();
  EXPECT_EQ(mopac.Lines, original);
  EXPECT_EQ(mopac.AtomIds.Ids.size(), 3u);
  EXPECT_EQ(mopac.AtomIds.Kinds.at(2), ZMATRIX);
}

// Gaussian needs the blank line after the converted section, however the
// Z-matrix ended; what followed stays as it was, and so do an ONIOM layer,
// link atom and comment after a converted line's values. Unnamed variables go.
TEST(ToCartesian, TheMoleculeSectionEndsWithABlankLine) {
  const std::string head = "#p\n\nt\n\n0 1\nO1\n";
  const std::pair<std::string, std::string> cases[] = {
      {"H2 O1 0.96\n", "\n"}, {"H2 O1 0.96", "\n"}, {"H2 O1 0.96\n\n", "\n"},
      {"H2 O1 R\nVariables:\nR 0.96", "\n"}, {"H2 O1 R\n\nR=0.96\nConstants:\nS 1\n\n298.15  1.0\n", "\n298.15  1.0\n"},
      {"H2 O1 R\nH3 0.0 0.0 Z\n\nR 0.96\nZ 1.0\n", "H3 0.0 0.0 Z\n\nR 0.96\nZ 1.0\n"},
      {"H2 O1 0.96\nH3,1,0.96,2,104.5,Low\nH4,1,0.96,2,104.5,3,180.,0,Low,H\nCl 0.5 0. 0. L\n",
       "H3  -0.24036480389  -0.92942173476  0.00000000000,Low\nH4  -0.24036480389  0.92942173476  0.00000000000,Low,H\nCl 0.5 0. 0. L\n\n"},
      {"H2 O1 0.96\nH3 1 0.96 2 104.5 ! bent", "H3  -0.24036480389  -0.92942173476  0.00000000000 ! bent\n\n"},
      // A periodic molecule's translation vectors end it, and then ModRedundant lines follow.
      {"H2 O1 0.96\n! cell\nTV 1 10.0 2 90.0\ntv 10.0 0.0 0.0\n\nB 1 2 F\n", "! cell\nTV 1 10.0 2 90.0\ntv 10.0 0.0 0.0\n\nB 1 2 F\n"},
      {"H2 O1 0.96\nTv 3.08 0.0 0.0", "Tv 3.08 0.0 0.0\n\n"},
      // Comment lines belong to the molecule, and so does a name a Tv line gives.
      {"H2 O1 0.96\n! end of the molecule\n\nB 1 2 F\n", "! end of the molecule\n\nB 1 2 F\n"},
      {"H2 O1 R\nTV 1 L 2 90.0 3 90.0\n! cell\n\nR 0.96\nL 10.0\n", "TV 1 L 2 90.0 3 90.0\n! cell\n\nR 0.96\nL 10.0\n"}};
  for (const auto& [input, after] : cases) {
    MolFile file = ParseText(GAUSSIAN_INPUT, head + input);
    file.ToCartesian();
    EXPECT_EQ(file.Text(), "#p\n\nt\n\n0 1\nO1  0.00000000000  0.00000000000  0.00000000000\n"
                           "H2  0.96000000000  0.00000000000  0.00000000000\n" + after) << input;
  }
}

TEST(WriteCartesianLine, IdsOutsideTheModelOrTheTextChangeNothing) {
  MolFile file = WaterZMatrixInput();
  file.AtomIds.LineIndexes[2] = 99;
  const Lines original = file.Lines;
  MolGL model;
  file.ToMolGL(model);
  file.WriteCartesianLine(2, model);  // line index beyond the text
  file.WriteCartesianLine(7, model);  // no such atom
  model.Atoms.resize(1);
  file.WriteCartesianLine(1, model);  // atom missing from the model
  EXPECT_EQ(file.Lines, original);
}
