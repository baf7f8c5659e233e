// Particle molecules of a frame drawn in a real context: spheres and half
// sticks in the model's colours, and nothing for models that draw nothing.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include "animation/MolAnimation.h"
#include "tests/display/GLContext.h"

namespace {

class ParticleDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveGL()) GTEST_SKIP() << "no GL context: run under Xvfb";
    // Carbon red and oxygen blue, both 100 pm; a carbon at x = -2 bonded
    // to an oxygen at x = 2.
    Run("%COLOR 6 #FF0000 100");
    Run("%COLOR 8 #0000FF 100");
    Run("%MOL 1 2 1");
    Run("%DATA");
  }
  void Run(std::string_view statement) {
    std::vector<std::string> tokens;
    MolAnimation::Tokenize(statement, tokens);
    animation.ParseLine(tokens);
  }
  // Stores one frame of `row` and draws it.
  void Draw(std::string_view row) {
    Run(row);
    animation.ParseLine({});
    BeginScene();
    animation.Draw(0, 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  }

  MolAnimation animation;
};

bool Reddish(const std::array<int, 4>& p) { return p[0] > 150 && p[1] < 60 && p[2] < 60; }
bool Bluish(const std::array<int, 4>& p) { return p[2] > 150 && p[0] < 60 && p[1] < 60; }
bool Greyish(const std::array<int, 4>& p) {
  return p[0] > 120 && std::abs(p[0] - p[1]) < 10 && std::abs(p[1] - p[2]) < 10;
}

}  // namespace

TEST_F(ParticleDrawing, ColouredSticksTakeTheColourOfTheirOwnEnd) {
  Run("%MODELTYPE 1 BALL&STICK_COLORED 0.5 0.4");
  Draw("0 1 6 -2 0 0 8 2 0 0");
  EXPECT_TRUE(Reddish(PixelAt(-2, 0)));
  EXPECT_TRUE(Bluish(PixelAt(2, 0)));
  // Spheres of 0.5 x 1.0 reach 0.5 from each end; the sticks show between.
  EXPECT_TRUE(Reddish(PixelAt(-0.5, 0)));
  EXPECT_TRUE(Bluish(PixelAt(0.5, 0)));
  EXPECT_EQ(PixelAt(0, 1), Background);  // the stick is thin
}

TEST_F(ParticleDrawing, PlainSticksAndStickSpheresAreTheBondColour) {
  Run("%MODELTYPE 1 STICK 0.4");
  Draw("0 1 6 -2 0 0 8 2 0 0");
  // Spheres of 0.95 x the stick radius in the bond colour.
  EXPECT_TRUE(Greyish(PixelAt(-2, 0)));
  EXPECT_TRUE(Greyish(PixelAt(0.5, 0)));
  EXPECT_EQ(PixelAt(-2, 0.6), Background);
}

TEST_F(ParticleDrawing, ModelsThatDrawNothingAndBadRowsDrawNothing) {
  Draw("0 1 6 -2 0 0 8 2 0 0");  // no %MODELTYPE
  EXPECT_EQ(PixelAt(-2, 0), Background);
  Run("%MODELTYPE 1 WIRE");
  Draw("0 1 6 -2 0 0 8 2 0 0");
  EXPECT_EQ(PixelAt(-2, 0), Background);

  // Space filling with an element that has no colour or radius; sticks
  // between two particles in one place, and to a particle the row lacks
  // (the count shrank after the bits were read).
  Run("%MODELTYPE 1 SPACE_FILLING");
  Run("%MOL 1 1");
  Run("%MODELTYPE 2 BALL&STICK 1 1");
  Run("%MOL 2 3 101");
  Run("%MOL 2 2");
  Run("%TIME 10");
  Run("0 1 6 -2 0 0 200 2 0 0");
  Draw("0 2 8 3 3 0 8 3 3 0");
  animation.Advance(10, 0);
  BeginScene();
  animation.Draw(0, 0);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  EXPECT_TRUE(Reddish(PixelAt(-2, 0)));
  EXPECT_TRUE(Reddish(PixelAt(-1.2, 0)));  // a full 100 pm sphere
  EXPECT_EQ(PixelAt(2, 0), Background);
  EXPECT_EQ(PixelAt(3, 1.5), Background);
  EXPECT_EQ(PixelAt(0, 0), Background);
}

TEST_F(ParticleDrawing, TheFrameRotationTurnsTheWholeFrame) {
  Run("%MODELTYPE 1 BALL&STICK_COLORED 0.5 0.4");
  // A quarter turn about z: x goes to y.
  Run("%ROTATION MATRIX 0 1 0 -1 0 0 0 0 1");
  Draw("0 1 6 -2 0 0 8 2 0 0");
  EXPECT_TRUE(Reddish(PixelAt(0, -2)));
  EXPECT_TRUE(Bluish(PixelAt(0, 2)));
  EXPECT_EQ(PixelAt(-2, 0), Background);
}
