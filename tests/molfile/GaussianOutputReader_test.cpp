#include <gtest/gtest.h>

#include <regex>

#include "ParseText.h"
#include "molfile/MolFile.h"

namespace {

const std::string kRule = " ---------------------------------------------------------------------\n";

std::string Table(const std::string& rows, const std::string& heading = "Standard orientation:",
                  const std::string& opening = kRule) {
  return "                         " + heading + "\n" + kRule +
         " Center     Atomic      Atomic             Coordinates (Angstroms)\n"
         " Number     Number       Type             X           Y           Z\n" +
         opening + rows + kRule;
}

const std::string kWaterRows =
    "      1          8           0        0.000000    0.000000    0.119262\n"
    "      2          1           0        0.000000    0.763239   -0.477047\n"
    "      3          1           0        0.000000   -0.763239   -0.477047\n";

const std::string kMovedRows =  // x = 1
    "      1          8           0        1.000000    0.000000    0.119262\n"
    "      2          1           0        1.000000    0.763239   -0.477047\n"
    "      3          1           0        1.000000   -0.763239   -0.477047\n";

const std::string kHeader4 =
    " Harmonic frequencies (cm**-1), IR intensities (KM/Mole), Raman scattering\n"
    " activities (A**4/AMU), depolarization ratios for plane and unpolarized\n"
    " incident light, reduced masses (AMU), force constants (mDyne/A),\n"
    " and normal coordinates:\n";

const std::string kHeader3 =
    " Harmonic frequencies (cm**-1), IR intensities (km*mol-1),\n"
    " Raman scattering activities (A**4/amu), Raman depolarization ratios,\n"
    " reduced masses (AMU), force constants (mDyne/A) and normal coordinates:\n";

const std::string kWaterModes =
    "                      1                      2                      3\n"
    "                     A1                     A1                     B2\n"
    " Frequencies --   1827.1596              4070.2237              4188.6013\n"
    " Red. masses --      1.0825                 1.0453                 1.0816\n"
    " Frc consts  --      2.1293                10.2027                11.1805\n"
    " IR Inten    --     99.7386                18.5627                58.6392\n";
const std::string kWaterRaman =
    " Raman Activ --      6.5232                67.7148                29.1930\n";
const std::string kWaterDisplacements =
    "  Atom  AN      X      Y      Z        X      Y      Z        X      Y      Z\n"
    "     1   8     0.00   0.00   0.07     0.00   0.00  -0.05     0.00   0.07   0.00\n"
    "     2   1     0.00  -0.43  -0.56     0.00   0.58   0.40     0.00  -0.56   0.43\n"
    "     3   1     0.00   0.43  -0.56     0.00  -0.58   0.40     0.00  -0.56  -0.43\n";

std::string WaterJob(const std::string& header = kHeader4,
                     const std::string& extra = kWaterRaman) {
  return Table(kWaterRows) + "\n" + header + kWaterModes + extra + kWaterDisplacements + "\n";
}

// Every table that a block fills, at the given lengths.
void ExpectModes(const NormalModes& m, std::size_t modes, std::size_t raman, std::size_t depolar) {
  EXPECT_EQ(m.ModeNumbers.size(), modes);
  EXPECT_EQ(m.Symmetries.size(), modes);
  EXPECT_EQ(m.Frequencies.size(), modes);
  EXPECT_EQ(m.ReducedMasses.size(), modes);
  EXPECT_EQ(m.ForceConstants.size(), modes);
  EXPECT_EQ(m.IRIntensities.size(), modes);
  EXPECT_EQ(m.RamanActivities.size(), raman);
  EXPECT_EQ(m.Depolarizations.size(), depolar);
  EXPECT_EQ(m.Displacements.size(), modes);
}

}  // namespace

