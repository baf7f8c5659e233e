// Real Gaussian outputs against an independent reading of each (oracle/*.json).
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "molfile/MolFile.h"
#include "platform/Numbers.h"

namespace fs = std::filesystem;

namespace {

// Just enough JSON for the oracle files: objects, arrays, numbers, strings
// without escapes, and the three literals (read as 0).
struct Json {
  double Number = 0.0;
  std::string Text;
  std::vector<Json> Items;
  std::map<std::string, Json> Members;

  const Json& operator[](const std::string& key) const { return Members.at(key); }
  const Json& operator[](std::size_t i) const { return Items.at(i); }
  std::size_t size() const { return Items.size(); }
};

Json ParseJson(std::string_view& s) {
  const auto skipBlanks = [&s] { s.remove_prefix(std::min(s.find_first_not_of(" \t\r\n"), s.size())); };
  skipBlanks();
  if (s.empty()) throw std::runtime_error("JSON ends early");
  Json value;
  const char open = s[0];
  if (open == '{' || open == '[') {
    s.remove_prefix(1);
    for (skipBlanks(); !s.empty() && s[0] != '}' && s[0] != ']'; skipBlanks()) {
      if (s[0] == ',') {
        s.remove_prefix(1);
      } else if (open == '[') {
        value.Items.push_back(ParseJson(s));
      } else {
        const std::string key = ParseJson(s).Text;
        skipBlanks();
        s.remove_prefix(1);  // ':'
        value.Members[key] = ParseJson(s);
      }
    }
    s.remove_prefix(std::min<std::size_t>(1, s.size()));
  } else if (open == '"') {
    const std::size_t end = s.find('"', 1);
    value.Text = std::string(s.substr(1, end - 1));
    s.remove_prefix(std::min(end + 1, s.size()));
  } else {
    std::size_t used = 0;
    value.Number = ReadDouble(s, &used);
    if (used == 0) used = std::min(s.find_first_of(",]} \t\r\n"), s.size());
    if (used == 0) throw std::runtime_error("bad JSON");
    s.remove_prefix(used);
  }
  return value;
}

Json ReadJson(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  const std::string text = buffer.str();
  std::string_view view = text;
  return ParseJson(view);
}

const fs::path kData = QUIVERA_TESTDATA;

// The normal section prints displacements with two decimals, rounded; the
// oracle may keep the high-precision section's five. Half the last printed
// digit (0.005), and a hair for the oracle's own rounding to five decimals.
constexpr double kDisplacementTolerance = 0.0051;

MolFile LoadOutput(const fs::path& path) {
  MolFile file;
  file.FileType = GAUSSIAN_OUTPUT;
  EXPECT_TRUE(file.Load(path.c_str()));
  return file;
}

void ExpectFloats(const std::vector<float>& values, const Json& expected) {
  ASSERT_EQ(values.size(), expected.size());
  for (std::size_t i = 0; i < values.size(); ++i)
    EXPECT_EQ(values[i], static_cast<float>(expected[i].Number)) << "entry " << i;
}

// The CH3 file's standard orientation is a later job's, turned away from its modes.
const char* const kTurnedLater = "g16_CH3_nosymm_optfreq_link1.log";

void CompareWithOracle(const MolFile& file, const Json& oracle, bool turned) {
  const Json& atoms = oracle["last_standard_orientation_text"];
  ASSERT_EQ(file.AtomIds.Ids.size(), atoms.size());
  for (std::size_t i = 0; i < atoms.size(); ++i) {
    const auto id = static_cast<std::int32_t>(i);
    EXPECT_EQ(file.AtomIds.Labels.at(id), std::to_string(i + 1));
    EXPECT_EQ(file.AtomIds.AtomicNumbers.at(id), static_cast<std::uint32_t>(atoms[i][0].Number));
    const Position<double>& p = file.CartesianData.Positions.at(id);
    if (turned) continue;
    EXPECT_EQ(p.x, atoms[i][1].Number) << "atom " << i;
    EXPECT_EQ(p.y, atoms[i][2].Number) << "atom " << i;
    EXPECT_EQ(p.z, atoms[i][3].Number) << "atom " << i;
  }

  const NormalModes& m = file.ModeData;
  const std::size_t modes = oracle["vibfreqs"].size();
  ASSERT_EQ(m.ModeNumbers.size(), modes);
  for (std::size_t j = 0; j < modes; ++j) EXPECT_EQ(m.ModeNumbers[j], j + 1);
  ASSERT_EQ(m.Symmetries.size(), modes);
  for (std::size_t j = 0; j < modes; ++j) EXPECT_EQ(m.Symmetries[j], oracle["vibsyms"][j].Text);
  ExpectFloats(m.Frequencies, oracle["vibfreqs"]);
  ExpectFloats(m.IRIntensities, oracle["vibirs"]);
  EXPECT_EQ(m.ReducedMasses.size(), modes);
  EXPECT_EQ(m.ForceConstants.size(), modes);
  // Jobs without Raman print no Raman lines; none of these files prints
  // depolarisation ratios in the form that is read ("Depolar --").
  if (oracle.Members.count("vibramans")) ExpectFloats(m.RamanActivities, oracle["vibramans"]);
  else EXPECT_TRUE(m.RamanActivities.empty());
  EXPECT_TRUE(m.Depolarizations.empty());

  const Json& disps = oracle["vibdisps"];
  ASSERT_EQ(m.Displacements.size(), modes);
  for (std::size_t j = 0; j < modes; ++j) {
    const NormalModes::Displacement& d = m.Displacements[j];
    ASSERT_EQ(d.Vectors.size(), atoms.size()) << "mode " << j;
    for (std::size_t a = 0; a < atoms.size(); ++a) {
      EXPECT_EQ(d.AtomNumbers[a], a + 1);
      EXPECT_EQ(d.AtomicNumbers[a], static_cast<std::uint32_t>(atoms[a][0].Number));
      EXPECT_NEAR(d.Vectors[a].x, disps[j][a][0].Number, kDisplacementTolerance) << "mode " << j << " atom " << a;
      EXPECT_NEAR(d.Vectors[a].y, disps[j][a][1].Number, kDisplacementTolerance) << "mode " << j << " atom " << a;
      EXPECT_NEAR(d.Vectors[a].z, disps[j][a][2].Number, kDisplacementTolerance) << "mode " << j << " atom " << a;
    }
  }
}

}  // namespace

