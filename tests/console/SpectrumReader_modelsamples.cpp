// Real JCAMP-DX files from public sources.
#include "console/model/SpectrumReader.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

SpectrumReading ReadSample(const char* name, SpectrumFormat format = SpectrumFormat::Jcamp) {
  const std::filesystem::path path = std::filesystem::path(QUIVERA_TESTDATA) / "spectra/jcamp" / name;
  SpectrumReading reading;
  EXPECT_TRUE(LoadSpectrumFile(path.string(), format, reading)) << path;
  return reading;
}

class JcampSamples : public testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::is_directory(std::filesystem::path(QUIVERA_TESTDATA) / "spectra/jcamp"))
      GTEST_SKIP() << "no sample spectra in " << QUIVERA_TESTDATA;
  }
};

}  // namespace

// Labels fused with their values, values separated only by their signs, and
// a Y factor of 0.0001.
TEST_F(JcampSamples, IupacTestFileGivesAllItsPoints) {
  const auto points = ReadSample("PE1800_iupac_test.dx").Points;
  ASSERT_EQ(points.size(), 3301u);
  EXPECT_DOUBLE_EQ(points.front().X, 4000.0);
  EXPECT_FLOAT_EQ(points.front().Y, 1.016f);  // ##FIRSTY=1.0160
  EXPECT_DOUBLE_EQ(points.back().X, 700.0);
  EXPECT_FLOAT_EQ(points.back().Y, 1.0124f);
  for (std::size_t i = 1; i < points.size(); ++i)
    ASSERT_DOUBLE_EQ(points[i].X, 4000.0 - static_cast<double>(i)) << "point " << i;
}

TEST_F(JcampSamples, BlankSeparatedAffnWithAYFactor) {
  const auto curve = ReadSample("lancashire_fixinc4.jdx").Points;
  ASSERT_EQ(curve.size(), 81u);
  EXPECT_FLOAT_EQ(curve.front().X, -2.0f);
  EXPECT_NEAR(curve[40].X, 0.0, 1e-6);  // the increment derived from 81 points over -2 to 2
  EXPECT_NEAR(curve[40].Y, 1.0, 1e-4);  // 1073741824 times the Y factor 9.3132E-10
  EXPECT_FLOAT_EQ(curve.back().X, 2.0f);
}

TEST_F(JcampSamples, CompressedAndXyPairFilesGiveNothingAndSayWhy) {
  // Some of xyinc2's lines were overwritten by compressed data.
  for (const char* name :
       {"isopropanol_ASDF_compressed.jdx", "ethanol_DIF_compressed.jdx", "lancashire_xyinc2.jdx"})
    EXPECT_EQ(ReadSample(name).Gap, SpectrumGap::CompressedData) << name;
  EXPECT_EQ(ReadSample("tannic_acid_raman_XYpairs.jdx").Table, "(XY..XY)");
}