TEST(GaussianOutputGeometry, LastTableOrEveryTable) {
  const std::string text = " Entering\n" + Table(kWaterRows) + " SCF Done\n" + Table(kMovedRows);

  const MolFile last = ParseText(GAUSSIAN_OUTPUT, text);
  ASSERT_EQ(last.AtomIds.Ids, (std::vector<std::int32_t>{0, 1, 2}));
  EXPECT_EQ(last.CartesianData.Count, 3);
  EXPECT_EQ(last.CartesianData.Positions.at(2).x, 1.0);
  EXPECT_EQ(last.CartesianData.Positions.at(2).y, -0.763239);
  EXPECT_EQ(last.AtomIds.LineIndexes.at(0), 16u);  // the row of the second table

  const MolFile every = ParseText(GAUSSIAN_OUTPUT_ANIMATION, text);
  ASSERT_EQ(every.AtomIds.Ids.size(), 6u);
  EXPECT_EQ(every.CartesianData.Count, 6);
  for (int id = 0; id < 6; ++id) {
    EXPECT_EQ(every.AtomIds.Labels.at(id), std::to_string(id % 3 + 1));
    EXPECT_EQ(every.AtomIds.Kinds.at(id), static_cast<std::uint32_t>(CARTESIAN));
    EXPECT_EQ(every.CartesianData.Positions.at(id).x, id < 3 ? 0.0 : 1.0);
  }
  EXPECT_EQ(every.AtomIds.AtomicNumbers.at(3), 8u);
  EXPECT_EQ(every.AtomIds.AtomicNumbers.at(4), 1u);
  EXPECT_EQ(every.AtomIds.LineIndexes.at(0), 6u);
}

// One molecule is the last table, whatever its heading: a job that turns
// symmetry off part way prints input tables only from there on, and each step
// prints its input table before its standard one. An animation keeps the
// standard tables.
TEST(GaussianOutputGeometry, TheLastTableOrTheStandardFrames) {
  EXPECT_EQ(ParseText(GAUSSIAN_OUTPUT, Table(kWaterRows, "Standard Orientation:")).AtomIds.Ids.size(), 3u);
  const std::string water = AtomSummary(ParseText(GAUSSIAN_OUTPUT, Table(kWaterRows)));
  for (const std::string heading : {"Input orientation:", "Z-Matrix orientation:"}) {
    const std::string text = Table(kMovedRows, heading) + Table(kWaterRows) + Table(kMovedRows, heading);
    EXPECT_EQ(AtomSummary(ParseText(GAUSSIAN_OUTPUT, text)), AtomSummary(ParseText(GAUSSIAN_OUTPUT, Table(kMovedRows))));
    EXPECT_EQ(AtomSummary(ParseText(GAUSSIAN_OUTPUT_ANIMATION, text)), water);
    EXPECT_EQ(AtomSummary(ParseText(GAUSSIAN_OUTPUT, Table(kMovedRows, heading) + Table(kWaterRows))), water);
  }
}

// The modes keep their table (and charge) against a later one turned, not against another geometry.
TEST(GaussianOutputGeometry, TheModesKeepTheFrameTheyWerePrintedIn) {
  const std::string turned =  // a quarter about x, O 0.00005 A off
      "  1  8  0  0.0  -0.119312  0.0\n  2  1  0  0.0  0.477047  0.763239\n  3  1  0  0.0  0.477047  -0.763239\n";
  const std::string other = std::regex_replace(turned, std::regex("0.119312"), "0.119662");
  const std::string text = " Charge = 0 Multiplicity = 1\n" + WaterJob() + " Charge = -1 Multiplicity = 2\n";
  const MolFile kept = ParseText(GAUSSIAN_OUTPUT, text + Table(turned));
  EXPECT_EQ(AtomSummary(kept) + std::to_string(kept.Charge), AtomSummary(ParseText(GAUSSIAN_OUTPUT, Table(kWaterRows))) + "0");
  EXPECT_EQ(AtomSummary(ParseText(GAUSSIAN_OUTPUT, text + Table(other))), AtomSummary(ParseText(GAUSSIAN_OUTPUT, Table(other))));
}

// Z-matrix orientations list dummy atoms, atomic number -1, among the atoms,
// and periodic jobs their translation vectors, -2, after them; the frequency
// section numbers the real atoms only, and the modes find their atoms by
// that number.
TEST(GaussianOutputGeometry, DummyRowsAreNoAtoms) {
  const std::string rows = "  1  -1  0  0.0  0.0  0.0\n  2  6  0  0.0  0.0  0.0\n  3  -1  0  0.0  0.0  1.0\n"
                           "  4  8  0  0.0  0.0  1.2\n  5  1  0  0.0  0.9 -0.5\n  6  1  0  0.0 -0.9 -0.5\n"
                           "  7  -2  0  10.0  0.0  0.0\n";
  for (const std::string heading : {"Z-Matrix orientation:", "Standard orientation:"})
    for (const std::int32_t type : {GAUSSIAN_OUTPUT, GAUSSIAN_OUTPUT_ANIMATION}) {
      const MolFile f = ParseText(type, Table(rows, heading) + Table(rows, heading));
      const std::string molecule = "C6@0,0,0 C8@0,0,1.2 C1@0,0.9,-0.5 C1@0,-0.9,-0.5";
      EXPECT_EQ(AtomSummary(f), type == GAUSSIAN_OUTPUT ? molecule : molecule + " " + molecule);
      std::string labels;
      for (const auto& [id, label] : f.AtomIds.Labels) labels += label;
      EXPECT_EQ(labels, type == GAUSSIAN_OUTPUT ? "1234" : "12341234");
    }
}

