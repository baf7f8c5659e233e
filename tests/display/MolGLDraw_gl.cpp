#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "GLContext.h"
#include "TestModels.h"
#include "display/MolGL.h"

namespace {

using Rgba = std::array<int, 4>;

class MolGLDraw : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveGL()) GTEST_SKIP() << "no GL context (run under xvfb-run)";
    BeginScene();
    ASSERT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  }
  void TearDown() override {
    if (HaveGL()) {
      EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }
  }
};

// O at (-2, 0), H at (2, 0) and a dummy atom at (-2, 3), the dummy bonded to
// O; pure element colours so that each shows plainly.
MolGL Molecule(std::int32_t type) {
  MolGL model;
  model.ModelType = type;
  model.ElementData.Colors[8] = {1.0f, 0.0f, 0.0f, 1.0f};
  model.ElementData.Colors[1] = {0.0f, 1.0f, 0.0f, 1.0f};
  model.ElementData.Colors[0] = {0.0f, 0.0f, 1.0f, 1.0f};
  model.ElementData.Radii[8] = 100.0;
  model.ElementData.Radii[1] = 100.0;
  model.ElementData.Radii[0] = 100.0;
  model.ElementData.VdwRadii[8] = 150.0;
  model.ElementData.VdwRadii[1] = 150.0;
  model.ElementData.VdwRadii.erase(0);
  model.Atoms = {MakeAtom(0, 8, -2, 0, 0), MakeAtom(1, 1, 2, 0, 0), MakeAtom(2, 0, -2, 3, 0)};
  model.AddBond(0, 1);
  model.AddBond(0, 2);
  return model;
}

// Within a few steps of the expected colour (lit faces are near, not exact).
::testing::AssertionResult Near(const Rgba& got, const Rgba& want, int tolerance = 24) {
  for (int i = 0; i < 3; ++i) {
    if (std::abs(got[i] - want[i]) > tolerance)
      return ::testing::AssertionFailure() << "got (" << got[0] << ", " << got[1] << ", " << got[2]
                                           << ") want (" << want[0] << ", " << want[1] << ", "
                                           << want[2] << ")";
  }
  return ::testing::AssertionSuccess();
}

const Rgba kRed{255, 0, 0, 255}, kGreen{0, 255, 0, 255}, kBlue{0, 0, 255, 255}, kGrey{191, 191, 191, 255};

void ExpectBackgroundAwayFromTheMolecule() {
  EXPECT_TRUE(Near(PixelAt(-4.9, -4.9), Background, 0));
  EXPECT_TRUE(Near(PixelAt(4.9, 4.9), Background, 0));
  EXPECT_TRUE(Near(PixelAt(0, -3), Background, 0));
}

}  // namespace

TEST_F(MolGLDraw, SpaceFillingDrawsAtomsOnly) {
  Molecule(SPACE_FILLING).Draw();
  EXPECT_TRUE(Near(PixelAt(-2, 0), kRed));
  EXPECT_TRUE(Near(PixelAt(2, 0), kGreen));
  EXPECT_TRUE(Near(PixelAt(-2, 3), kBlue));  // no vdW entry: 1.0 x 2 = 2.0 across
  EXPECT_FALSE(Near(PixelAt(-2, 1.5), Background, 0));
  EXPECT_TRUE(Near(PixelAt(0, 0), Background, 0));  // no bond between 1.5-wide atoms
  ExpectBackgroundAwayFromTheMolecule();
}

TEST_F(MolGLDraw, BallAndStickInBondColour) {
  Molecule(BALL_AND_STICK).Draw();
  EXPECT_TRUE(Near(PixelAt(-2, 0), kRed));
  EXPECT_TRUE(Near(PixelAt(2, 0), kGreen));
  EXPECT_TRUE(Near(PixelAt(-1, 0), kGrey, 30));
  EXPECT_TRUE(Near(PixelAt(1, 0), kGrey, 30));
  EXPECT_TRUE(Near(PixelAt(-2, 1.5), kGrey, 30));
  EXPECT_TRUE(Near(PixelAt(-2, -0.9), Background, 0));  // beyond the 0.6 ball
  ExpectBackgroundAwayFromTheMolecule();
}

