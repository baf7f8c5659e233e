#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>
#include <utility>

#include "ParseText.h"
#include "RoundTrip.h"
#include "tests/CommaLocale.h"

namespace {

const char* const kGaussianZMatrix =
    "#p opt\n\nt\n\n0 1\n"
    "O1\n"
    "H1 O1 R\n"
    "H2 O1 R H1 A\n"
    "C3 H2 .5 O1 -.5 H1 -D1\n"
    "Variables:\n"
    "R 0.96\nA=104.5\nD1 = 120.0\n";

const char* const kGaussianNumbered =
    "#p\n\nt\n\n0 1\n"
    " C\n C,1,B1\n C,2,B2,1,A1\n H,3,B3,2,A2,1,D1,0\n"
    "\nB1=1.42\nB2=1.40\nB3=1.09\nA1=120.\nA2=119.5\nD1=180.\n";

const char* const kGaussianCartesian =
    "#p\n\nt\n\n0 1\nO 1.5 -.5 0.0\nH -0.000001 123.4567890123 1e-12\n";

const char* const kMopac =
    "PM7\nt\nc\n"
    "O 0.000000 1 0.000000 1 0.000000 1 0 0 0\n"
    "H .97 +0 0.000000 1 0.000000 1 1 0 0\n"
    "H 0.97 1 109.471 1 0.000000 1 1 2 0\n"
    "C 1.54 0 109.5 0 -60 0 1 2 3\n"
    "N 1.5 1 110 1 0.00001 1 4 1 2\n";

void ExpectRoundTrip(std::int32_t fileType, const std::string& text) {
  SCOPED_TRACE(text);
  ExpectRegeneratedLinesReadBack(ParseText(fileType, text));
}

TEST(UpdateAtomLine, CartesianLine) {
  MolFile f = ParseText(GAUSSIAN_INPUT, kGaussianCartesian);
  f.CartesianData.Positions.at(0) = {0, -1.25, 3, 1};
  f.UpdateAtomLine(0);
  EXPECT_EQ(f.Lines[5], "O  0.00000000000  -1.25000000000  3.00000000000");
  f.CartesianData.Positions.at(0) = {-0.0, -1e-13, 12345678.5, 1};
  f.AtomIds.Labels.at(0) = "O7";
  f.UpdateAtomLine(0);
  EXPECT_EQ(f.Lines[5], "O7  -0.00000000000  -0.00000000000  12345678.50000000000");
  f.UpdateAtomLine(1);
  EXPECT_EQ(f.Lines[6], "H  -0.00000100000  123.45678901230  0.00000000000");
  // One rounding of the double: fifteen digits first gave ...347.
  f.CartesianData.Positions.at(1) = {23.316960633464973, 0, 0, 1};
  f.UpdateAtomLine(1);
  EXPECT_EQ(f.Lines[6], "H  23.31696063346  0.00000000000  0.00000000000");
}

TEST(UpdateAtomLine, ZMatrixLinesKeepTheirStyleAndTexts) {
  MolFile f = ParseText(GAUSSIAN_INPUT, kGaussianZMatrix);
  f.UpdateAtomLine(0);
  EXPECT_EQ(f.Lines[5], "O1 ");
  f.UpdateAtomLine(1);
  EXPECT_EQ(f.Lines[6], "H1 O1 R ");
  f.UpdateAtomLine(3);
  EXPECT_EQ(f.Lines[8], "C3 H2 0.5 O1 -0.5 H1 -D1");
  f.ZMatrixData.Bonds.at(3).Text = "1.09";
  f.AtomIds.Labels.at(2) = "N";
  f.UpdateAtomLine(3);
  EXPECT_EQ(f.Lines[8], "C3 N 1.09 O1 -0.5 H1 -D1");
  // An unresolved label reference writes nothing in its place.
  f.ZMatrixData.Angles.at(3).Reference = -1;
  f.UpdateAtomLine(3);
  EXPECT_EQ(f.Lines[8], "C3 N 1.09  -0.5 H1 -D1");
  EXPECT_FALSE(f.AtomIds.Labels.contains(-1));

  MolFile n = ParseText(GAUSSIAN_INPUT, kGaussianNumbered);
  n.UpdateAtomLine(0);
  EXPECT_EQ(n.Lines[5], "C ");
  n.UpdateAtomLine(3);
  EXPECT_EQ(n.Lines[8], "H 3 B3 2 A2 1 D1,0");
  n.ZMatrixData.Bonds.at(3).Reference = -1;
  n.UpdateAtomLine(3);
  EXPECT_EQ(n.Lines[8], "H 0 B3 2 A2 1 D1,0");
  // Without a reference style only the label is written.
  n.ZMatrixData.ReferenceStyles.erase(3);
  n.UpdateAtomLine(3);
  EXPECT_EQ(n.Lines[8], "H ,0");
}

TEST(UpdateMopacAtomLine, ValuesFlagsAndReferences) {
  MolFile f = ParseText(MOPAC_INPUT, kMopac);
  f.UpdateMopacAtomLine(0);
  EXPECT_EQ(f.Lines[3], "O  0.000000000  1 0.000000000  1 0.000000000  1 0 0 0");
  f.UpdateMopacAtomLine(1);
  EXPECT_EQ(f.Lines[4], "H  0.9700000000  +0 0.000000000  1 0.000000000  1 1 0 0");
  f.UpdateMopacAtomLine(3);
  EXPECT_EQ(f.Lines[6], "C  1.540000000  0 109.5000000  0 -60.00000000  0 1 2 3");
  f.UpdateMopacAtomLine(4);
  EXPECT_EQ(f.Lines[7], "N  1.500000000  1 110.0000000  1 1.000000000e-05  1 4 1 2");

  f.ZMatrixData.Dihedrals.at(3).Value = 120;
  f.ZMatrixData.Bonds.at(3).Reference = 1;
  f.ZMatrixData.Angles.at(3).Reference = 0;
  f.UpdateMopacAtomLine(3);
  EXPECT_EQ(f.Lines[6], "C  1.540000000  0 109.5000000  0 120.0000000  0 2 1 3");
}

// %#.10g, without the user's locale.
TEST(UpdateMopacAtomLine, TenSignificantDigits) {
  const std::pair<double, const char*> cases[] = {
      {1.2, "1.200000000"},           {-0.0, "-0.000000000"},
      {1e-7, "1.000000000e-07"},      {0.0001, "0.0001000000000"},
      {1234567890.0, "1234567890."},  {1e10, "1.000000000e+10"},
      {9.99999999996, "10.00000000"}, {-123456.789, "-123456.7890"},
      {1e300, "1.000000000e+300"},    {5e-324, "4.940656458e-324"},
  };
  MolFile f = ParseText(MOPAC_INPUT, kMopac);
  for (const auto& [value, text] : cases) {
    f.ZMatrixData.Bonds.at(4).Value = value;
    f.UpdateMopacAtomLine(4);
    std::vector<std::string> tokens;
    Tokenize(f.Lines[7], tokens);
    EXPECT_EQ(tokens.at(1), text) << value;
  }
}

TEST(UpdateAtomLine, WritesOnlyALineTheAtomOwns) {
  MolFile f = ParseText(GAUSSIAN_INPUT, kGaussianZMatrix);
  MolFile m = ParseText(MOPAC_INPUT, kMopac);
  f.AtomIds.LineIndexes.erase(1);
  m.AtomIds.LineIndexes.erase(1);
  f.AtomIds.LineIndexes.at(2) = 1000;
  m.AtomIds.LineIndexes.at(2) = 9;
  const MolFile before = f;
  const MolFile mopacBefore = m;
  for (std::uint32_t id : {1u, 2u, 77u, 0x80000000u}) {
    f.UpdateAtomLine(id);
    m.UpdateMopacAtomLine(id);
  }
  EXPECT_EQ(f.Lines, before.Lines);
  EXPECT_EQ(m.Lines, mopacBefore.Lines);
  EXPECT_EQ(f.AtomIds.LineIndexes, before.AtomIds.LineIndexes);
  EXPECT_EQ(f.AtomIds.Labels, before.AtomIds.Labels);
  EXPECT_EQ(f.AtomIds.Kinds, before.AtomIds.Kinds);
  EXPECT_EQ(m.AtomIds.LineIndexes, mopacBefore.AtomIds.LineIndexes);

  // Only atoms of the two kinds are written.
  MolFile c = ParseText(GAUSSIAN_INPUT, kGaussianCartesian);
  c.AtomIds.Kinds.at(0) = 99;
  c.UpdateMopacAtomLine(0);
  EXPECT_EQ(c.Lines[5], "O 1.5 -.5 0.0");
  c.UpdateAtomLine(0);
  EXPECT_EQ(c.Lines[5], "O 1.5 -.5 0.0");
}

TEST(UpdateAtomLine, RegeneratedLinesReadBackTheSame) {
  ExpectRoundTrip(GAUSSIAN_INPUT, kGaussianCartesian);
  ExpectRoundTrip(GAUSSIAN_INPUT, kGaussianZMatrix);
  ExpectRoundTrip(GAUSSIAN_INPUT, kGaussianNumbered);
  ExpectRoundTrip(MOPAC_INPUT, kMopac);
  ExpectRoundTrip(MOPAC_INPUT, "PM7\nt\nc\nO\nH 0.96 1\nH 0.96 1 104.5 1\nH 0.96 1 104.5 1 1 3\n");
  // An older deck's short atoms stay a Z-matrix when atom 1 is written in full.
  ExpectRoundTrip(MOPAC_INPUT, "PM7\nt\nc\nO\nH 0.961 1 1\nH 0.961 1 103.5 1 1 2\n");
  ExpectRoundTrip(MOPAC_INPUT, "PM7\nt\nc\nN -8.9 1 4.1 1 -0.5\nC -9.4 1 3.4 1 -2.9\nC -8 1 3 1 -2\nO -7 1 2 1 -1\nH -7 1 1 1 0\n");
}

// The atom lines, the edited one last; that line as saved.
using EditCase = std::pair<const char*, const char*>;

// One edit as the grids make it, a Cartesian atom's x or a Z-matrix atom's
// bond set to 1.5; the atom's line regenerated, the text saved.
void ExpectSaved(std::int32_t fileType, const std::string& head, const EditCase& c) {
  const std::string atoms = c.first;
  const auto id = static_cast<std::int32_t>(std::count(atoms.begin(), atoms.end(), '\n'));
  MolFile f = ParseText(fileType, head + atoms + "\n");
  if (f.AtomIds.Kinds.at(id) == CARTESIAN) f.CartesianData.Positions.at(id).x = 1.5;
  const auto bond = f.ZMatrixData.Bonds.find(id);
  if (bond != f.ZMatrixData.Bonds.end()) bond->second = {bond->second.Reference, "1.5", false, 1.5};
  const auto update = fileType == MOPAC_INPUT ? &MolFile::UpdateMopacAtomLine : &MolFile::UpdateAtomLine;
  (f.*update)(static_cast<std::uint32_t>(id));
  EXPECT_EQ(f.Text(), head + atoms.substr(0, atoms.rfind('\n') + 1) + c.second + "\n");
}

// Freeze codes, ONIOM layers, link atoms, fragments, comments and the flag
// that makes a third value a second bond angle stay where the line had them;
// a value written with Fortran's exponent keeps its value.
TEST(UpdateAtomLine, WhatTheTablesDoNotHoldStays) {
  const EditCase cases[] = {
      {"Pd-M1-0.03  0.258156  -1.830622  -0.544556  H", "Pd-M1-0.03  1.50000000000  -1.83062200000  -0.54455600000  H"},
      {"O  0.96  2.5E-3  1.0D-2 ! water,\tL", "O  1.50000000000  0.00250000000  0.01000000000 ! water,\tL"},
      {"C\nC 1 1.2\nC 2 1.2 1 109.5\nC,3,1.2,2,109.5,1,180.000,0,Low,H", "C 3 1.5 2 109.5 1 180.000,0,Low,H"},
      {"C\nO 1 1.2 ! carbonyl", "O 1 1.5 ! carbonyl"},
      {"H(Fragment=2,Iso=2) 0.0 0.0 0.0 ! D", "H(Fragment=2,Iso=2)  1.50000000000  0.00000000000  0.00000000000 ! D"},
      {"H-HC--0.1   -1  -0.94   0.0  -0.54  L", "H-HC--0.1  -1  1.50000000000  0.00000000000  -0.54000000000  L"},
      {"C-CA--0.1 0 0.0 0.0 0.0 H H-HC 4 0.5", "C-CA--0.1  0  1.50000000000  0.00000000000  0.00000000000 H H-HC 4 0.5"},
      {"C\nC 1 1.5\nC 1 1.5 2 109.5\nC 1 1.2 2 109.5 3 120.0 1", "C 1 1.5 2 109.5 3 120.0 1"},
      {"C1\nC2 C1 1.5\nC3 C1 1.5 C2 109.5\nH4,C1,1.0,C2,109.5,C3,120.0,\t-1", "H4 C1 1.5 C2 109.5 C3 120.0,\t-1"},
      {"O 1\nF 1 2.55 2", "F 1 1.5 2"},
  };
  for (const EditCase& c : cases) ExpectSaved(GAUSSIAN_INPUT, "#p opt\n\nt\n\n0 1\n", c);
}

// Each value keeps the optimisation flag it was read with; Cartesian lines
// are written as value and flag pairs, with what followed z.
TEST(UpdateMopacAtomLine, FlagsAndExtrasAsRead) {
  const EditCase cases[] = {
      {"O\nC 1.2 +1 0 +0 0 +0 1 0 0\nH  1.1 +1  122.0 +0  0.0 +0  2  1  0      0.09",
       "H  1.500000000  +1 122.0000000  +0 0.000000000  +0 2 1 0      0.09"},
      {"H  0.0 0  2.484212 0  0.0 0\nO  1.16 0.0 0.0", "O  1.500000000  1 0.000000000  1 0.000000000  1"},
      {"C(HETATM    1  C   CYN A   1)   3.22 +0    0.0 +1    0.0 -1     0     0     0  -0.1",
       "C(HETATM    1  C   CYN A   1)  1.500000000  +0 0.000000000  +1 0.000000000  -1     0     0     0  -0.1"},
      {"C 0.1 +0 0.2 +0 0.3 +0 -0.1212", "C  1.500000000  +0 0.2000000000  +0 0.3000000000  +0 -0.1212"},
      {"Ba\nF 2.0 1\nF  2.0  0  180  0  0  0  1  2", "F  1.500000000  0 180.0000000  0 0.000000000  0 1 2 0"},
      {"C 0.0 T 0.0 0 0.0 0 0 0 0\nO 1.2 T 0.0 0 0.0 0 1 0 0", "O  1.500000000  T 0.000000000  0 0.000000000  0 1 0 0"},
      // z's flag left out is 0, as MOPAC takes it.
      {"N -8.901 1 4.127 1 -0.555\nC -9.437 1 3.396 1 -2.889", "C  1.500000000  1 3.396000000  1 -2.889000000  0"},
  };
  for (const EditCase& c : cases) ExpectSaved(MOPAC_INPUT, "PM7\nt\nc\n", c);
}

// Every way of writing a variable line: only the value's bytes change.
TEST(UpdateVariableLine, NameSeparatorAndRestOfTheLineStay) {
  MolFile f = ParseText(GAUSSIAN_INPUT,
                        "#p\n\nt\n\n0 1\nC\nH 1 R1\n\n"
                        "R1=0.99\nR2 0.99\nR3,0.99\n A4\t104.5\t! bent\nR5 = 1.0 4 0.1\nR6\nR7=\nR8=0.99!x\nR9 !\n");
  const std::vector<std::string> before = f.Lines;
  for (std::int32_t key = 0; key < 9; ++key) f.UpdateVariableLine(key, "1.05");
  const std::vector<std::string> expected = {"R1=1.05",         "R2 1.05", "R3,1.05",   " A4\t1.05\t! bent",
                                             "R5 = 1.05 4 0.1", "R6 1.05", "R7=1.05",   "R8=1.05!x",
                                             "R9 1.05!",        ""};
  EXPECT_EQ(std::vector<std::string>(f.Lines.begin() + 8, f.Lines.end()), expected);
  EXPECT_TRUE(std::equal(before.begin(), before.begin() + 8, f.Lines.begin()));

  // The saved text reads back the new values under the same names.
  f.Parse();
  ASSERT_EQ(f.ZMatrixData.Variables.size(), 9u);
  for (const auto& [key, variable] : f.ZMatrixData.Variables) EXPECT_EQ(variable.Value, 1.05) << key;
  EXPECT_EQ(f.ZMatrixData.Variables.at(3).Text, "A4");
}

TEST(UpdateVariableLine, AVariableWithoutALineChangesNothing) {
  MolFile f = ParseText(GAUSSIAN_INPUT, "#p\n\nt\n\n0 1\nC\nH 1 R1\n\nR1=0.99\n");
  const std::vector<std::string> before = f.Lines;
  f.UpdateVariableLine(1, "2");
  f.ZMatrixData.VariableLineIndexes.at(0) = 99;
  f.UpdateVariableLine(0, "2");
  EXPECT_EQ(f.Lines, before);
}

// TINKER's layout: six decimals, right-aligned where the old field ended;
// serial, symbol, type and connections as they were.
TEST(UpdateTinkerAtomLine, CoordinatesInPlaceOfTheOldOnes) {
  MolFile f = ParseText(TINKER_XYZ,
                        "     3  water\n"
                        "     1  O      0.000000    0.000000    0.119262     1     2     3\n"
                        "     2  H\t0.0\t0.763239\t-0.477047\t2\t1\n"
                        "     3  H,  -0.757200,   0.000000,  -0.469200,  2,  1\n");
  const std::vector<std::string> before = f.Lines;
  f.CartesianData.Positions.at(0) = {1.5, -12.25, 123456.5, 1};
  f.UpdateTinkerAtomLine(0);
  EXPECT_EQ(f.Lines[1], "     1  O      1.500000  -12.250000 123456.500000     1     2     3");
  f.CartesianData.Positions.at(1) = {2, -0.0, 1e-7, 1};
  f.UpdateTinkerAtomLine(1);
  // Six decimals do not hold 1e-7: the shortest text that does.
  EXPECT_EQ(f.Lines[2], "     2  H\t2.000000\t-0.000000\t1e-07\t2\t1");
  f.CartesianData.Positions.at(2).x = 0.5;
  f.UpdateTinkerAtomLine(2);
  EXPECT_EQ(f.Lines[3], "     3  H,  0.500000,   0.000000,  -0.469200,  2,  1");
  EXPECT_EQ(f.Lines[0], before[0]);
  const MolFile moved = f;
  f.Parse();
  EXPECT_EQ(f.CartesianData.Positions.at(0).z, 123456.5);
  EXPECT_EQ(f.AtomIds.Connections, moved.AtomIds.Connections);
}

// A new element's symbol where the old name began, the next field in its
// place where blanks allow; a name of the same element stays as written.
TEST(UpdateTinkerAtomLine, ANewElementIsWrittenInTheNameColumnAlone) {
  const std::tuple<const char*, std::uint32_t, const char*> cases[] = {
      {"  1  CT     0.0  0.0  0.0     1     2", 14, "  1  Si     0.0  0.0  0.0     1     2"},
      {"2  H,  -0.7572,  0.0,  2,  1", 0, "2  X,  -0.7572,  0.0,  2,  1"},
      {"  1  CA     0.0  0.0  0.0     1", 6, "  1  CA     0.0  0.0  0.0     1"},
  };
  for (const auto& [line, element, written] : cases) {
    MolFile f = ParseText(TINKER_XYZ, std::string("1 t\n") + line);
    f.AtomIds.AtomicNumbers.at(0) = element;
    f.UpdateTinkerAtomLine(0);
    EXPECT_EQ(f.Lines[1], written);
  }
}

TEST(UpdateTinkerAtomLine, ALineWithoutThreeCoordinatesOrAZMatrixAtomStays) {
  MolFile f = ParseText(TINKER_XYZ, "1 t\n     1  O      0.000000    0.000000    0.119262\n");
  f.Lines[1] = "     1  O      0.000000";
  f.UpdateTinkerAtomLine(0);
  EXPECT_EQ(f.Lines[1], "     1  O      0.000000");
  MolFile g = ParseText(GAUSSIAN_INPUT, kGaussianZMatrix);
  const std::vector<std::string> before = g.Lines;
  for (std::uint32_t id : {1u, 3u, 9u}) g.UpdateTinkerAtomLine(id);
  EXPECT_EQ(g.Lines, before);
}

TEST(UpdateAtomLine, SameBytesInACommaLocale) {
  CommaLocale locale;
  if (!locale.Active()) GTEST_SKIP() << "no locale with a decimal comma here, and none could be built";
  MolFile c = ParseText(GAUSSIAN_INPUT, kGaussianCartesian);
  c.UpdateAtomLine(0);
  EXPECT_EQ(c.Lines[5], "O  1.50000000000  -0.50000000000  0.00000000000");
  MolFile m = ParseText(MOPAC_INPUT, kMopac);
  m.UpdateMopacAtomLine(3);
  EXPECT_EQ(m.Lines[6], "C  1.540000000  0 109.5000000  0 -60.00000000  0 1 2 3");
  m.UpdateMopacAtomLine(4);
  EXPECT_EQ(m.Lines[7], "N  1.500000000  1 110.0000000  1 1.000000000e-05  1 4 1 2");
}

}  // namespace