// Without standard tables the input ones, also headed "Z-Matrix orientation:",
// stand in. The charge is the whole molecule's, stated last before the table kept.
TEST(GaussianOutputGeometry, InputOrientationsAndTheCharge) {
  const std::string input = "Input orientation:";
  const MolFile f = ParseText(GAUSSIAN_OUTPUT, " Charge = 0 Multiplicity = 1\n" + Table(kWaterRows, input) +
                                                  " Charge = -1 Multiplicity = 2 in supermolecule\n"
                                                  " Charge = 0 Multiplicity = 1 in fragment 1.\n" +
                                                  Table(kMovedRows, "Z-Matrix orientation:") +
                                                  " Charge = -2 Multiplicity = 1\n");
  EXPECT_EQ(f.CartesianData.Positions.at(0).x, 1.0);
  EXPECT_EQ(std::pair(f.Charge, f.Multiplicity), std::pair(-1, 2));
  // A number as wide as its field touches its "=".
  for (const auto& [line, stated] : {std::pair{" Charge = -2 Multiplicity =19\n", std::pair{-2, 19}},
                                     {" Charge =-11 Multiplicity =12 in supermolecule\n", {-11, 12}}}) {
    const MolFile g = ParseText(GAUSSIAN_OUTPUT, line + Table(kWaterRows, input));
    EXPECT_EQ(std::pair(g.Charge, g.Multiplicity), stated) << line;
  }
  const std::string both = Table(kWaterRows, input) + Table(kMovedRows, "Z-Matrix orientation:");
  EXPECT_EQ(ParseText(GAUSSIAN_OUTPUT_ANIMATION, std::regex_replace(both, std::regex("\n"), "\r\n")).CartesianData.Count, 6);
}

// The reader passes over lines without splitting them unless their first
// token may start a marker: that token is what the tokenizer makes of the
// line, after separators and dropped bytes.
TEST(GaussianOutputGeometry, MarkersAfterSeparatorsAndDroppedBytes) {
  EXPECT_EQ(ParseText(GAUSSIAN_OUTPUT, Table(kWaterRows, "\x93,\t\x01Standard\x93 orientation:")).AtomIds.Ids.size(), 3u);
  EXPECT_EQ(ParseText(GAUSSIAN_OUTPUT, Table(kWaterRows, "Stan\xE9\x7F" "dard orientation:")).AtomIds.Ids.size(), 3u);
  EXPECT_TRUE(ParseText(GAUSSIAN_OUTPUT, Table(kWaterRows, "-Standard orientation:")).AtomIds.Ids.empty());
  EXPECT_TRUE(ParseText(GAUSSIAN_OUTPUT, Table(kWaterRows, "Standardorientation:")).AtomIds.Ids.empty());
  const std::string header = "\x81\t Harmonic frequencies (cm**-1), IR intensities (KM/Mole), Raman scattering\n"
                             ",activities (A**4/AMU), depolarization ratios for plane and unpolarized\n"
                             " incident light, reduced masses (AMU), force constants (mDyne/A),\n"
                             " and normal coordinates:\n";
  ExpectModes(ParseText(GAUSSIAN_OUTPUT, WaterJob(header)).ModeData, 3, 3, 0);
}

TEST(GaussianOutputGeometry, RowWidths) {
  const std::string rows =
      "      1          8        0.000000    0.000000    0.119262\n"                // 5 tokens
      "      2          1           0        0.000000\n"                           // 4 tokens
      "      3          1           0        0.0    0.1   -0.4   7\n"               // 7 tokens
      "      4         Cl           0        1.5         2.5         3.5\n";        // 6 tokens
  const MolFile f = ParseText(GAUSSIAN_OUTPUT, Table(rows));
  ASSERT_EQ(f.AtomIds.Ids.size(), 2u);
  EXPECT_EQ(f.AtomIds.Labels.at(0), "1");
  EXPECT_EQ(f.CartesianData.Positions.at(0).z, 0.119262);
  EXPECT_EQ(f.AtomIds.Labels.at(1), "4");
  EXPECT_EQ(f.AtomIds.AtomicNumbers.at(1), 17u);
  EXPECT_EQ(f.CartesianData.Positions.at(1).x, 1.5);
  EXPECT_EQ(f.CartesianData.Positions.at(1).w, 1.0);
}

