#include <gtest/gtest.h>

#include <cmath>

#include "core/Geometry.h"

namespace {

struct Spherical {
  double r, theta, phi;
};

Spherical ToSpherical(double x, double y, double z) {
  Spherical s{};
  CartesianToSpherical({x, y, z, 1.0}, s.r, s.theta, s.phi);
  return s;
}

}  // namespace

TEST(CartesianToSpherical, AzimuthRunsFromMinusHalfPiToThreeHalvesPi) {
  struct Case {
    double x, y, z, r, theta, phi;
  };
  const double s2 = std::sqrt(2.0);
  const Case cases[] = {
      {1, 0, 0, 1, Pi / 2, 0},
      {-1, 0, 0, 1, Pi / 2, Pi},
      {0, 1, 0, 1, Pi / 2, Pi / 2},
      {0, -1, 0, 1, Pi / 2, -Pi / 2},
      {1, 1, 0, s2, Pi / 2, Pi / 4},
      {1, -1, 0, s2, Pi / 2, -Pi / 4},
      {-1, 1, 0, s2, Pi / 2, 3 * Pi / 4},
      {-1, -1, 0, s2, Pi / 2, 5 * Pi / 4},  // not -3pi/4
      {0, 0, 2, 2, 0, Pi},
      {0, 0, -2, 2, Pi, Pi},
      {-0.0, 0, 1, 1, 0, Pi},
  };
  for (const Case& c : cases) {
    const Spherical s = ToSpherical(c.x, c.y, c.z);
    SCOPED_TRACE(testing::Message() << c.x << ", " << c.y << ", " << c.z);
    EXPECT_NEAR(s.r, c.r, 1e-15);
    EXPECT_NEAR(s.theta, c.theta, 1e-15);
    EXPECT_NEAR(s.phi, c.phi, 1e-15);
  }
}

TEST(CartesianToSpherical, DegenerateVectorsStayFinite) {
  const Spherical zero = ToSpherical(0, 0, 0);
  EXPECT_EQ(zero.r, 0.0);
  EXPECT_EQ(zero.theta, 0.0);
  EXPECT_EQ(zero.phi, Pi);
  // Squares that underflow leave a length of 0: still no NaN.
  const Spherical tiny = ToSpherical(1e-300, 0, 1e-300);
  EXPECT_TRUE(std::isfinite(tiny.theta));
  EXPECT_TRUE(std::isfinite(tiny.phi));
}

TEST(Position, ArithmeticAlwaysGivesWOne) {
  const Position<double> a{1, 2, 3, 0}, b{0.5, -1, 4, 0};
  const Position<double> d = a - b;
  EXPECT_EQ(d.x, 0.5);
  EXPECT_EQ(d.y, 3.0);
  EXPECT_EQ(d.z, -1.0);
  EXPECT_EQ(d.w, 1.0);
  const Position<double> zero = 0.0 * a;
  EXPECT_EQ(zero.x + zero.y + zero.z, 0.0);
  EXPECT_EQ(zero.w, 1.0);
  const Position<double> twice = a * 2.0;
  EXPECT_EQ(twice.z, 6.0);
  EXPECT_EQ(twice.w, 1.0);
  EXPECT_EQ(VectorLength({3, 4, 12, 7}), 13.0);  // w plays no part
}

TEST(GeometryDefaults, PositionTransformationColor) {
  const Position<float> p;
  EXPECT_EQ(p.x + p.y + p.z, 0.0f);
  EXPECT_EQ(p.w, 1.0f);
  const Transformation<double> t;
  for (int i = 0; i < 16; ++i) EXPECT_EQ(t.Element[i], i % 5 == 0 ? 1.0 : 0.0) << i;
  const GraphicHandler::Color<float> c;
  EXPECT_EQ(c.r + c.g + c.b + c.a, 0.0f);
}
