#include <cmath>

#include <gtest/gtest.h>

#include "display/capture/CaptureNames.h"

namespace {

TEST(CaptureNames, ExtensionsAreAddedUnlessExactlyPresent) {
  EXPECT_EQ(WithExtension("shot", ".bmp"), "shot.bmp");
  EXPECT_EQ(WithExtension("shot.bmp", ".bmp"), "shot.bmp");
  EXPECT_EQ(WithExtension("shot.BMP", ".bmp"), "shot.BMP");
  EXPECT_EQ(WithExtension("a.Jpg", ".jpg"), "a.Jpg.jpg");
  EXPECT_EQ(WithExtension("shot.jpg", ".bmp"), "shot.jpg.bmp");
  // A dot in a folder name is no extension.
  EXPECT_EQ(WithExtension("/data.avi/movie", ".avi"), "/data.avi/movie.avi");
  EXPECT_EQ(WithoutExtension("/data/run.bmp"), "/data/run");
  EXPECT_EQ(WithoutExtension("/data.v2/run"), "/data.v2/run");
  EXPECT_EQ(WithoutExtension("/data/run.a.b"), "/data/run.a");
}

TEST(CaptureNames, SeriesNumbersFollowTheClock) {
  EXPECT_EQ(SeriesFileName("/data/run", 3.0L, 3.0L, false), "/data/run00001.bmp");
  EXPECT_EQ(SeriesFileName("/data/run", 297.0L, 3.0L, true), "/data/run00099.jpg");
  // A clock a rounding below or above a whole step still names that step.
  EXPECT_EQ(SeriesFileName("p", 6.0L - 1e-12L, 3.0L, false), "p00002.bmp");
  EXPECT_EQ(SeriesFileName("p", 300000.0L, 3.0L, false), "p100000.bmp");
}

TEST(CaptureNames, ANormalModeStepDividesOnePeriod) {
  // 1000 cm-1: a period of 33.356 fs, in 18 steps.
  const long double step = NormalModeTimeStep(1000.0, 18);
  EXPECT_NEAR(static_cast<double>(step * 18), 1e15 / (1000.0 * 299792458.0 * 100.0), 1e-12);
  EXPECT_LT(NormalModeTimeStep(-1000.0, 18), 0.0L);
  EXPECT_FALSE(std::isfinite(NormalModeTimeStep(0.0, 18)));
}

}  // namespace