TEST(GaussianOutputGeometry, RuleLines) {
  const std::string hyphens17 = " -----------------\n";
  const std::string hyphens18 = " ------------------\n";
  EXPECT_TRUE(ParseText(GAUSSIAN_OUTPUT, Table(kWaterRows, "Standard orientation:", hyphens17)).AtomIds.Ids.empty());
  EXPECT_EQ(ParseText(GAUSSIAN_OUTPUT, Table(kWaterRows, "Standard orientation:", hyphens18)).AtomIds.Ids.size(), 3u);
  // Inside the rows a short run does not close the table; the run may stand
  // inside a longer token, but two tokens are never a rule.
  EXPECT_EQ(ParseText(GAUSSIAN_OUTPUT, Table(hyphens17 + kWaterRows)).AtomIds.Ids.size(), 3u);
  EXPECT_EQ(ParseText(GAUSSIAN_OUTPUT, Table(" ------------------ ------------------\n" + kWaterRows)).AtomIds.Ids.size(), 3u);
  EXPECT_EQ(ParseText(GAUSSIAN_OUTPUT, Table(" x------------------x\n" + kWaterRows)).AtomIds.Ids.size(), 0u);
}

TEST(GaussianOutputGeometry, BlankLines) {
  const std::string heading = "                         Standard orientation:\n";
  const std::string rest = Table(kWaterRows).substr(heading.size());
  EXPECT_TRUE(ParseText(GAUSSIAN_OUTPUT, heading + "\n" + rest).AtomIds.Ids.empty());
  EXPECT_EQ(ParseText(GAUSSIAN_OUTPUT, heading + "    \n" + rest).AtomIds.Ids.size(), 3u);  // blanks are not blank
  // A table cut off by an empty line keeps the rows read so far.
  const std::string cut = Table(kWaterRows).substr(0, Table(kWaterRows).size() - kRule.size());
  const std::size_t secondRow = cut.find("      2 ");
  EXPECT_EQ(ParseText(GAUSSIAN_OUTPUT, cut.substr(0, secondRow) + "\n" + cut.substr(secondRow)).AtomIds.Ids.size(), 1u);
  // The old geometry goes only when a new table opens its rows.
  const std::string table = Table(kWaterRows);
  const std::string unopened = table.substr(0, table.find(kRule + kWaterRows)) + "\n";
  EXPECT_EQ(ParseText(GAUSSIAN_OUTPUT, table + unopened).AtomIds.Ids.size(), 3u);
}

TEST(GaussianOutputFrequencies, BlockOfThree) {
  const MolFile f = ParseText(GAUSSIAN_OUTPUT, WaterJob());
  ASSERT_EQ(f.AtomIds.Ids.size(), 3u);
  const NormalModes& m = f.ModeData;
  ExpectModes(m, 3, 3, 0);  // "Depolar (P)" is not read
  EXPECT_EQ(m.ModeNumbers, (std::vector<std::uint32_t>{1, 2, 3}));
  EXPECT_EQ(m.Symmetries, (std::vector<std::string>{"A1", "A1", "B2"}));
  EXPECT_EQ(m.Frequencies[2], static_cast<float>(4188.6013));
  EXPECT_EQ(m.ReducedMasses[1], static_cast<float>(1.0453));
  EXPECT_EQ(m.ForceConstants[0], static_cast<float>(2.1293));
  EXPECT_EQ(m.IRIntensities[0], static_cast<float>(99.7386));
  EXPECT_EQ(m.RamanActivities[1], static_cast<float>(67.7148));
  for (const NormalModes::Displacement& d : m.Displacements) {
    EXPECT_EQ(d.AtomNumbers, (std::vector<std::uint32_t>{1, 2, 3}));
    EXPECT_EQ(d.AtomicNumbers, (std::vector<std::uint32_t>{8, 1, 1}));
    ASSERT_EQ(d.Vectors.size(), 3u);
  }
  EXPECT_EQ(m.Displacements[0].Vectors[1].y, -0.43);
  EXPECT_EQ(m.Displacements[1].Vectors[2].y, -0.58);
  EXPECT_EQ(m.Displacements[2].Vectors[2].z, -0.43);
  EXPECT_EQ(m.Displacements[2].Vectors[0].w, 1.0);
}

