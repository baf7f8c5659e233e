#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "ParseText.h"

namespace {

MolFile Tinker(const std::string& text) { return ParseText(TINKER_XYZ, text); }

std::vector<std::string> Connections(const MolFile& f, std::int32_t id) {
  std::vector<std::string> tokens;
  const auto [first, last] = f.AtomIds.Connections.equal_range(id);
  for (auto it = first; it != last; ++it) tokens.push_back(it->second);
  return tokens;
}

TEST(TinkerXyz, AtomsAndConnections) {
  const MolFile f = Tinker(
      "     3  water\n"
      "     1  OW    0.000000    0.000000    0.117300     1\n"
      "\n"
      "     2  HW\n"
      "     2  HW    0.757200   -0.000000   -0.469200\n"
      "     3  HW,  -0.757200,   0.000000,  -0.469200,  2,  1,  2\n");
  EXPECT_EQ(f.Name, "     3  water");
  ASSERT_EQ(f.AtomIds.Ids, (std::vector<std::int32_t>{0, 1, 2}));
  EXPECT_EQ(f.CartesianData.Count, 3);
  EXPECT_EQ(f.AtomIds.Labels.at(0), "1");
  EXPECT_EQ(f.AtomIds.Labels.at(2), "3");
  EXPECT_EQ(f.AtomIds.LineIndexes.at(1), 4u);
  EXPECT_EQ(f.AtomIds.AtomicNumbers.at(0), 8u);
  EXPECT_EQ(f.AtomIds.AtomicNumbers.at(1), 1u);
  for (std::int32_t id : f.AtomIds.Ids) EXPECT_EQ(f.AtomIds.Kinds.at(id), CARTESIAN);
  EXPECT_EQ(f.CartesianData.Positions.at(2).x, -0.7572);
  EXPECT_EQ(f.CartesianData.Positions.at(2).z, -0.4692);
  EXPECT_TRUE(Connections(f, 0).empty());
  EXPECT_TRUE(Connections(f, 1).empty());
  EXPECT_EQ(Connections(f, 2), (std::vector<std::string>{"1", "2"}));
}

TEST(TinkerXyz, BoxLineAndOtherNonAtomLines) {
  const MolFile f = Tinker(
      "   200  Liquid Bromine\n"
      "   20.556300   20.556300   20.556300   90.000000   90.000000   90.000000\n"
      "     1  Br     1.40000000   17.92000000    5.96000000     1     2\n"
      "  Br1  Br     1.0  2.0  3.0     1\n"
      "     2  CL    -0.44000000   18.45000000    4.72000000     1     1\n"
      "     3  NA    0 0 0\n");
  ASSERT_EQ(f.AtomIds.Ids.size(), 3u);
  EXPECT_EQ(f.AtomIds.LineIndexes.at(0), 2u);
  EXPECT_EQ(f.AtomIds.LineIndexes.at(1), 4u);
  // Force-field names: an upper-case second letter is not part of the element.
  EXPECT_EQ(f.AtomIds.AtomicNumbers.at(0), 35u);
  EXPECT_EQ(f.AtomIds.AtomicNumbers.at(1), 6u);
  EXPECT_EQ(f.AtomIds.AtomicNumbers.at(2), 7u);
}

// A count on the first line bounds the molecule: archives hold one frame
// after another, each with its own count and title.
TEST(TinkerXyz, TheCountBoundsTheMolecule) {
  const std::pair<const char*, std::vector<std::uint32_t>> cases[] = {
      {"2 one\n 1 O 0 0 0 1\n 2 H 1 0 0 2\n 2 Hexane MM3 minimised second frame\n 1 O 0 0 1 1\n", {1, 2}},
      {"1 box\n 20 20 20 90 90 90\n 1 Br 0 0 0 1\n", {2}},
      {"2 t\n\n 1 C 0 0 0\nfoo\n 2 C 1 1 1\n 3 C 2 2 2\n", {2, 4}},  // only atom lines count
      {"0 nothing\n 1 C 0 0 0\n", {}},
      {"Hexane frames\n 1 C 0 0 0\n 2 Hexane a b c d\n", {1, 2}},  // no count
  };
  for (const auto& [text, atomLines] : cases) {
    const MolFile f = Tinker(text);
    std::vector<std::uint32_t> lines;
    for (std::int32_t id : f.AtomIds.Ids) lines.push_back(f.AtomIds.LineIndexes.at(id));
    EXPECT_EQ(lines, atomLines) << text;
  }
}

TEST(TinkerXyz, OneLineFilesAndNames) {
  MolFile f;
  f.Name = "given";
  f.FileType = TINKER_XYZ;
  f.Lines = {"0 empty"};
  f.Parse();
  EXPECT_EQ(f.Name, "0 empty");
  EXPECT_TRUE(f.AtomIds.Ids.empty());

  f.Lines.clear();
  f.Parse();
  EXPECT_EQ(f.Name, "0 empty");
}

}  // namespace
