#include <gtest/gtest.h>

#include <tuple>

#include "ParseText.h"

namespace {

MolFile Gaussian(const std::string& text) { return ParseText(GAUSSIAN_INPUT, text); }

void ExpectEntry(const std::map<std::int32_t, ZMatrix::Pair>& entries, std::int32_t id,
                 std::int32_t reference, const std::string& text, double value, bool isVariable) {
  SCOPED_TRACE("atom " + std::to_string(id) + " " + text);
  const auto entry = entries.find(id);
  ASSERT_NE(entry, entries.end());
  EXPECT_EQ(entry->second.Reference, reference);
  EXPECT_EQ(entry->second.Text, text);
  EXPECT_DOUBLE_EQ(entry->second.Value, value);
  EXPECT_EQ(entry->second.IsVariable, isVariable);
}

TEST(GaussianInput, CartesianAtomsOfTheMoleculeSection) {
  const MolFile f = Gaussian(
      "%chk=w\n#p hf/sto-3g\n\nwater\n\n0 1\n"
      "O 1.5 -.5 0.0\n"
      "H\t0.0, 1.0, -2.5\n"
      "C 7 2 3 4 5\n"  // six tokens, no earlier atom 7: not an atom
      "X -1.0 2.0 3.0\n"
      "\n"
      "C 0\n6-31G(d)\n");
  ASSERT_EQ(f.AtomIds.Ids, (std::vector<std::int32_t>{0, 1, 2}));
  EXPECT_EQ(f.CartesianData.Count, 3);
  EXPECT_EQ(f.ZMatrixData.Count, 0);
  EXPECT_EQ(f.AtomIds.Labels.at(0), "O");
  EXPECT_EQ(f.AtomIds.Labels.at(2), "X");
  EXPECT_EQ(f.AtomIds.AtomicNumbers.at(0), 8u);
  EXPECT_EQ(f.AtomIds.AtomicNumbers.at(1), 1u);
  EXPECT_EQ(f.AtomIds.AtomicNumbers.at(2), 0u);
  EXPECT_EQ(f.AtomIds.LineIndexes.at(0), 6u);
  EXPECT_EQ(f.AtomIds.LineIndexes.at(2), 9u);
  for (std::int32_t id : f.AtomIds.Ids) EXPECT_EQ(f.AtomIds.Kinds.at(id), CARTESIAN);
  const Position<double>& o = f.CartesianData.Positions.at(0);
  EXPECT_EQ(o.x, 1.5);
  EXPECT_EQ(o.y, -0.5);
  EXPECT_EQ(o.z, 0.0);
  EXPECT_EQ(o.w, 1.0);
  EXPECT_EQ(f.CartesianData.Positions.at(1).z, -2.5);
}

TEST(GaussianInput, ZMatrixWithLabelReferencesAndVariables) {
  const MolFile f = Gaussian(
      "#p opt\n\nzmat\n\n0 1\n"
      "O1\n"
      "H1 O1 R\n"
      "H2 O1 R H1 A\n"
      "C3 H2 .5 O1 -.5 H1 -D1\n"
      "N4 C3 1.0 H2 90.0 O1 +1.5\n"
      "Variables:\n"
      "R 0.96\n"
      "A=104.5\n"
      "D1 = 120.0\n");
  const ZMatrix& z = f.ZMatrixData;
  ASSERT_EQ(z.Count, 5);
  EXPECT_EQ(f.AtomIds.AtomicNumbers.at(0), 8u);
  EXPECT_EQ(f.AtomIds.AtomicNumbers.at(3), 6u);
  EXPECT_EQ(f.AtomIds.AtomicNumbers.at(4), 7u);
  EXPECT_EQ(f.AtomIds.Kinds.at(4), ZMATRIX);
  EXPECT_FALSE(z.ReferenceStyles.contains(0));
  EXPECT_FALSE(z.Bonds.contains(0));
  for (std::int32_t id = 1; id <= 4; ++id) EXPECT_EQ(z.ReferenceStyles.at(id), 2);

  ExpectEntry(z.Bonds, 1, 0, "R", 0.96, true);
  ExpectEntry(z.Angles, 2, 1, "A", 104.5, true);
  ExpectEntry(z.Bonds, 3, 2, "0.5", 0.5, false);
  ExpectEntry(z.Angles, 3, 0, "-0.5", -0.5, false);
  ExpectEntry(z.Dihedrals, 3, 1, "-D1", -120.0, true);
  // A sign before a number keeps it a number, as Gaussian reads it.
  ExpectEntry(z.Dihedrals, 4, 0, "+1.5", 1.5, false);

  ASSERT_EQ(z.Variables.size(), 3u);
  EXPECT_EQ(z.Variables.at(2).Text, "D1");
  EXPECT_EQ(z.Variables.at(2).Reference, 2);
  EXPECT_EQ(z.Variables.at(2).Value, 120.0);
}

TEST(GaussianInput, CommaSeparatedNumberReferencesWithCarriageReturns) {
  const MolFile f = Gaussian(
      "#p rb3lyp freq=raman\r\n\r\nNotitle\r\n\r\n0 1\r\n"
      " C\r\n"
      " C,1,B1\r\n"
      " C,2,B2,1,A1\r\n"
      " H,3,B3,2,A2,1,D1,0\r\n"
      "      Variables:\r\n"
      " B1=1.42\r\n B2=1.4\r\n A1=120.\r\n B3=1.09\r\n A2=120.\r\n D1=180.\r\n\r\n");
  const ZMatrix& z = f.ZMatrixData;
  ASSERT_EQ(z.Count, 4);
  for (std::int32_t id = 1; id <= 3; ++id) EXPECT_EQ(z.ReferenceStyles.at(id), 1);
  ExpectEntry(z.Bonds, 1, 0, "B1", 1.42, true);
  ExpectEntry(z.Angles, 2, 0, "A1", 120.0, true);
  ExpectEntry(z.Bonds, 3, 2, "B3", 1.09, true);
  ExpectEntry(z.Dihedrals, 3, 0, "D1", 180.0, true);
  EXPECT_EQ(z.Variables.size(), 6u);
}

// The variables section after a plain blank line, in every written form.
TEST(GaussianInput, VariableLineForms) {
  const MolFile f = Gaussian(
      "#p\n\nt\n\n0 1\n"
      "X\n"
      "X 1 a\n"
      "X 1 b 2 c\n"
      "X 1 d 2 e 3 f\n"
      "X 1 g 2 h 3 c\n"
      "\n"
      "a=1.5\n"
      "b 1.5\n"
      "c = 1.5\n"
      "  !d = 9.0\n"  // a comment line ends no section
      "d, 1.5\n"
      "e 1.5 F\n"
      "f 1.0 4 0.1\n"  // scan: start value, points, step
      "g 1.5 10 0.1\n"
      "h\t0.25D1! Fortran's exponent\n"
      "a=7.0\n"  // a second definition: the first one counts
      "3 4 5\n"
      "i 9.9\n");
  const ZMatrix& z = f.ZMatrixData;
  EXPECT_EQ(z.Bonds.at(1).Value, 1.5);
  EXPECT_EQ(z.Bonds.at(2).Value, 1.5);
  EXPECT_EQ(z.Angles.at(2).Value, 1.5);
  EXPECT_EQ(z.Bonds.at(3).Value, 1.5);
  EXPECT_EQ(z.Angles.at(3).Value, 1.5);
  EXPECT_EQ(z.Dihedrals.at(3).Value, 1.0);
  EXPECT_EQ(z.Bonds.at(4).Value, 1.5);
  EXPECT_EQ(z.Angles.at(4).Value, 2.5);
  // The section ended at "3 4 5": i is never read.
  ASSERT_EQ(z.Variables.size(), 9u);
  EXPECT_EQ(z.Variables.at(8).Text, "a");
  EXPECT_EQ(z.Variables.at(8).Value, 7.0);
}

TEST(GaussianInput, ReferenceResolution) {
  const MolFile f = Gaussian(
      "#p\n\nt\n\n0 1\n"
      "C\n"
      "C C 1.5\n"                   // the last "C" is this atom itself
      "H 0 1.0\n"                   // 0 is no atom number
      "H 9 1.0\n"                   // beyond the atoms read so far
      "N H 1.0 Q 90.0\n"            // Q names no atom
      "2 1 1.0\n"                   // a label made of digits
      "O 2 1.0 99999999999999999999 2.0\n");
  const ZMatrix& z = f.ZMatrixData;
  ASSERT_EQ(z.Count, 7);
  EXPECT_EQ(z.Bonds.at(1).Reference, 1);
  EXPECT_EQ(z.Bonds.at(2).Reference, -1);
  EXPECT_EQ(z.ReferenceStyles.at(2), 2);
  EXPECT_EQ(z.Bonds.at(3).Reference, -1);
  EXPECT_EQ(z.ReferenceStyles.at(3), 2);
  EXPECT_EQ(z.Bonds.at(4).Reference, 3);
  EXPECT_EQ(z.Angles.at(4).Reference, -1);
  EXPECT_EQ(z.Bonds.at(5).Reference, 0);
  EXPECT_EQ(z.ReferenceStyles.at(5), 1);
  // As a number, 2 is atom id 1, not the atom labelled "2".
  EXPECT_EQ(z.Bonds.at(6).Reference, 1);
  EXPECT_EQ(z.Angles.at(6).Reference, -1);
  EXPECT_EQ(z.ReferenceStyles.at(6), 1);
}

TEST(GaussianInput, LineClassification) {
  const MolFile f = Gaussian(
      "#p\n\nt\n\n0 1\n"
      "O 0.0 0.0 0.0\n"
      "H 0.0 0.0 1.0\n"
      "C 9 1.5 2 3.0\n"  // five tokens with a positive reference: a Z-matrix line
      "N -.5 1 2\n"
      "S 1.0 2.0 3.0 4.0 5.0 6.0 7.0 8.0\n");  // x is a decimal number: Cartesian
  ASSERT_EQ(f.AtomIds.Ids.size(), 5u);
  EXPECT_EQ(f.AtomIds.Kinds.at(2), ZMATRIX);
  ExpectEntry(f.ZMatrixData.Bonds, 2, -1, "1.5", 1.5, false);
  ExpectEntry(f.ZMatrixData.Angles, 2, 1, "3.0", 3.0, false);
  EXPECT_EQ(f.ZMatrixData.ReferenceStyles.at(2), 1);
  EXPECT_EQ(f.AtomIds.Kinds.at(3), CARTESIAN);
  EXPECT_EQ(f.CartesianData.Positions.at(3).x, -0.5);
}

// A freeze code (0 or less) or a decimal x makes a Cartesian line, positive
// references a Z-matrix, whatever follows; comments and Tv lines are no atoms.
TEST(GaussianInput, LinesWithFreezeCodesLayersAndComments) {
  const std::pair<const char*, const char*> cases[] = {
      {"C-CT 1. 2. 3. L H-HC 4\nPd-M1-0.03 0.25 -1.5 -.5 H\nO 1e0 2 3 L H\n9  0.000  0.000  1.356  1",
       "C6@1,2,3 C46@0.25,-1.5,-0.5 C8@1,2,3 C9@0,0,1.356"},
      {"H  0.96  2.5E-3  1.0D-2\nTv 2.5 0.0 0.0\nHe 1.5d+1 0 0", "C1@0.96,0.0025,0.01 C2@15,0,0"},
      {"! the first atom\nO 0.0 0.0 0.0 ! oxygen\n   !\nH 0.0 0.0 1.0!\nC 1 1.5 ! no label C", "C8@0,0,0 C1@0,0,1 Z6"},
      {"C\nC 1 B1\nC 2 B1 1 A\nC,3,B1,2,A,1,180.000,0,Low,H\nH,1,1.0,3,90.,2,90.,0,1\n\nB1 1.5\nA 120", "Z6 Z6 Z6 Z6 Z1"},
      // Atom parameters may hold commas and blanks.
      {"H(Fragment=1,Iso=2) 0.0 0.76 -0.47\nO(Iso=18, Spin=0) 0 0 1\nC(a,b)x 1 2 3", "C1@0,0.76,-0.47 C8@0,0,1 Z6"},
      {"C   -1   0.0   0.0   0.0\nO    0   0.0   0.0   1.2", "C6@0,0,0 C8@0,0,1.2"},
      {"H-HC--0.1   -1  -.94   0.0  -0.54  L", "C1@-0.94,0,-0.54"},
      {"C-CA--0.1 -3 1 2 3 H H-HC 4 0.5\nN +0 4 5 6\nN -0 4 5 6 M", "C6@1,2,3 C7@4,5,6 C7@4,5,6"},
      {"C\nO 1 1.2\nH 1 1.0 2 109.5\nN 1 1.0 2 109.5 3 120.0 1", "Z6 Z8 Z1 Z7"},
      // A reference to an earlier atom and a value make a Z-matrix line,
      // which takes what the atom's place needs; counterpoise fragments and
      // ONIOM layers follow.
      {"O 1\nF 1 2.55 2\nF,2,2.55,1,60.0,3\nH 1 1.0 2 90.0 3 180.0 2", "Z8 Z9 Z9 Z1"},
      {"C\nC 1 B1 L\nH 2 B2 1 A1 L\n\nB1 1.5\nB2 1.1\nA1 109.5", "Z6 Z6 Z1"},
      {"C 1 2 3\nC 1 2 3\nN 3 1 2", "C6@1,2,3 Z6 C7@3,1,2"},
      // "@file" puts atoms from a file not read: the file is refused. After
      // the molecule the line is the next section's.
      {"C 0 0 0\n @frag.xyz/N\nO 0 0 1.2", ""}, {"O 0 0 0\n\n@basis.gbs/N", "C8@0,0,0"},
      // Ghost centres "Bq" are dummy atoms, not boron; an element's ghost
      // keeps its element.
      {"C 0 0 .666\nBq 1.0 0 0\nbQ1 -1 0 0\nC-Bq 0 0 1\nBqx 0 0 2", "C6@0,0,0.666 C0@1,0,0 C0@-1,0,0 C6@0,0,1 C5@0,0,2"},
      // After a freeze code x, y and z may name variables or, while one is
      // undefined, constants ("-" negates); an undefined name reads as 0.
      {"CL 0 V1 0.0 0.0\nCL -1 0. -V1 0. L\nCL 0 0. 0. V2\nH 1 0.9 2 90.0\n\nV1 4.8\n\nV2 5.1", "C17@4.8,0,0 C17@0,-4.8,0 C17@0,0,5.1 Z1"},
      {"He 0 A 0 0", "C2@0,0,0"},
  };
  for (const auto& [atoms, summary] : cases)
    EXPECT_EQ(AtomSummary(Gaussian(std::string("#p opt\n\nt\n\n0 1\n") + atoms + "\n")), summary) << atoms;
}

// Values come from the variables and, after a blank line, the constants.
// Gaussian reads that second block only while a name is undefined, and
// stops on a name that no block defines: the file is refused.
TEST(GaussianInput, VariablesThenConstants) {
  const std::string methane = "#p\n\nt\n\n0 1\nC\nH 1 R\nH 1 R 2 T\nH 1 R 2 T 3 120.\nH 1 R 2 -T 3 -120.\n";
  for (const char* blocks : {"\nR 1.09\n\nT 109.471221\n", "\n\nR 1.09\nT=109.471221\n",  // an empty variables block
                             "Variables:\nR 1.09\nConstants:\nT 109.471221\n",
                             "constants\nR 1.09\nt 109.471221\n",  // names in either case
                             "VARIABLES:\nR 1.09\nCONSTANTS\nT 109.471221\n",  // keywords too
                             "\nR 1.09\nT 109.471221\n\nC 0\n6-31G(d)\n****\n"}) {  // then a basis set
    const MolFile f = Gaussian(methane + blocks);
    EXPECT_EQ(f.ZMatrixData.Variables.size(), 2u) << blocks;
    EXPECT_EQ(f.ZMatrixData.Angles.at(4).Value, -109.471221) << blocks;
  }
  for (const char* blocks : {"\nR 1.09\n", "\nR 1.09\n\n\nT 109.471221\n"}) {
    const MolFile f = Gaussian(methane + blocks);
    EXPECT_EQ(std::tuple(f.RefusedLine, f.RefusedName, f.AtomIds.Ids.size()),
              std::tuple(std::int64_t{7}, std::string("T"), std::size_t{0})) << blocks;
  }
  // After a molecule that names no value, a blank line opens the next
  // section, not variables; a keyword still opens them.
  for (const auto& [text, variables] : {std::pair{"C\nH 1 1.09\n\nC H 0\n6-31G(d)\n", 0u},
                                        {"O 0 0 0\nH 0 0 1\n\nB 1 2 F\n", 0u}, {"O 0 0 0\nH 1 R\n\nR 0.96\n", 1u},
                                        {"He 0 0 0\nVariables:\nR 1.0\n", 1u}})
    EXPECT_EQ(Gaussian(std::string("#p\n\nt\n\n0 1\n") + text).ZMatrixData.Variables.size(), variables) << text;
}

// A basis-set section after the molecule: its element lists may look like a
// charge line, and still no second molecule opens.
TEST(GaussianInput, OneMoleculeSectionPerJob) {
  const MolFile f = Gaussian("#p genecp\n\nt\n\n0 1\nCu 0 0 0\nC 1.9 0 0\n\n-Cu -Sb\nSDD\n****\n\n-1 2\nX 1 2 3\n");
  EXPECT_EQ(f.AtomIds.Ids.size(), 2u);
}

TEST(GaussianInput, OnlyTheFirstJobIsRead) {
  const MolFile f = Gaussian(
      "#p opt\n\nfirst\n\n0 1\nO\nH 1 R\nVariables:\nR=0.97\n\n"
      "--Link1-- \n#p freq geom=check\n\nsecond\n\n0 1\nO\nH 1 R\nC 1 R 2 A\nVariables:\nR=5.0\n");
  EXPECT_EQ(f.ZMatrixData.Count, 2);
  ASSERT_EQ(f.ZMatrixData.Variables.size(), 1u);
  EXPECT_EQ(f.ZMatrixData.Bonds.at(1).Value, 0.97);
}

TEST(GaussianInput, ChargeLineLandmark) {
  // After a route, the charge line follows the title, which may look like
  // one or be empty; without a route, "1 2" after a blank line is taken for it.
  for (const auto& [text, atoms] : {std::pair{"#p\n\n1 2\n\n0 1\nO 0 0 0\n", 1u},
                                    {"%chk=c\n #T\n\n    54  18-Crown-6\n\n0 1\nO 0 0 0\n", 1u},
                                    {"#p\n\n\n0 1\nO 0 0 0\n", 1u}, {"t\n\n1 2\n\n0 1\nO 0 0 0\n", 0u}})
    EXPECT_EQ(Gaussian(text).AtomIds.Ids.size(), atoms) << text;
  // No blank line before the charge line.
  EXPECT_TRUE(Gaussian("0 1\nO 0 0 0\n").AtomIds.Ids.empty());
  // Blanks, tabs and commas alone make a blank line; "0, 1" is a charge line.
  const MolFile f = Gaussian("#p\n \t,\nt\n,,\n0, 1\nHe 0 0 0\n");
  EXPECT_EQ(f.AtomIds.Ids.size(), 1u);
  EXPECT_EQ(f.AtomIds.AtomicNumbers.at(0), 2u);
  // A route-only file has no atoms.
  EXPECT_TRUE(Gaussian("%chk=x\n#p geom=allcheck\n\n").AtomIds.Ids.empty());
  // A line that begins with a carriage return counts as blank, so a charge
  // line can open the molecule section again while the variables are open;
  // the empty line that then ends the variables is no atom line.
  EXPECT_TRUE(Gaussian("\n0 3\n\r0 3\n").AtomIds.Ids.empty());
  // A pair for each ONIOM layer or counterpoise fragment, whole numbers then.
  for (const auto& [pairs, atoms] : {std::pair{"0 1 0 1 0 1", 1u}, {"0,1 0,1 0,1", 1u}, {"0,1,0,7,0,-7", 1u},
                                     {"0 1 0", 0u}, {"0 1 0 1.5", 0u}})
    EXPECT_EQ(Gaussian(std::string("#p\n\nt\n\n") + pairs + "\nHe 0 0 0\n").AtomIds.Ids.size(), atoms) << pairs;
  // A comment ends the charge line and, alone on a line, is passed over.
  EXPECT_EQ(Gaussian("#p\n\nt\n\n! neutral\n0 1 ! singlet\nHe 0 0 0\n").AtomIds.Ids.size(), 1u);
}

}  // namespace
