#include <gtest/gtest.h>

#include "MolAnimation.h"
#include "MolFile.h"
#include "MolGL.h"

namespace {

void ExpectSameTable(const Elements& actual, const Elements& expected) {
  EXPECT_EQ(actual.SymbolToNumber, expected.SymbolToNumber);
  EXPECT_EQ(actual.NumberToSymbol, expected.NumberToSymbol);
  EXPECT_EQ(actual.Radii, expected.Radii);
  EXPECT_EQ(actual.VdwRadii, expected.VdwRadii);
  ASSERT_EQ(actual.Colors.size(), expected.Colors.size());
  for (const auto& [number, color] : expected.Colors) {
    const auto& got = actual.Colors.at(number);
    EXPECT_EQ(got.r, color.r);
    EXPECT_EQ(got.g, color.g);
    EXPECT_EQ(got.b, color.b);
    EXPECT_EQ(got.a, color.a);
  }
}

// What a loaded project holds: every part that Clear resets or keeps.
void FillAsLoaded(MolAnimation& animation, std::vector<MolFile>& files, std::vector<MolGL>& models) {
  animation.MolFiles = &files;
  animation.MolGLs = &models;
  animation.DataMode = true;
  animation.FrameDirty = true;
  animation.FrameTime = 30;
  animation.WorkFrame.Freqs[1] = {7, 1650.0f, 1.0f};
  animation.WorkFrame.Rotation.Element[1] = 0.5f;
  animation.Title = "a.qva";
  animation.FileName = "/tmp/a.qva";
  animation.BondColor = {0.1f, 0.2f, 0.3f, 0.5f};
  animation.TimeStep = 10;
  animation.Frames[0].Dipoles[1] = 0.5f;
  animation.Frames[10];
  animation.CurrentFrame = 10;
  animation.FileIndex[1] = 0;
  animation.FileNames[1] = "x.gjf";
  animation.AtomCounts[2] = 3;
  animation.Bonds[2].insert({0, 1});
  animation.ModelTypes[2] = 101;
  animation.SphereScales[2] = 0.5f;
  animation.StickRadii[2] = 0.1f;
  animation.ParticleElements.Colors[6] = {1, 0, 0, 1};
  animation.AtomElements.Colors[8] = {0, 1, 0, 1};
  animation.AtomElements.Radii[8] = 999;
  animation.ShowTime = true;
  animation.TimeText = {" fs", "t = ", "!", {3, 4, 5, 0.5f}, {10, 20, 30, 40}};
  animation.DipoleTexts[1].Unit = " debye";
  animation.FreqTexts[1].Unit = " cm-1";
  animation.SphereSlices = 42;
  animation.SphereStacks = 36;
  animation.CylinderSlices = 32;
  animation.CylinderStacks = 16;
  animation.ModePhases[1] = 2.5L;
}

// A loaded project, then cleared.
class ClearedProject : public ::testing::Test {
 protected:
  void SetUp() override {
    FillAsLoaded(animation, files, models);
    animation.Clear();
  }

  std::vector<MolFile> files = std::vector<MolFile>(1);
  std::vector<MolGL> models = std::vector<MolGL>(1);
  MolAnimation animation;
};

}  // namespace

TEST(MolAnimationModel, StartsEmptyWithTheDesignDefaults) {
  const MolAnimation animation;
  EXPECT_EQ(animation.MolFiles, nullptr);
  EXPECT_EQ(animation.MolGLs, nullptr);
  EXPECT_FALSE(animation.CurrentFrame);
  EXPECT_EQ(animation.Current(), nullptr);
  EXPECT_FALSE(animation.ShowTime);
  EXPECT_EQ(animation.TimeStep, 0);
  EXPECT_EQ(animation.BondColor.r, 0.75f);
  EXPECT_EQ(animation.BondColor.a, 1.0f);
  // Before any Clear the time text is transparent black at (0, 0, 0, 1).
  EXPECT_EQ(animation.TimeText.Color.r, 0);
  EXPECT_EQ(animation.TimeText.Color.a, 0);
  EXPECT_EQ(animation.TimeText.Position.w, 1.0f);
  EXPECT_EQ(animation.SphereSlices, 18);
  EXPECT_EQ(animation.SphereStacks, 9);
  EXPECT_EQ(animation.CylinderSlices, 8);
  EXPECT_EQ(animation.CylinderStacks, 4);
  ExpectSameTable(animation.ParticleElements, Elements());
  for (int i = 0; i < 16; ++i) EXPECT_EQ(animation.WorkFrame.Rotation.Element[i], i % 5 == 0 ? 1.0f : 0.0f);
}