// A linear molecule's 3N - 5 modes end in a block of one. Gaussian heads it
// with one column group, xtb's imitation with the three of its full blocks.
TEST(GaussianOutputFrequencies, BlockOfOneEndsALinearMolecule) {
  const std::string co2 =
      "      1          6           0        0.000000    0.000000    0.000000\n"
      "      2          8           0        0.000000    0.000000    1.160000\n"
      "      3          8           0        0.000000    0.000000   -1.160000\n";
  const std::string modes =
      "                      1                      2                      3\n"
      "                     PIU                    PIU                    SGG\n"
      " Frequencies --    745.9                  745.9                 1517.2\n"
      " Red. masses --     12.8774                12.8774                15.9949\n"
      " Frc consts  --      4.2206                 4.2206                21.6922\n"
      " IR Inten    --     29.8                   29.8                    0.0\n"
      "  Atom  AN      X      Y      Z        X      Y      Z        X      Y      Z\n"
      "     1   6     0.88   0.00   0.00     0.00   0.88   0.00     0.00   0.00   0.00\n"
      "     2   8    -0.33   0.00   0.00     0.00  -0.33   0.00     0.00   0.00   0.71\n"
      "     3   8    -0.33   0.00   0.00     0.00  -0.33   0.00     0.00   0.00  -0.71\n"
      "                      4\n"
      "                     SGU\n"
      " Frequencies --   2435.8648\n"
      " Red. masses --     12.8774\n"
      " Frc consts  --     45.0156\n"
      " IR Inten    --    551.2\n";
  // Its rows carry one group or, under xtb's header, three (zeros for the
  // absent modes).
  const std::string threeGroups = " Atom AN      X      Y      Z        X      Y      Z        X      Y      Z";
  const std::pair<std::string, std::string> forms[] = {
      {"  Atom  AN      X      Y      Z", ""}, {threeGroups, ""}, {threeGroups, "  0.00 0.00 0.00  0.00 0.00 0.00"}};
  for (const auto& [header, rest] : forms) {
    SCOPED_TRACE(header + rest);
    std::string rows;
    for (const char* row : {"   1   6     0.00   0.00   0.88", "   2   8     0.00   0.00  -0.33",
                            "   3   8     0.00   0.00  -0.33"})
      rows += row + rest + "\n";
    rows += " Normal termination of Gaussian 98.\n";  // five tokens, as other programs end this layout
    const NormalModes m = ParseText(GAUSSIAN_OUTPUT, Table(co2) + "\n" + kHeader4 + modes + header + "\n" + rows).ModeData;
    ExpectModes(m, 4, 0, 0);
    EXPECT_EQ(m.Symmetries, (std::vector<std::string>{"PIU", "PIU", "SGG", "SGU"}));
    EXPECT_EQ(m.Frequencies.back(), static_cast<float>(2435.8648));
    for (const NormalModes::Displacement& d : m.Displacements) EXPECT_EQ(d.Vectors.size(), 3u);
    EXPECT_EQ(m.Displacements.back().Vectors.at(0).z, 0.88);
    EXPECT_EQ(m.Displacements[2].Vectors.at(1).z, 0.71);  // the rows of one mode go to that mode only
  }
}

// A triatomic IRC point prints 3N - 7 modes: one block of two, whose
// values line up with their mode numbers.
TEST(GaussianOutputFrequencies, BlockOfTwo) {
  const NormalModes m = ParseText(GAUSSIAN_OUTPUT, Table(kWaterRows) + "\n" + kHeader4 +
                                                       "                      1                      2\n"
                                                       "                      A                      A\n"
                                                       " Frequencies --   -512.3456              3950.1\n"
                                                       "  Atom  AN      X      Y      Z        X      Y      Z\n"
                                                       "     3   1     0.21   0.22   0.23    -0.24  -0.25  -0.26\n")
                            .ModeData;
  EXPECT_EQ(m.ModeNumbers, (std::vector<std::uint32_t>{1, 2}));
  EXPECT_EQ(m.Symmetries, (std::vector<std::string>{"A", "A"}));
  ASSERT_EQ(m.Displacements.size(), 2u);
  EXPECT_EQ(m.Displacements[0].Vectors.at(0).z, 0.23);
  EXPECT_EQ(m.Displacements[1].Vectors.at(0).x, -0.24);
}