TEST_F(MolGLDraw, ColouredSticksTakeTheirAtomsColours) {
  for (std::int32_t type : {BALL_AND_STICK_COLORED, STICK_COLORED}) {
    BeginScene();
    Molecule(type).Draw();
    SCOPED_TRACE(type);
    EXPECT_TRUE(Near(PixelAt(-2, 0), kRed));
    EXPECT_TRUE(Near(PixelAt(2, 0), kGreen));
    EXPECT_TRUE(Near(PixelAt(-1, 0), kRed, 30));
    EXPECT_TRUE(Near(PixelAt(1, 0), kGreen, 30));
    EXPECT_TRUE(Near(PixelAt(-2, 2.0), kBlue, 30));
    ExpectBackgroundAwayFromTheMolecule();
  }
}

TEST_F(MolGLDraw, SticksDrawAtomsInBondColour) {
  MolGL model = Molecule(STICK);
  model.AtomColors[5] = {1.0f, 1.0f, 0.0f, 1.0f};
  model.Atoms[1].ColorKey = 5;  // an atom's own colour wins
  model.Draw();
  EXPECT_TRUE(Near(PixelAt(-2, 0), kGrey));
  EXPECT_TRUE(Near(PixelAt(2, 0), {255, 255, 0, 255}));
  EXPECT_TRUE(Near(PixelAt(1, 0), kGrey, 30));
  EXPECT_TRUE(Near(PixelAt(-2, -0.3), Background, 0));  // spheres of the bond radius only
  ExpectBackgroundAwayFromTheMolecule();
}

TEST_F(MolGLDraw, WiresAreUnlitLinesAndLeaveLightingOn) {
  Molecule(WIRE).Draw();
  EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
  EXPECT_TRUE(Near(PixelAt(-1, 0), kGrey, 2));
  EXPECT_TRUE(Near(PixelAt(1, 0), kGrey, 2));
  EXPECT_TRUE(Near(PixelAt(-2, 1.5), kGrey, 2));
  EXPECT_TRUE(Near(PixelAt(-2, -0.5), Background, 0));  // no sphere around the atom
  ExpectBackgroundAwayFromTheMolecule();

  BeginScene();
  Molecule(WIRE_COLORED).Draw();
  EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
  EXPECT_TRUE(Near(PixelAt(-1, 0), kRed, 2));
  EXPECT_TRUE(Near(PixelAt(1, 0), kGreen, 2));
  EXPECT_TRUE(Near(PixelAt(-2, 2.5), kBlue, 2));
}

TEST_F(MolGLDraw, HiddenMoleculeDrawsNothing) {
  for (std::int32_t type : {SPACE_FILLING, BALL_AND_STICK, WIRE}) {
    BeginScene();
    MolGL model = Molecule(type);
    model.ShowMolecule = false;
    model.Draw();
    EXPECT_TRUE(Near(PixelAt(-2, 0), Background, 0)) << type;
    EXPECT_TRUE(Near(PixelAt(-1, 0), Background, 0)) << type;
  }
}

TEST_F(MolGLDraw, HiddenDummyAtomsTakeTheirBondsAlong) {
  for (std::int32_t type : {BALL_AND_STICK, STICK_COLORED, WIRE, WIRE_COLORED}) {
    BeginScene();
    MolGL model = Molecule(type);
    model.ShowDummyAtoms = false;
    model.Draw();
    SCOPED_TRACE(type);
    EXPECT_TRUE(Near(PixelAt(-2, 3), Background, 0));
    EXPECT_TRUE(Near(PixelAt(-2, 1.5), Background, 0));
    EXPECT_FALSE(Near(PixelAt(-1, 0), Background, 0));  // the O-H bond stays
  }
}

