// Real files through the builder: Z-matrices placed as independent readings
// place them, every Gaussian output's modes reaching every atom, and bonds
// by distance.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "TestModels.h"
#include "display/MolGL.h"
#include "molfile/MolFile.h"
#include "platform/Numbers.h"

namespace fs = std::filesystem;

namespace {

const fs::path kSamples = QUIVERA_TESTDATA;

std::vector<Position<double>> Build(const fs::path& path, std::int32_t fileType) {
  MolFile file;
  file.FileType = fileType;
  EXPECT_TRUE(file.Load(path.c_str())) << path;
  MolGL model;
  file.ToMolGL(model);
  std::vector<Position<double>> positions;
  for (const Atom& atom : model.Atoms) positions.push_back(atom.BasePosition);
  return positions;
}

// An XYZ file: count, comment, then "symbol x y z" lines.
std::vector<Position<double>> ReadXyz(const fs::path& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  const std::int32_t count = ReadInt(line);
  std::getline(in, line);
  std::vector<Position<double>> positions;
  for (std::int32_t i = 0; i < count && std::getline(in, line); ++i) {
    std::vector<std::string> tokens;
    Tokenize(line, tokens);
    if (tokens.size() < 4) break;
    positions.push_back({ReadDouble(tokens[1]), ReadDouble(tokens[2]), ReadDouble(tokens[3]), 1.0});
  }
  return positions;
}

// Every interatomic distance of `got` equals that of `want`: the same
// molecule whatever the frame.
void ExpectSameDistances(const std::vector<Position<double>>& got, const std::vector<Position<double>>& want,
                         double tolerance) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < got.size(); ++i)
    for (std::size_t j = i + 1; j < got.size(); ++j)
      EXPECT_NEAR(VectorLength(got[i] - got[j]), VectorLength(want[i] - want[j]), tolerance) << i << "-" << j;
}

class BuildingSamples : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::is_directory(kSamples)) GTEST_SKIP() << "no sample files at " << kSamples;
  }
};

}  // namespace

TEST_F(BuildingSamples, ZMatrixInputMatchesItsJobsStandardOrientation) {
  const auto input = Build(kSamples / "gaussian_in/dvb_zmat_commas_Variables.gjf", GAUSSIAN_INPUT);
  const auto output = Build(kSamples / "gaussian_out/g09_dvb_raman.out", GAUSSIAN_OUTPUT);
  ASSERT_EQ(input.size(), 20u);
  ExpectSameDistances(input, output, 1e-4);
}

TEST_F(BuildingSamples, ZMatricesMatchAnIndependentReading) {
  const struct {
    const char* input;
    std::int32_t type;
  } files[] = {{"gaussian_in/CH3_zmat_variables_link1.com", GAUSSIAN_INPUT},
               {"gaussian_in/water_zmat_vars_equals.com", GAUSSIAN_INPUT},
               {"mopac/benzene_zmat_AUTOSYM.mop", MOPAC_INPUT},
               {"mopac/h2o_zmat.mop", MOPAC_INPUT}};
  for (const auto& file : files) {
    SCOPED_TRACE(file.input);
    const fs::path reading = kSamples / "oracle/zmatrix" /
                             ((file.type == MOPAC_INPUT ? "mopin_to_xyz__" : "gzmat_to_xyz__") +
                              fs::path(file.input).filename().string() + ".xyz");
    const auto want = ReadXyz(reading);
    ASSERT_FALSE(want.empty()) << reading;
    ExpectSameDistances(Build(kSamples / file.input, file.type), want, 1e-4);
  }
}

TEST_F(BuildingSamples, EveryOutputGivesOneModePerFrequencyReachingEveryAtom) {
  int outputs = 0;
  for (const auto& entry : fs::directory_iterator(kSamples / "gaussian_out")) {
    SCOPED_TRACE(entry.path().filename().string());
    MolFile file;
    file.FileType = GAUSSIAN_OUTPUT;
    ASSERT_TRUE(file.Load(entry.path().c_str()));
    MolGL model;
    file.ToMolGL(model);
    ASSERT_FALSE(model.Atoms.empty());
    EXPECT_FALSE(file.ModeData.Frequencies.empty());
    EXPECT_EQ(model.Modes.size(), file.ModeData.Frequencies.size());
    for (const NormalMode& mode : model.Modes) EXPECT_EQ(mode.Displacements.size(), model.Atoms.size()) << mode.ModeNumber;
    ++outputs;
  }
  EXPECT_EQ(outputs, 7);
}

// No real molecule comes near the limit of bonds an atom takes: every
// sample bonds by distance exactly as comparing every pair does.
TEST_F(BuildingSamples, EverySampleBondsByDistanceAsEveryPairCompared) {
  const struct {
    const char* folder;
    std::int32_t type;
  } kinds[] = {{"gaussian_in", GAUSSIAN_INPUT}, {"gaussian_out", GAUSSIAN_OUTPUT}, {"mopac", MOPAC_INPUT},
               {"tinker", TINKER_XYZ}};
  int files = 0;
  for (const auto& kind : kinds) {
    for (const auto& entry : fs::directory_iterator(kSamples / kind.folder)) {
      SCOPED_TRACE(entry.path().filename().string());
      MolFile file;
      file.FileType = kind.type;
      ASSERT_TRUE(file.Load(entry.path().c_str()));
      MolGL model;
      file.ToMolGL(model);
      model.Bonds.clear();
      model.AutoBond();
      EXPECT_EQ(BondIds(model), EveryPairWithinReach(model));
      ++files;
    }
  }
  EXPECT_EQ(files, 31);
}
