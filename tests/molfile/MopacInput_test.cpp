#include <gtest/gtest.h>

#include "ParseText.h"

namespace {

MolFile Mopac(const std::string& text) { return ParseText(MOPAC_INPUT, text); }

void ExpectEntry(const std::map<std::int32_t, ZMatrix::Pair>& entries, std::int32_t id,
                 std::int32_t reference, const std::string& text) {
  SCOPED_TRACE("atom " + std::to_string(id) + " " + text);
  const auto entry = entries.find(id);
  ASSERT_NE(entry, entries.end());
  EXPECT_EQ(entry->second.Reference, reference);
  EXPECT_EQ(entry->second.Text, text);
  EXPECT_FALSE(entry->second.IsVariable);
}

const char* const kShortAtoms = "O\nH 0.96 1\nH 0.96 1 104.5 1\n";

struct Layout {
  const char* Header;
  std::uint32_t FirstGeometryLine;
  const char* Name;
};

TEST(MopacInput, HeaderLayouts) {
  const Layout layouts[] = {
      {"PM7\ntitle\ncomment\n", 3, "title"},
      {"PM7 +\nmore\ntitle\ncomment\n", 4, "title"},
      {"PM7 +\nmore +\nmore\ntitle\ncomment\n", 5, "title"},
      {"PM7 +\nmore &\nmore\ntitle\n", 4, "title"},
      {"PM7 &\nmore\ntitle\n", 3, "title"},
      {"PM7 &\nmore +\nmore\ntitle\n", 4, "title"},
      {"PM7 &\nmore &\nmore\n", 3, ""},
      {"PM7 + +\nmore\ntitle\ncomment\n", 4, "title"},  // several "+" count once
      {"PM7\n\ncomment\n", 3, "comment"},  // an empty title: the comment names it
      {"PM7\nWater\n* a note\ncomment\n", 4, "Water"},  // "*" comments are no header lines
  };
  for (const Layout& layout : layouts) {
    SCOPED_TRACE(layout.Header);
    const MolFile f = Mopac(std::string(layout.Header) + kShortAtoms);
    ASSERT_EQ(f.AtomIds.Ids.size(), 3u);
    EXPECT_EQ(f.AtomIds.LineIndexes.at(0), layout.FirstGeometryLine);
    EXPECT_EQ(f.Name, layout.Name);
  }
  MolFile named;
  named.Name = "given";
  named.FileType = MOPAC_INPUT;
  named.Lines = {"PM7", "title", "comment", "O"};
  named.Parse();
  EXPECT_EQ(named.Name, "given");
}

TEST(MopacInput, ShortFirstAtoms) {
  const MolFile f = Mopac(std::string("PM7\nt\nc\n") + kShortAtoms);
  const ZMatrix& z = f.ZMatrixData;
  EXPECT_EQ(z.Count, 3);
  EXPECT_EQ(f.AtomIds.AtomicNumbers.at(0), 8u);
  EXPECT_EQ(f.AtomIds.Kinds.at(0), ZMATRIX);
  EXPECT_EQ(z.ReferenceStyles.at(0), 1);
  EXPECT_FALSE(z.Bonds.contains(0));
  ExpectEntry(z.Bonds, 1, 0, "0.96");
  EXPECT_FALSE(z.Angles.contains(1));
  ExpectEntry(z.Bonds, 2, 1, "0.96");
  ExpectEntry(z.Angles, 2, 0, "104.5");
  EXPECT_EQ(z.Angles.at(2).Value, 104.5);
  EXPECT_TRUE(f.CartesianData.Positions.empty());
}

// Flags say what MOPAC may optimise; 0 freezes a coordinate but the
// coordinate is still there.
TEST(MopacInput, EntriesDoNotDependOnFlags) {
  const MolFile f = Mopac(
      "PM7\nt\nc\n"
      "O 0.000000 1 0.000000 1 0.000000 1 0 0 0\n"  // MOPAC's own first atoms
      "H 0.970000 1 0.000000 1 0.000000 1 1 0 0\n"
      "H .97 +0 109.471 +1 0.000000 1 1 2 0\n"
      "C 1.54 0 109.5 0 -.5 0 1 2 3\n");
  const ZMatrix& z = f.ZMatrixData;
  ASSERT_EQ(z.Count, 4);
  EXPECT_FALSE(z.Bonds.contains(0));
  EXPECT_FALSE(z.Angles.contains(0));
  ExpectEntry(z.Bonds, 1, 0, "0.970000");
  EXPECT_FALSE(z.Angles.contains(1));
  ExpectEntry(z.Bonds, 2, 0, "0.97");
  ExpectEntry(z.Angles, 2, 1, "109.471");
  EXPECT_FALSE(z.Dihedrals.contains(2));
  ExpectEntry(z.Bonds, 3, 0, "1.54");
  ExpectEntry(z.Angles, 3, 1, "109.5");
  ExpectEntry(z.Dihedrals, 3, 2, "-0.5");
  EXPECT_EQ(z.Dihedrals.at(3).Value, -0.5);
}

TEST(MopacInput, ChargeColumnAndLaterAtoms) {
  const MolFile f = Mopac(
      " SYMMETRY\nFormaldehyde\n\n"
      "  O  0.00000000 +0  0.0000000 +0    0.0000000 +0              -0.4225\n"
      "  C  1.21081526 +1  0.0000000 +0    0.0000000 +0  1  0  0      0.2365\n"
      "  H  1.09749962 +1  122.0235013 +1  0.0000000 +0  2  1  0      0.0930\n"
      "  H  1.09749962 +0  122.0235013 +0  180.0000000 +0  2  1  3  0.0930\n"
      "  H  1.09749962 +0  122.0235013 +0  180.0000000 +0  2  1  3  0.0930\n"
      "  C  1.5 1 110 1 2 1\n"     // a later line without references: Cartesian
      "Tv 10.0 1 0.0 1 0.0 1\n"
      "  N  1.4 1 110 1 120 1 99 1 2\n"
      "0 0.0 0 0.0 0 0.0 0 0 0 0\n"  // MOPAC's old end mark, then symmetry data
      "   3  1    4\n");
  const ZMatrix& z = f.ZMatrixData;
  ASSERT_EQ(z.Count, 6);
  EXPECT_EQ(f.AtomIds.Kinds.at(5), CARTESIAN);
  EXPECT_EQ(f.Name, "Formaldehyde");
  ExpectEntry(z.Bonds, 3, 1, "1.09749962");
  ExpectEntry(z.Angles, 3, 0, "122.0235013");
  ExpectEntry(z.Dihedrals, 3, 2, "180.0000000");
  EXPECT_TRUE(z.Dihedrals.contains(4));
  // References are not checked against the atoms: 99 is id 98.
  EXPECT_EQ(f.AtomIds.Labels.at(6), "N");
  EXPECT_EQ(f.AtomIds.LineIndexes.at(6), 10u);
  EXPECT_EQ(z.Bonds.at(6).Reference, 98);
}

TEST(MopacInput, GeometryEnds) {
  // A blank line before the first atom is passed over; after an atom it ends
  // the geometry, so symmetry data and a second job are not atoms.
  const MolFile one = Mopac("PM7\nt\nc\n\nH\n\n1 1 2\n");
  ASSERT_EQ(one.AtomIds.Ids.size(), 1u);
  EXPECT_EQ(one.AtomIds.LineIndexes.at(0), 4u);

  const MolFile two = Mopac(
      "PM7\nt\nc\nC\nC 1.3 1\nH 1.0 1 120 1\nH 1.0 1 120 1 180 1 1 2 3\n\n"
      "PM7\nt\nc\nO\n");
  EXPECT_EQ(two.AtomIds.Ids.size(), 4u);

  const MolFile starHeader = Mopac(
      "*\n*    22.957\n*\n SYMMETRY PM7\nBenzene\n HR=C&P1970 I=9.25\n"
      "  C     0.00000000 +0    0.0000000 +0    0.0000000 +0     0     0     0\n"
      "  C     1.39393438 +1    0.0000000 +0    0.0000000 +0     1     0     0\n"
      " \n   2  1    3    4    5    6\n");
  EXPECT_EQ(starHeader.Name, "Benzene");
  ASSERT_EQ(starHeader.AtomIds.Ids.size(), 2u);
  EXPECT_EQ(starHeader.AtomIds.LineIndexes.at(0), 6u);
  EXPECT_EQ(starHeader.AtomIds.AtomicNumbers.at(0), 6u);
}

// A line that gives x, y, z and names no reference is a Cartesian atom
// wherever it stands (atom 1 at the origin stays the Z-matrix's first).
// MOPAC places its first internal atoms whatever their references say: the
// second along x from the first, the third bonded to the second unless its
// line names the first.
TEST(MopacInput, Geometries) {
  const std::pair<const char*, const char*> cases[] = {
      {"C 0 +1 0 +1 0 +1 0 0 0\nO -.5 +0 1.5 +1 2.5 -1 0 0 0 0.25\nTv 9 1 0 1 0 1", "C6@0,0,0 C8@-0.5,1.5,2.5"},
      {"C\nC 1.3 1\nH 1.0 1 120 1\nH 1.0 1 120 1 180 1 1 2 3\n"
       "O 1.0 1 2.0 1 3.0 1\nN 0.5 0.5 0.5\nS 7 1 8 1 9 1 0 0 0\nH 1.0 1 120 1 180 1 2 1 3",
       "Z6 Z6>0 Z1>1,0 Z1>0,1,2 C8@1,2,3 C7@0.5,0.5,0.5 C16@7,8,9 Z1>1,0,2"},
      // Short first atoms imply their references: still a Z-matrix.
      {"O\nH 0.96 1\nH 0.96 1 104.5 1", "Z8 Z1>0 Z1>1,0"},
      {"O 0 0 0 0 0 0 0 0 0\nH 0.96 1 0 0 0 0 1 0 0", "Z8 Z1>0"},
      {"O\nH 1 1 0 0 0 0 0 0 0\nH 1 1 90 1 0 0 0 0 0", "Z8 C1@1,0,0 C1@1,90,0"},  // references written 0
      {"O\nH 1 1 0.0 0 0.0 0\nH 1 1 90 1 1.5 1", "Z8 C1@1,0,0 C1@1,90,1.5"},      // or left out
      {"O\nH 1 1 0 0 0 0 1 0 0\nH 1 1 90 1 0 0 1 0 0", "Z8 Z1>0 Z1>0,1"},  // the first named
      // A geometry MOPAC wrote from a PDB file: one internal atom.
      {"C(ATOM  1) 1.0 +1 2.0 +1 3.0 +1\nC 2.5 +1 2.0 +1 3.0 +1\nC 3 +1 3 +1 3 +1\nH(HETATM 4) 1.1 +1 116 +1 -1 +1 3 2 1",
       "C6@1,2,3 C6@2.5,2,3 C6@3,3,3 Z1>2,1,0"},
      {"O\nH 0.96 1\nH 0.96 1 104.5 1\nNa 2.0 1 1.5 1 0.5 1", "Z8 Z1>0 Z1>1,0 C11@2,1.5,0.5"},
      {"N 0.5 0.5 0.5\nH 0.97 1\nO -1 0 0\nS 1 2 3", "C7@0.5,0.5,0.5 Z1>0 C8@-1,0,0 C16@1,2,3"},  // bare x, y, z
      // z's flag left out: a Cartesian geometry when no line names a
      // reference; in a Z-matrix, or with a flag that is no whole number, as before.
      {"N -8.901 1 4.127 1 -0.555\nC -9.437 1 3.396 1 -2.889\nO 1.5 1 2 1 3.5 0 0 0 0\nH -1 0 0\nH 2 1 2 1 2",
       "C7@-8.901,4.127,-0.555 C6@-9.437,3.396,-2.889 C8@1.5,2,3.5 C1@-1,0,0 C1@2,2,2"},
      {"O\nH 0.96 1\nH 0.96 1 104.5 1 0", "Z8 Z1>0 Z1>1,0"},
      {"N 1 1 2 1 3\nC 2 1.5 2 1 3", "Z7 Z6>0"},
      // The third atom's two references where z and its flag stand; z 0.
      {"C\nC 1.3 1\nH 1.08 1 123.6 1 2 1", "Z6 Z6>0 Z1>1,0"},
      {"C\nC 1.3 1\nH 1.2 1 0.5 1 0 1", "Z6 Z6>0 C1@1.2,0.5,0"},
      {"O\nH 0.97\nH 0.97 1 104.5 1", "Z8 Z1>0 Z1>1,0"},  // a distance alone
      {"C 0.0 T 0.0 0 0.0 0 0 0 0\nO 1.2 T 0.0 0 0.0 0 1 0 0\nH 1.1 1 120 t 0.0 0 1 2 0", "Z6 Z8>0 Z1>0,1"},
      {"Ba\nF 2 1 0 0 0 0 1 0 0\nF 2 0 180 0 0 0 1 2", "Z56 Z9>0 Z9>0,1"},  // two references
      {"O\n* comment\nH 0.96 1\n0\nO\nH 0.97 1", "Z8 Z1>0"},  // a line "0" ends the geometry
      {"0.43301  0.0  0.0  : {A}\n0.5 0.0 0.0 : {B}", ""},  // so does a label that rounds to 0
      // Older decks' atoms 2 and 3: distance, flag and the atom bonded to.
      {"O\nH    0.961 1                  1\nH    0.961 1  103.5  1        1  2", "Z8 Z1>0 Z1>0,1"},
      {"O\nH 0.96 1 1\nH 0.96 1 1", "Z8 Z1>0 Z1>0"},
      {"O\nH 0.96 1 2\nH 1.09 0.35 0.0", "Z8 C1@0.96,1,2 C1@1.09,0.35,0"},  // no earlier atom; real values
      // Deuterium and tritium are hydrogen; Dy is not.
      {"C\nD 1.1 1 1\nt(x) 1.1 1 90 1 2 1\nT1 1.1 1 90 1 120 1 1 2 3\nDy 2 1 90 1 240 1 1 2 3",
       "Z6 Z1>0 Z1>1,0 Z1>0,1,2 Z66>0,1,2"},
  };
  for (const auto& [geometry, summary] : cases)
    EXPECT_EQ(AtomSummary(Mopac(std::string("PM7\nt\nc\n") + geometry + "\n"), true), summary) << geometry;
}

// Symbolic parameters are defined after the geometry; reading them as 0
// would place atoms wrongly, so the file gives no atom and says where and why.
TEST(MopacInput, ValuesWrittenAsNamesAreRefused) {
  const MolFile f = Mopac("PM7\nt\nc\nO\nH r1 1\nH r1 1 a1 1 0.0 0 1 2 0\n\nr1 0.96\na1 104.5\n");
  EXPECT_EQ(f.RefusedLine, 4);
  EXPECT_TRUE(f.AtomIds.Ids.empty());
  EXPECT_EQ(Mopac("PM7\nt\nc\nO 0 0 0\nH 1 0 -d1\n").RefusedLine, 4);
  const MolFile other = Mopac("PM7\nt\nc\nC\nC 1 CC\n");  // a name where a flag stands: no atom line
  EXPECT_EQ(std::pair(other.RefusedLine, other.RefusedFor), std::pair(std::int64_t{4}, MolFile::Refusal::NotAnAtomLine));
  const MolFile t = Mopac("PM7\nt\nc\nC\nC 1.3 T\nH 1.1 1 120 1 0.0 0 T 1 0\n");  // "T" a flag only after a value
  EXPECT_EQ(std::pair(t.RefusedLine, t.RefusedFor), std::pair(std::int64_t{5}, MolFile::Refusal::NotAnAtomLine));
}

// Reference columns that name no atom (0, negative, beyond 32 bits) leave
// that entry and the later ones out.
TEST(MopacInput, ReferencesThatNameNoAtom) {
  const MolFile f = Mopac(
      "PM7\nt\nc\n"
      "C 0.0 0 0.0 0 0.0 0\n"
      "C 1.3 1 0.0 0 0.0 0\n"
      "H 1.08 1 123.6 1 1 2\n"
      "C 1.5 1 110 1 120 1 99999999999 -5 3\n"
      "C 1.5 1 110 1 120 1 2 -99999999999999999999 3\n");
  const ZMatrix& z = f.ZMatrixData;
  ASSERT_EQ(z.Count, 4);
  EXPECT_EQ(f.AtomIds.Kinds.at(1), CARTESIAN);  // written in full
  ExpectEntry(z.Bonds, 2, 0, "1.08");
  ExpectEntry(z.Angles, 2, 1, "123.6");
  EXPECT_FALSE(z.Bonds.contains(3));
  ExpectEntry(z.Bonds, 4, 1, "1.5");
  EXPECT_FALSE(z.Angles.contains(4));
  EXPECT_FALSE(z.Dihedrals.contains(4));
}

}  // namespace