TEST(GaussianOutputFrequencies, HeaderLayouts) {
  ExpectModes(ParseText(GAUSSIAN_OUTPUT, WaterJob(kHeader4)).ModeData, 3, 3, 0);
  const MolFile three = ParseText(GAUSSIAN_OUTPUT, WaterJob(kHeader3, kWaterRaman + " Depolar     --  0.64  0.16  0.75\n"));
  ExpectModes(three.ModeData, 3, 3, 3);
  EXPECT_EQ(three.ModeData.Depolarizations[1], static_cast<float>(0.16));

  // The header needs its first and its last line.
  const std::string firstLine = kHeader3.substr(0, kHeader3.find('\n') + 1);
  const std::string lastTwo = kHeader3.substr(firstLine.size());
  ExpectModes(ParseText(GAUSSIAN_OUTPUT, WaterJob(lastTwo)).ModeData, 0, 0, 0);
  ExpectModes(ParseText(GAUSSIAN_OUTPUT, WaterJob(firstLine)).ModeData, 0, 0, 0);
  ExpectModes(ParseText(GAUSSIAN_OUTPUT, WaterJob(kHeader4.substr(0, kHeader4.rfind(" and")))).ModeData, 0, 0, 0);
  // Any number of lines between them (a VCD job's, an IRC point's); rows
  // without a table are passed over.
  const std::string last = " and normal coordinates:\n";
  const std::string vcd = kHeader4.substr(0, kHeader4.rfind(" and")) + " Dipole strengths (10**-40 esu**2-cm**2),\n";
  ExpectModes(ParseText(GAUSSIAN_OUTPUT, WaterJob(vcd + last, " Rot. str. -- -0.0 0.0 -0.0\n")).ModeData, 3, 0, 0);
  const std::string irc = " Harmonic frequencies (cm**-1), IR intensities (KM/Mole),\n IRC Coupling Elements (AU)," + last;
  ExpectModes(ParseText(GAUSSIAN_OUTPUT, WaterJob(irc)).ModeData, 3, 3, 0);
}

// A value as wide as its column touches the "--" column.
TEST(GaussianOutputFrequencies, ValuesGluedToTheirLabels) {
  const std::string block = " 1\n A\n Frequencies ---1234.5678\n IR Inten --123456.789\n Raman Activ --***********\n"
                            "  Atom  AN  X  Y  Z\n  1  8  0.0  0.0  0.07\n";
  const NormalModes m = ParseText(GAUSSIAN_OUTPUT, Table(kWaterRows) + "\n" + kHeader4 + block).ModeData;
  EXPECT_EQ(m.Frequencies, std::vector{static_cast<float>(-1234.5678)});
  EXPECT_EQ(m.IRIntensities, std::vector{static_cast<float>(123456.789)});
  ASSERT_EQ(m.RamanActivities.size(), 1u);
  EXPECT_FALSE(NormalModes::IsKnown(m.RamanActivities[0]));
}

TEST(GaussianOutputFrequencies, IrOnlyAndDepolarizationColumns) {
  ExpectModes(ParseText(GAUSSIAN_OUTPUT, WaterJob(kHeader4, "")).ModeData, 3, 0, 0);
  const std::string pu = kWaterRaman +
                         " Depolar (P) --      0.6431                 0.1632                 0.7500\n"
                         " Depolar (U) --      0.7828                 0.2806                 0.8571\n";
  ExpectModes(ParseText(GAUSSIAN_OUTPUT, WaterJob(kHeader4, pu)).ModeData, 3, 3, 0);
}

TEST(GaussianOutputFrequencies, HighPrecisionSectionBeforeTheNormalOne) {
  const std::string hp =
      "                           1         2         3\n"
      "                          A1        A1        B2\n"
      "       Frequencies ---  1827.1596 4070.2237 4188.6013\n"
      "    Reduced masses ---     1.0825    1.0453    1.0816\n"
      " Coord Atom Element:\n"
      "   1     1     8          0.00000   0.00000   0.00000\n"
      "   2     1     8          0.00000   0.00000   0.06988\n";
  const MolFile f = ParseText(GAUSSIAN_OUTPUT, Table(kWaterRows) + "\n" + kHeader4 + hp + kHeader4 + kWaterModes +
                         kWaterRaman + kWaterDisplacements + "\n");
  ExpectModes(f.ModeData, 3, 3, 0);
  EXPECT_EQ(f.ModeData.ModeNumbers, (std::vector<std::uint32_t>{1, 2, 3}));
  EXPECT_EQ(f.ModeData.Symmetries, (std::vector<std::string>{"A1", "A1", "B2"}));
  EXPECT_EQ(f.ModeData.Displacements[1].Vectors[0].z, -0.05);
}