TEST(GaussianOutputSamples, AgreeWithTheOracle) {
  const fs::path outputs = kData / "gaussian_out";
  const fs::path oracles = kData / "oracle";
  if (!fs::is_directory(outputs) || !fs::is_directory(oracles))
    GTEST_SKIP() << "no sample files at " << kData;
  int compared = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(outputs)) {
    const fs::path oracle = oracles / (entry.path().filename().string() + ".json");
    if (!fs::exists(oracle)) continue;
    SCOPED_TRACE(entry.path().filename().string());
    CompareWithOracle(LoadOutput(entry.path()), ReadJson(oracle), entry.path().filename() == kTurnedLater);
    ++compared;
  }
  EXPECT_GT(compared, 0);
}

// A program other than Gaussian writes this imitation, with the three-line
// header and plain "Depolar --" lines: every table is filled, one per mode.
TEST(GaussianOutputSamples, ThreeLineHeaderImitation) {
  const fs::path path = kData / "gaussian_out" / "xtb661_dvb_g98format.out";
  if (!fs::exists(path)) GTEST_SKIP() << "no sample file " << path;
  const MolFile file = LoadOutput(path);
  EXPECT_EQ(file.AtomIds.Ids.size(), 20u);
  const NormalModes& m = file.ModeData;
  for (std::size_t size : {m.ModeNumbers.size(), m.Symmetries.size(), m.Frequencies.size(),
                           m.ReducedMasses.size(), m.ForceConstants.size(), m.IRIntensities.size(),
                           m.RamanActivities.size(), m.Depolarizations.size(),
                           m.Displacements.size()})
    EXPECT_EQ(size, 54u);
  EXPECT_EQ(m.Frequencies[0], static_cast<float>(26.1517));
  EXPECT_EQ(m.Symmetries[0], "a");
  for (const NormalModes::Displacement& d : m.Displacements) EXPECT_EQ(d.Vectors.size(), 20u);
}
