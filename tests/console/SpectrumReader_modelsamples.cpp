// Real JCAMP-DX files from public sources.
#include "console/model/SpectrumReader.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::vector<SpectrumPoint> ReadSample(const char* name, SpectrumFormat format = SpectrumFormat::Jcamp) {
  const std::filesystem::path path = std::filesystem::path(QUIVERA_TESTDATA) / "spectra/jcamp" / name;
  std::vector<SpectrumPoint> points;
  EXPECT_TRUE(LoadSpectrumFile(path.string(), format, points)) << path;
  return points;
}

class JcampSamples : public testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::is_directory(std::filesystem::path(QUIVERA_TESTDATA) / "spectra/jcamp"))
      GTEST_SKIP() << "no sample spectra in " << QUIVERA_TESTDATA;
  }
};

}  // namespace

// Labels fused with their values and values separated only by their signs.
TEST_F(JcampSamples, IupacTestFileGivesAllItsPoints) {
  const auto points = ReadSample("PE1800_iupac_test.dx");
  ASSERT_EQ(points.size(), 3301u);
  EXPECT_DOUBLE_EQ(points.front().X, 4000.0);
  EXPECT_DOUBLE_EQ(points.front().Y, 10160.0);
  EXPECT_DOUBLE_EQ(points.back().X, 700.0);
  EXPECT_DOUBLE_EQ(points.back().Y, 10124.0);
  for (std::size_t i = 1; i < points.size(); ++i)
    ASSERT_DOUBLE_EQ(points[i].X, 4000.0 - static_cast<double>(i)) << "point " << i;
}

TEST_F(JcampSamples, BlankSeparatedAffnFiles) {
  const auto curve = ReadSample("lancashire_fixinc4.jdx");
  ASSERT_EQ(curve.size(), 81u);
  EXPECT_FLOAT_EQ(curve.front().X, -2.0f);
  EXPECT_NEAR(curve[40].X, 0.0, 1e-6);  // the increment derived from 81 points over -2 to 2
  EXPECT_FLOAT_EQ(curve[40].Y, 1073741824.0f);
  EXPECT_FLOAT_EQ(curve.back().X, 2.0f);

  const auto epr = ReadSample("lancashire_xyinc2.jdx");
  // Some of its lines were overwritten by compressed data, which gives none.
  ASSERT_EQ(epr.size(), 257u);
  EXPECT_FLOAT_EQ(epr.back().X, 3938.0f);
  EXPECT_FLOAT_EQ(epr.back().Y, -0.137f);
}

TEST_F(JcampSamples, CompressedAndXyPairFilesGiveNothing) {
  EXPECT_TRUE(ReadSample("isopropanol_ASDF_compressed.jdx").empty());
  EXPECT_TRUE(ReadSample("ethanol_DIF_compressed.jdx").empty());
  EXPECT_TRUE(ReadSample("tannic_acid_raman_XYpairs.jdx").empty());
}