TEST(GaussianOutputFrequencies, TheLastFrequencyJobWins) {
  const std::string second =
      "                      1                      2                      3\n"
      "                     A1                     A1                     B2\n"
      " Frequencies --   1600.0                 3800.0                 3900.0\n"
      " Red. masses --      1.0                    1.0                    1.0\n"
      " Frc consts  --      2.0                   10.0                   11.0\n"
      " IR Inten    --     90.0                   10.0                   50.0\n";
  const MolFile f = ParseText(GAUSSIAN_OUTPUT, WaterJob() + " Link1:  Proceeding to internal job step number  2.\n\n" +
                         kHeader4 + second + kWaterDisplacements + "\n");
  ExpectModes(f.ModeData, 3, 0, 0);
  EXPECT_EQ(f.ModeData.Frequencies[0], 1600.0f);
  // Also when the first section runs straight into the second, rows and all.
  const MolFile g = ParseText(GAUSSIAN_OUTPUT, Table(kWaterRows) + "\n" + kHeader4 + kWaterModes + kWaterDisplacements +
                         kHeader4 + second + kWaterDisplacements);
  ExpectModes(g.ModeData, 3, 0, 0);
  EXPECT_EQ(g.ModeData.Displacements[0].Vectors.size(), 3u);
}

TEST(GaussianOutputFrequencies, RowsNeedTheirRecords) {
  // A row wider than its header is none of its block's: an 11-token row
  // under a one-group header is passed over.
  const std::string text = Table(kWaterRows) + "\n" + kHeader4 +
                           "                      1\n"
                           "                     A1\n"
                           "  Atom  AN      X      Y      Z\n"
                           "     1   8     0.00   0.00   0.07     0.00   0.00  -0.05     0.00   0.07   0.00\n"
                           "     2   1     0.00  -0.43  -0.56\n";
  const MolFile f = ParseText(GAUSSIAN_OUTPUT, text);
  ASSERT_EQ(f.ModeData.Displacements.size(), 1u);
  ASSERT_EQ(f.ModeData.Displacements[0].Vectors.size(), 1u);
  EXPECT_EQ(f.ModeData.Displacements[0].AtomNumbers[0], 2u);
}

// A line of blanks ends the section, and so does the rule line that
// Gaussian 92 writes straight after its last block: the thermochemistry
// after them adds no rows and no modes.
TEST(GaussianOutputFrequencies, ALineOfBlanksOrARuleLineEndsTheSection) {
  const std::string job = WaterJob();
  const MolFile f =
      ParseText(GAUSSIAN_OUTPUT, job.substr(0, job.size() - 1) + " \n Thermal correction to Energy= 0.024\n");
  EXPECT_EQ(f.ModeData.Displacements.back().Vectors.size(), 3u);
  const std::string g92 = WaterJob(kHeader3);
  const NormalModes m = ParseText(GAUSSIAN_OUTPUT, g92.substr(0, g92.size() - 1) +
                                  " -------------------\n - THERMOCHEMISTRY -\n       1    2    3\n   36\n").ModeData;
  ExpectModes(m, 3, 3, 0);
}

TEST(GaussianOutputFrequencies, AFileCutInADisplacementRowAddsNoModeNumbers) {
  const std::string text = WaterJob();
  const std::string cut = text.substr(0, text.find("     2   1") + std::string("     2   1     0.00").size());
  const MolFile f = ParseText(GAUSSIAN_OUTPUT, cut);
  EXPECT_EQ(f.ModeData.ModeNumbers, (std::vector<std::uint32_t>{1, 2, 3}));
  ASSERT_EQ(f.ModeData.Displacements.size(), 3u);
  EXPECT_EQ(f.ModeData.Displacements[0].Vectors.size(), 1u);
  // A row cut after its first group gives that group to the first mode only.
  const NormalModes firstGroup = ParseText(GAUSSIAN_OUTPUT, cut + "  -0.43  -0.56").ModeData;
  EXPECT_EQ(firstGroup.Displacements[0].Vectors.at(1).z, -0.56);
  EXPECT_EQ(firstGroup.Displacements[2].Vectors.size(), 1u);
  // Mode numbers are whole numbers only, one to three of them.
  EXPECT_EQ(ParseText(GAUSSIAN_OUTPUT, cut + "\n 4 5 6\n").ModeData.ModeNumbers.size(), 6u);
  EXPECT_EQ(ParseText(GAUSSIAN_OUTPUT, cut + "\n 4 5 +6\n").ModeData.ModeNumbers.size(), 3u);
  EXPECT_EQ(ParseText(GAUSSIAN_OUTPUT, cut + "\n 7\n").ModeData.ModeNumbers.size(), 4u);
  EXPECT_EQ(ParseText(GAUSSIAN_OUTPUT, cut + "\n 7.0\n").ModeData.ModeNumbers.size(), 3u);
  // Two of them go on from the last: "2 1" is a row cut after its atomic number.
  EXPECT_EQ(ParseText(GAUSSIAN_OUTPUT, cut + "\n 4 5\n").ModeData.ModeNumbers.size(), 5u);
  EXPECT_EQ(ParseText(GAUSSIAN_OUTPUT, cut + "\n     2   1\n").ModeData.ModeNumbers.size(), 3u);
}