TEST_F(MolGLDraw, PositionAndRotationPlaceTheMolecule) {
  MolGL model = Molecule(BALL_AND_STICK);
  model.Position = {0.0, -2.0, 0.0, 1.0};
  // A quarter turn about z, stored column by column: x goes to y.
  double* m = model.RotMatrix.Element;
  m[0] = 0; m[1] = 1; m[4] = -1; m[5] = 0;
  model.Draw();
  EXPECT_TRUE(Near(PixelAt(0, -4), kRed));   // O at (-2, 0) -> (0, -2) -> (0, -4)
  EXPECT_TRUE(Near(PixelAt(0, 0), kGreen));  // H at (2, 0) -> (0, 2) -> (0, 0)
}

TEST_F(MolGLDraw, AtomsAreDrawnWhereTheyVibrateTo) {
  MolGL model = Molecule(BALL_AND_STICK);
  model.Atoms[1].Position = {2.0, 2.0, 0.0, 1.0};
  model.Draw();
  EXPECT_TRUE(Near(PixelAt(2, 2), kGreen));
  EXPECT_FALSE(Near(PixelAt(2, 0), kGreen));
}

TEST_F(MolGLDraw, CoincidentAtomsGetLinesButNoCylinder) {
  MolGL model = Molecule(BALL_AND_STICK);
  model.Atoms[1].Position = model.Atoms[0].Position;
  model.Bonds.resize(1);
  const Feedback cylinders = Capture([&] { model.DrawBonds(); });
  EXPECT_TRUE(cylinders.Polygons.empty());
  model.ModelType = WIRE;
  const Feedback lines = Capture([&] { model.DrawBonds(); });
  EXPECT_EQ(lines.Lines.size(), 2u);
  EXPECT_EQ(lines.Points.size(), 3u);
}

TEST_F(MolGLDraw, BondsReferringPastTheAtomsAreSkipped) {
  MolGL model = Molecule(BALL_AND_STICK);
  model.Atoms.resize(2);  // the bond to atom 2 is left dangling by the caller
  // (Feedback of sphere lists crashes Mesa 22; bonds alone are cylinders.)
  const Feedback drawn = Capture([&] { model.DrawBonds(); });
  EXPECT_FALSE(drawn.Polygons.empty());
  model.Draw();
  EXPECT_TRUE(Near(PixelAt(-1, 0), kGrey, 30));
}

namespace {

// World x of a feedback vertex in the scene of BeginScene.
double WorldX(const Feedback::Vertex& v) { return v[0] / FrameSize * 10.0 - 5.0; }

}  // namespace

TEST_F(MolGLDraw, ModeArrowsStartAtEquilibriumAndSkipZeroDisplacements) {
  MolGL model = Molecule(BALL_AND_STICK);
  model.ShowMolecule = false;  // arrows are drawn all the same
  model.Atoms[1].Position = {2.0, 4.0, 0.0, 1.0};
  NormalMode mode;
  mode.ModeNumber = 3;
  mode.Displacements[0] = {0.0, 0.0, 0.0, 1.0};
  mode.Displacements[1] = {0.0, 1.0, 0.0, 1.0};
  model.Modes.push_back(mode);
  model.Modes.push_back(mode);  // a second mode with the same number draws too
  model.Modes.back().Displacements[1] = {0.0, -1.0, 0.0, 1.0};

  const Feedback other = Capture([&] { model.DrawNormalModeArrows(4, 1.0f, 0.1f); });
  EXPECT_TRUE(other.Polygons.empty());
  const Feedback arrows = Capture([&] { model.DrawNormalModeArrows(3, 1.0f, 0.1f); });
  ASSERT_FALSE(arrows.Polygons.empty());
  float low = 1e9f, high = -1e9f;
  for (const auto& polygon : arrows.Polygons) {
    for (const auto& v : polygon) {
      EXPECT_NEAR(WorldX(v), 2.0, 0.25);  // only at atom 1, none at atom 0
      low = std::min(low, v[1]);
      high = std::max(high, v[1]);
    }
  }
  // Up and down from y = 0 (the equilibrium), 1.2 long each way.
  EXPECT_NEAR(low / FrameSize * 10.0 - 5.0, -1.2, 0.1);
  EXPECT_NEAR(high / FrameSize * 10.0 - 5.0, 1.2, 0.1);
}
