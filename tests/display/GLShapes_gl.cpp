#include "display/GLShapes.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

#include "GLContext.h"

namespace {

class GLShapes : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveGL()) GTEST_SKIP() << "no GL context (run under xvfb-run)";
    BeginScene();
  }
  void TearDown() override {
    if (HaveGL()) {
      EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }
  }
};

}  // namespace

TEST_F(GLShapes, OneListPerResolution) {
  DrawSphere(18, 9);
  const std::uint32_t first = SphereLists.at(1179639);
  const std::size_t count = SphereLists.size();
  DrawSphere(18, 9);
  EXPECT_EQ(SphereLists.size(), count);
  EXPECT_EQ(SphereLists.at(1179639), first);
  DrawSphere(9, 18);
  const std::uint32_t second = SphereLists.at(589833);
  EXPECT_NE(second, first);
  EXPECT_NE(second, 0u);
  EXPECT_TRUE(glIsList(first));
  EXPECT_TRUE(glIsList(second));
}

TEST_F(GLShapes, ArrowsShareTheirDiskAcrossStacks) {
  DrawArrow(0.3, 10.0, 16, 8);
  const std::uint32_t disk = DiskLists.at(16);
  DrawArrow(0.3, 10.0, 16, 4);
  EXPECT_EQ(DiskLists.at(16), disk);
  EXPECT_NE(CylinderLists.at(16u * 65535u + 8u), CylinderLists.at(16u * 65535u + 4u));
  EXPECT_NE(ConeLists.at(16u * 65535u + 8u), ConeLists.at(16u * 65535u + 4u));
}

TEST_F(GLShapes, ArrowGeometry) {
  // Looking along -z at a 2 x 2 window, depth spread over -20..20: z of a
  // vertex is 20 - 40 x depth, x and y are window pixels / 32.5 - 1.
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-1, 1, -1, 1, -20, 20);
  glMatrixMode(GL_MODELVIEW);
  glDisable(GL_CULL_FACE);
  // One stack: the shaft and the head have rings only at their ends.
  const Feedback arrow = Capture([] { DrawArrow(0.3, 10.0, 16, 1); });
  glEnable(GL_CULL_FACE);
  ASSERT_FALSE(arrow.Polygons.empty());

  double low = 1e9, high = -1e9, shaftEnd = -1e9;
  for (const auto& polygon : arrow.Polygons) {
    for (const auto& v : polygon) {
      const double x = v[0] / (FrameSize / 2.0) - 1.0, y = v[1] / (FrameSize / 2.0) - 1.0;
      const double z = 20.0 - 40.0 * v[2];
      const double r = std::hypot(x, y);
      low = std::min(low, z);
      high = std::max(high, z);
      if (std::fabs(r - 0.3) < 1e-3) shaftEnd = std::max(shaftEnd, z);
      if (std::fabs(r - 0.6) < 1e-3) {
        EXPECT_NEAR(z, 9.4, 1e-4);  // the head's base
      }
    }
  }
  EXPECT_NEAR(low, 0.0, 1e-4);
  EXPECT_NEAR(high, 10.6, 1e-4);
  EXPECT_NEAR(shaftEnd, 9.7, 1e-4);
}
