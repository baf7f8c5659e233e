// The writes of frame drawing into the display models. The models are hidden,
// so nothing but matrix calls reaches GL, which without a current context
// does nothing.
#include <gtest/gtest.h>

#include <cmath>

#include "animation/MolAnimation.h"
#include "display/MolGL.h"

namespace {

// One atom at the origin that modes 1, 2 and 3 all move along +x.
MolGL Model() {
  MolGL model;
  model.ShowMolecule = false;
  model.Atoms.resize(1);
  for (int number = 1; number <= 3; ++number) {
    NormalMode mode;
    mode.ModeNumber = number;
    mode.Animate = true;
    mode.Phase = 9;
    mode.Displacements[0] = {1, 0, 0, 1};
    model.Modes.push_back(mode);
  }
  return model;
}

}  // namespace

TEST(FrameDrawing, EachPlacedMoleculeVibratesInItsFramesMode) {
  std::vector<MolGL> models{Model(), Model(), Model()};
  MolAnimation animation;
  animation.MolGLs = &models;
  animation.FileIndex = {{1, 1}, {2, -1}, {3, 2}};
  animation.ModePhases[1] = 0.5L;
  MolAnimation::MolFrame& frame = animation.Frames[0];
  frame.Molecules.insert({1, {}});
  frame.Molecules.insert({2, {}});  // its file failed: skipped
  frame.Molecules.insert({3, {}});  // no %FREQ entry under 3
  frame.Molecules.insert({4, {}});  // never named by %FILE: the first molecule
  frame.Freqs[1] = {2, 1000.0f, 0.25f};
  frame.Freqs[4] = {5, 1000.0f, 3.0f};  // no mode 5
  animation.CurrentFrame = 0;

  animation.Draw(0, 3);

  const MolGL& placed = models[1];
  EXPECT_EQ(placed.NMMagnitude, 0.25);
  EXPECT_FALSE(placed.Modes[0].Animate);
  EXPECT_EQ(placed.Modes[0].Phase, 0);
  EXPECT_TRUE(placed.Modes[1].Animate);
  EXPECT_EQ(placed.Modes[1].Phase, 0.5L);
  EXPECT_FALSE(placed.Modes[2].Animate);
  EXPECT_DOUBLE_EQ(placed.Atoms[0].Position.x, 0.25 * std::sin(0.5));

  for (const MolGL* still : {&models[0], &models[2]}) {
    EXPECT_EQ(still->NMMagnitude, 1.0);
    for (const NormalMode& mode : still->Modes) EXPECT_FALSE(mode.Animate);
    EXPECT_EQ(still->Atoms[0].Position.x, 0.0);
  }
  EXPECT_TRUE(animation.ModePhases.count(4) == 0 && animation.FileIndex.count(4) == 0);
}

TEST(FrameDrawing, IndicesPastTheModelsAreSkipped) {
  std::vector<MolGL> models{Model()};
  MolAnimation animation;
  animation.MolGLs = &models;
  animation.FileIndex[1] = 1;
  animation.Frames[0].Molecules.insert({1, {}});
  animation.Frames[0].Freqs[1] = {1, 1000.0f, 1.0f};
  animation.CurrentFrame = 0;

  animation.Draw(0, 3);
  EXPECT_TRUE(models[0].Modes[0].Animate);  // untouched
  EXPECT_EQ(models[0].Modes[0].Phase, 9);

  animation.MolGLs = nullptr;
  animation.Draw(0, 3);
}