// Without an empty line, a line that is no row ends the block: later rows are not read.
TEST(GaussianOutputFrequencies, ALineThatIsNoRowEndsTheBlock) {
  const std::string text = WaterJob();
  const std::string noBlank = text.substr(0, text.size() - 1) +
                              " Thermochemistry\n     4   1     0.10   0.20   0.30     0.0 0.0 0.0     0.0 0.0 0.0\n";
  const MolFile f = ParseText(GAUSSIAN_OUTPUT, noBlank);
  EXPECT_EQ(f.ModeData.Displacements[0].Vectors.size(), 3u);
}

TEST(GaussianOutputFrequencies, Precision) {
  const std::string rows =
      "      1          8           0        0.123456789012    -1.000000000001    2.5\n";
  const std::string modes =
      "                      1\n"
      "                      A\n"
      " Frequencies --   1234.56789012\n"
      "  Atom  AN      X      Y      Z\n"
      "     1   8     0.123456789012   0.00   -1.000000000001\n";
  const MolFile f = ParseText(GAUSSIAN_OUTPUT, Table(rows) + "\n" + kHeader4 + modes);
  EXPECT_EQ(f.CartesianData.Positions.at(0).x, 0.123456789012);
  EXPECT_EQ(f.CartesianData.Positions.at(0).y, -1.000000000001);
  EXPECT_EQ(f.ModeData.Frequencies[0], static_cast<float>(1234.56789012));
  EXPECT_EQ(f.ModeData.Displacements[0].Vectors[0].x, 0.123456789012);
  EXPECT_EQ(f.ModeData.Displacements[0].Vectors[0].z, -1.000000000001);
}

TEST(GaussianOutputFrequencies, StarsAreNotKnownOtherTextReadsAsZero) {
  // Gaussian prints a value too wide for its column as stars.
  const MolFile f = ParseText(GAUSSIAN_OUTPUT, WaterJob(kHeader4, " Raman Activ --   ***********   1.5   x*\n"));
  ASSERT_EQ(f.ModeData.RamanActivities.size(), 3u);
  EXPECT_FALSE(NormalModes::IsKnown(f.ModeData.RamanActivities[0]));
  EXPECT_EQ(f.ModeData.RamanActivities[1], 1.5f);
  EXPECT_EQ(f.ModeData.RamanActivities[2], 0.0f);
  const MolFile ir = ParseText(GAUSSIAN_OUTPUT, Table(kWaterRows) + "\n" + kHeader4 + kWaterModes.substr(0, kWaterModes.rfind(" IR")) +
                          " IR Inten    --     ******     *          -*\n");
  ASSERT_EQ(ir.ModeData.IRIntensities.size(), 3u);
  EXPECT_FALSE(NormalModes::IsKnown(ir.ModeData.IRIntensities[0]));
  EXPECT_FALSE(NormalModes::IsKnown(ir.ModeData.IRIntensities[1]));
  EXPECT_EQ(ir.ModeData.IRIntensities[2], 0.0f);
  EXPECT_EQ(FormatModeValue(ir.ModeData.IRIntensities[0]), "**********");
  // Narrowed, 1e39 would be an infinite bar in the chart.
  const MolFile huge = ParseText(GAUSSIAN_OUTPUT, WaterJob(kHeader4, " Raman Activ --   1e39   -1e300   2.5\n"));
  EXPECT_EQ(huge.ModeData.RamanActivities, (std::vector<float>{0.0f, 0.0f, 2.5f}));
}

TEST(GaussianOutputExample, WaterReadsFromItsFile) {
  MolFile f;
  f.FileType = GAUSSIAN_OUTPUT;
  ASSERT_TRUE(f.Load(QUIVERA_EXAMPLES "/water.out"));
  ASSERT_EQ(f.AtomIds.Ids.size(), 3u);
  EXPECT_EQ(f.AtomIds.AtomicNumbers.at(0), 8u);
  EXPECT_EQ(f.CartesianData.Positions.at(1).y, 0.763239);  // the standard, not the input, table
  ExpectModes(f.ModeData, 3, 3, 0);
  EXPECT_EQ(f.ModeData.Symmetries[2], "B2");
  EXPECT_EQ(f.ModeData.RamanActivities[1], static_cast<float>(67.7148));
}