TEST_F(ClearedProject, ForgetsTheProjectButKeepsTheVectorsAndTessellation) {
  EXPECT_EQ(animation.MolFiles, &files);
  EXPECT_EQ(animation.MolGLs, &models);
  EXPECT_FALSE(animation.DataMode);
  EXPECT_FALSE(animation.FrameDirty);
  EXPECT_EQ(animation.FrameTime, 0);
  EXPECT_TRUE(animation.WorkFrame.Freqs.empty());
  EXPECT_EQ(animation.WorkFrame.Rotation.Element[1], 0.0f);
  EXPECT_EQ(animation.Title, "");
  EXPECT_EQ(animation.FileName, "");
  EXPECT_EQ(animation.BondColor.r, 0.75f);
  EXPECT_EQ(animation.BondColor.g, 0.75f);
  EXPECT_EQ(animation.BondColor.b, 0.75f);
  EXPECT_EQ(animation.BondColor.a, 0.5f);  // alpha is the caller's
  EXPECT_EQ(animation.TimeStep, 0);
  EXPECT_TRUE(animation.Frames.empty());
  EXPECT_FALSE(animation.CurrentFrame);
  EXPECT_TRUE(animation.FileIndex.empty());
  EXPECT_TRUE(animation.FileNames.empty());
  EXPECT_TRUE(animation.AtomCounts.empty());
  EXPECT_TRUE(animation.Bonds.empty());
  EXPECT_TRUE(animation.ModelTypes.empty());
  EXPECT_TRUE(animation.SphereScales.empty());
  EXPECT_TRUE(animation.StickRadii.empty());
  EXPECT_TRUE(animation.ModePhases.empty());
  ExpectSameTable(animation.ParticleElements, Elements());
  ExpectSameTable(animation.AtomElements, Elements());
  // The next project shows the time only when it asks for it.
  EXPECT_FALSE(animation.ShowTime);
  EXPECT_EQ(animation.TimeText.Unit, "");
  EXPECT_EQ(animation.TimeText.Prefix, "");
  EXPECT_EQ(animation.TimeText.Postfix, "");
  EXPECT_EQ(animation.TimeText.Position.x, 0.0f);
  EXPECT_EQ(animation.TimeText.Position.y, 0.0f);
  EXPECT_EQ(animation.TimeText.Position.z, 0.0f);
  EXPECT_EQ(animation.TimeText.Position.w, 0.5f);
  EXPECT_EQ(animation.TimeText.Color.r, 1);
  EXPECT_EQ(animation.TimeText.Color.g, 1);
  EXPECT_EQ(animation.TimeText.Color.b, 1);
  EXPECT_EQ(animation.TimeText.Color.a, 1);
  EXPECT_TRUE(animation.DipoleTexts.empty());
  EXPECT_TRUE(animation.FreqTexts.empty());
  EXPECT_EQ(animation.SphereSlices, 42);
  EXPECT_EQ(animation.SphereStacks, 36);
  EXPECT_EQ(animation.CylinderSlices, 32);
  EXPECT_EQ(animation.CylinderStacks, 16);
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
  EXPECT_EQ(copy.Current()->Dipoles.at(1), 2.0f);

  // Frames emptied behind its back (as a reload's reset does): no frame.
  copy.Frames.clear();
  EXPECT_EQ(copy.Current(), nullptr);
  copy.Draw(0, 3);
}
