#include <gtest/gtest.h>

#include "animation/MolAnimation.h"
#include "display/MolGL.h"
#include "molfile/MolFile.h"

namespace {

void ExpectFreshTable(const Elements& table) {
  const Elements fresh;
  EXPECT_EQ(table.Radii, fresh.Radii);
  ASSERT_EQ(table.Colors.size(), fresh.Colors.size());
  for (const auto& [number, color] : fresh.Colors) {
    const auto& got = table.Colors.at(number);
    EXPECT_TRUE(got.r == color.r && got.g == color.g && got.b == color.b && got.a == color.a) << number;
  }
}

// A loaded project, then cleared.
class ClearedProject : public ::testing::Test {
 protected:
  void SetUp() override {
    animation.MolFiles = &files;
    animation.MolGLs = &models;
    animation.DataMode = animation.FrameDirty = true;
    animation.FrameTime = 30;
    animation.WorkFrame.Freqs[1] = {7, 1650.0f, 1.0f};
    animation.WorkFrame.Rotation.Element[1] = 0.5f;
    animation.Title = "a.qva";
    animation.BondColor = {0.1f, 0.2f, 0.3f, 0.5f};
    animation.TimeStep = 10;
    animation.Frames[0];
    animation.Frames[10];
    animation.CurrentFrame = 10;
    animation.FileIndex[1] = 0;
    animation.Bonds[2].insert({0, 1});
    animation.ParticleElements.Colors[6] = {1, 0, 0, 1};
    animation.AtomElements.Radii[8] = 999;
    animation.ShowTime = true;
    animation.TimeText = {" fs", "t = ", "!", {3, 4, 5, 0.5f}, {10, 20, 30, 40}};
    animation.FreqTexts[1].Unit = " cm-1";
    animation.SphereSlices = 42;
    animation.SphereStacks = 36;
    animation.CylinderSlices = 32;
    animation.CylinderStacks = 16;
    animation.ModePhases[1] = 2.5L;
    animation.Clear();
  }

  std::vector<MolFile> files = std::vector<MolFile>(1);
  std::vector<MolGL> models = std::vector<MolGL>(1);
  MolAnimation animation;
};

}  // namespace

TEST(MolAnimationModel, StartsWithNoFrameAndATransparentTimeText) {
  const MolAnimation animation;
  EXPECT_EQ(animation.Current(), nullptr);
  EXPECT_FALSE(animation.ShowTime);
  EXPECT_EQ(animation.TimeText.Color.a, 0);  // Clear makes it (1, 1, 1, 1)
  EXPECT_EQ(animation.TimeText.Position.w, 1.0f);
  EXPECT_EQ(animation.SphereSlices, 18);
  EXPECT_EQ(animation.CylinderStacks, 4);
}

TEST_F(ClearedProject, ForgetsTheProjectButKeepsTheVectorsAndTessellation) {
  EXPECT_EQ(animation.MolFiles, &files);
  EXPECT_EQ(animation.MolGLs, &models);
  EXPECT_FALSE(animation.DataMode || animation.FrameDirty);
  EXPECT_EQ(animation.FrameTime, 0);
  EXPECT_TRUE(animation.WorkFrame.Freqs.empty());
  EXPECT_EQ(animation.WorkFrame.Rotation.Element[1], 0.0f);
  EXPECT_EQ(animation.Title, "");
  EXPECT_EQ(animation.TimeStep, 0);
  EXPECT_TRUE(animation.Frames.empty() && animation.FileIndex.empty() && animation.Bonds.empty() &&
              animation.ModePhases.empty() && animation.FreqTexts.empty());
  EXPECT_FALSE(animation.CurrentFrame);
  // The bond colour goes back to grey; its alpha is not the project's.
  EXPECT_EQ(animation.BondColor.r, 0.75f);
  EXPECT_EQ(animation.BondColor.b, 0.75f);
  EXPECT_EQ(animation.BondColor.a, 0.5f);
  ExpectFreshTable(animation.ParticleElements);
  ExpectFreshTable(animation.AtomElements);
  EXPECT_EQ(animation.SphereSlices, 42);
  EXPECT_EQ(animation.SphereStacks, 36);
  EXPECT_EQ(animation.CylinderSlices, 32);
  EXPECT_EQ(animation.CylinderStacks, 16);
}

TEST_F(ClearedProject, TheNextProjectShowsTheTimeOnlyWhenItAsks) {
  EXPECT_FALSE(animation.ShowTime);
  const MolAnimation::TextData& text = animation.TimeText;
  EXPECT_EQ(text.Unit + text.Prefix + text.Postfix, "");
  EXPECT_EQ(text.Position.x, 0.0f);
  EXPECT_EQ(text.Position.y, 0.0f);
  EXPECT_EQ(text.Position.z, 0.0f);
  EXPECT_EQ(text.Position.w, 0.5f);
  EXPECT_TRUE(text.Color.r == 1 && text.Color.g == 1 && text.Color.b == 1 && text.Color.a == 1);
}

TEST_F(ClearedProject, NothingPlaysOrDraws) {
  animation.ModePhases[1] = 1.0L;  // a phase with no frame to drive it
  EXPECT_FALSE(animation.First());
  EXPECT_FALSE(animation.Last());
  animation.Advance(5, 3);
  EXPECT_EQ(animation.ModePhases[1], 1.0L);
  EXPECT_FALSE(animation.ForwardOneFrame());
  EXPECT_FALSE(animation.ReverseOneFrame());
  EXPECT_FALSE(animation.CurrentFrame);
  animation.Draw(5, 3);
  animation.DrawTexts();
}

TEST(MolAnimationModel, TheCurrentFrameNeverRefersIntoAnotherMap) {
  MolAnimation animation;
  animation.Frames[0].Dipoles[1] = 1.0f;
  animation.Frames[10].Dipoles[1] = 2.0f;
  animation.CurrentFrame = 10;

  MolAnimation copy = animation;
  animation.Clear();
  ASSERT_NE(copy.Current(), nullptr);
  EXPECT_EQ(copy.Current(), &copy.Frames.at(10));

  // Frames emptied behind its back (as a reload's reset does): no frame.
  copy.Frames.clear();
  EXPECT_EQ(copy.Current(), nullptr);
  copy.Draw(0, 3);
}
