#include <gtest/gtest.h>

#include <cmath>

#include "display/Trackball.h"

namespace {

void ExpectIdentity(const float q[4]) {
  EXPECT_EQ(q[0], 0.0f);
  EXPECT_EQ(q[1], 0.0f);
  EXPECT_EQ(q[2], 0.0f);
  EXPECT_EQ(q[3], 1.0f);
}

}  // namespace

TEST(Trackball, NoDragIsTheIdentity) {
  float q[4] = {9, 9, 9, 9};
  Trackball(q, 0, 0, 0, 0);
  ExpectIdentity(q);
  Trackball(q, 0.3f, -0.7f, 0.3f, -0.7f);
  ExpectIdentity(q);
}

TEST(Trackball, DegenerateDragsNeverGiveNaN) {
  float q[4];
  // A window of zero size maps the pointer to infinities or NaN.
  Trackball(q, NAN, NAN, 0.5f, 0.5f);
  ExpectIdentity(q);
  Trackball(q, 0.0f, 0.0f, INFINITY, 0.0f);
  ExpectIdentity(q);
  // Parallel points on the sheet: the cross product vanishes.
  Trackball(q, 1.0f, 1.0f, 2.0f, 2.0f);
  for (float v : q) EXPECT_FALSE(std::isnan(v));
  float axis[3] = {0, 0, 0};
  AxisToQuat(axis, 1.0f, q);
  ExpectIdentity(q);
}

TEST(Trackball, ProjectionMeetsTheSheetAtTheSeam) {
  EXPECT_EQ(ProjectToSphere(0.8f, 0, 0), 0.8f);
  const float d = 0.8f / std::sqrt(2.0f);
  EXPECT_NEAR(ProjectToSphere(0.8f, d, 0), d, 1e-6f);
  EXPECT_NEAR(ProjectToSphere(0.8f, std::nextafter(d, 0.0f), 0), d, 1e-6f);
  EXPECT_NEAR(ProjectToSphere(0.8f, 2.0f, 0), 0.16f, 1e-6f);  // t^2 / d
}

TEST(Trackball, LongDragIsClampedToAHalfTurn) {
  float q[4];
  Trackball(q, -1, -1, 1, 1);
  EXPECT_NEAR(q[3], 0.0f, 1e-6f);  // cos(pi / 2)
  EXPECT_NEAR(q[0] * q[0] + q[1] * q[1] + q[2] * q[2], 1.0f, 1e-5f);
}

TEST(Trackball, DragToTheRightTurnsAboutMinusY) {
  float q[4];
  Trackball(q, 0.0f, 0.0f, 0.2f, 0.0f);
  EXPECT_NEAR(q[0], 0.0f, 1e-7f);
  EXPECT_LT(q[1], 0.0f);
  EXPECT_NEAR(q[2], 0.0f, 1e-7f);
  EXPECT_GT(q[3], 0.9f);
}

TEST(Trackball, NormalizeDividesByTheSquaredNorm) {
  float q[4] = {0, 0, 0, 2};
  NormalizeQuat(q);
  EXPECT_EQ(q[3], 0.5f);
}

TEST(Trackball, AddingTheIdentityOnEitherSideKeepsQ) {
  ResetAddQuatsCounter();
  const float identity[4] = {0, 0, 0, 1};
  const float q[4] = {0.1f, -0.2f, 0.3f, 0.927362f};
  float out[4];
  AddQuats(identity, q, out);
  for (int i = 0; i < 4; ++i) EXPECT_FLOAT_EQ(out[i], q[i]);
  AddQuats(q, identity, out);
  for (int i = 0; i < 4; ++i) EXPECT_FLOAT_EQ(out[i], q[i]);
}

TEST(Trackball, AdditionIsTheHamiltonProductOfTheSecondWithTheFirst) {
  ResetAddQuatsCounter();
  const float a[4] = {0.1f, 0.5f, -0.3f, 0.806f};
  const float b[4] = {-0.6f, 0.2f, 0.4f, 0.663f};
  float q[4];
  AddQuats(a, b, q);
  // b * a, written out independently: w = wb wa - vb.va, v = wb va + wa vb + vb x va.
  const float expected[4] = {
      b[3] * a[0] + a[3] * b[0] + (b[1] * a[2] - b[2] * a[1]),
      b[3] * a[1] + a[3] * b[1] + (b[2] * a[0] - b[0] * a[2]),
      b[3] * a[2] + a[3] * b[2] + (b[0] * a[1] - b[1] * a[0]),
      b[3] * a[3] - (b[0] * a[0] + b[1] * a[1] + b[2] * a[2])};
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(q[i], expected[i], 1e-6f) << i;
  float alias[4] = {a[0], a[1], a[2], a[3]};
  AddQuats(alias, b, alias);  // dest may be one of the inputs
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(alias[i], expected[i], 1e-6f) << i;
}

TEST(Trackball, EveryNinetyEighthAdditionRenormalises) {
  ResetAddQuatsCounter();
  const float identity[4] = {0, 0, 0, 1};
  float q[4] = {0, 0, 0, 2};
  for (int i = 0; i < 96; ++i) AddQuats(identity, q, q);
  AddQuats(identity, q, q);  // the 97th
  EXPECT_EQ(q[3], 2.0f);
  AddQuats(identity, q, q);  // the 98th
  EXPECT_EQ(q[3], 0.5f);
  AddQuats(identity, q, q);  // the count starts again
  EXPECT_EQ(q[3], 0.5f);
}

TEST(Trackball, RotationMatrices) {
  float m[16];
  const float identity[4] = {0, 0, 0, 1};
  BuildRotMatrix(m, identity);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(m[i], i % 5 == 0 ? 1.0f : 0.0f) << i;
  const float s = std::sin(0.785398163f), c = std::cos(0.785398163f);
  const float aboutZ[4] = {0, 0, s, c};
  BuildRotMatrix(m, aboutZ);
  EXPECT_NEAR(m[1], -1.0f, 1e-6f);
  EXPECT_NEAR(m[4], 1.0f, 1e-6f);
  EXPECT_NEAR(m[0], 0.0f, 1e-6f);
  EXPECT_NEAR(m[10], 1.0f, 1e-6f);
  EXPECT_EQ(m[15], 1.0f);
}
