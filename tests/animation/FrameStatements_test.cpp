// The statements that fill frames, and the data rows, fed one statement at a
// time as the reader dispatches them.
#include <gtest/gtest.h>

#include "animation/MolAnimation.h"

namespace {

class FrameStatements : public ::testing::Test {
 protected:
  void SetUp() override { Run("%DATA"); }
  // One statement, tokenized as the reader does.
  void Run(std::string_view statement) {
    std::vector<std::string> tokens;
    MolAnimation::Tokenize(statement, tokens);
    animation.ParseLine(tokens);
  }
  // An empty line: the end of a dirty frame.
  void End() { animation.ParseLine({}); }

  MolAnimation animation;
};

// A row of `groups` groups of four after "0 1".
std::string CoordinateRow(int groups) {
  std::string row = "0 1";
  for (int g = 0; g < groups; ++g) row += " 6 " + std::to_string(g) + " 0 0";
  return row;
}

}  // namespace

TEST_F(FrameStatements, TimesComeFromTheStepAndFromTime) {
  Run("%TIMESTEP 2.5");
  for (int k = 0; k < 3; ++k) {
    Run("0 1 6 0 0 0");
    End();
  }
  // %TIME after a frame's rows names that frame's time.
  Run("0 1 6 0 0 0");
  Run("%TIME 100");
  Run("0 1 6 0 0 0");
  End();
  std::vector<long double> times;
  for (const auto& entry : animation.Frames) times.push_back(entry.first);
  EXPECT_EQ(times, (std::vector<long double>{0, 2.5, 5, 100, 102.5}));
  EXPECT_EQ(animation.FrameTime, 105);
  EXPECT_EQ(animation.CurrentFrame, 0);
}

TEST_F(FrameStatements, FreqAmplitudeNeedsALeadingDigitAndTheFirstEntryStays) {
  Run("%FREQ 1 3 1650.5 0.5");
  Run("%FREQ 1 4 999");  // same key: the first entry stays
  Run("%FREQ 2 3 1650.5 .5");
  Run("%FREQ 3 3 1650.5 -2");
  Run("%FREQ 4 3");  // too short
  const auto& freqs = animation.WorkFrame.Freqs;
  ASSERT_EQ(freqs.size(), 3u);
  EXPECT_EQ(freqs.at(1).Mode, 3);
  EXPECT_EQ(freqs.at(1).Frequency, 1650.5f);
  EXPECT_EQ(freqs.at(1).Amplitude, 0.5f);
  EXPECT_EQ(freqs.at(2).Amplitude, 1.0f);
  EXPECT_EQ(freqs.at(3).Amplitude, 1.0f);

  // Phases belong to keys across frames: an existing one is kept.
  animation.ModePhases[1] = 4;
  Run("0 1");
  End();
  Run("%FREQ 1 3 1700");
  EXPECT_EQ(animation.ModePhases.at(1), 4);
  EXPECT_EQ(animation.ModePhases.size(), 3u);
  // Frame statements after an ending belong to the next frame.
  EXPECT_EQ(animation.Frames.at(0).Freqs.size(), 3u);
  EXPECT_EQ(animation.WorkFrame.Freqs.size(), 1u);
}

TEST_F(FrameStatements, DipoleAndRotationNeedTheirTokens) {
  Run("%DIPOLE 1 0.5");
  Run("%DIPOLE 1 0.7");
  Run("%DIPOLE 2");
  EXPECT_EQ(animation.WorkFrame.Dipoles, (std::map<std::uint32_t, float>{{1, 0.5f}}));

  Run("%ROTATION MATRIX 1 2 3 4 5 6 7 8");  // ten tokens
  Run("%ROTATION matrix 1 2 3 4 5 6 7 8 9");
  for (int i = 0; i < 16; ++i) EXPECT_EQ(animation.WorkFrame.Rotation.Element[i], i % 5 == 0 ? 1 : 0);
  Run("%ROTATION MATRIX 1 2 3 4 5 6 7 8 9");
  const float expected[16] = {1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0, 0, 0, 0, 1};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(animation.WorkFrame.Rotation.Element[i], expected[i]) << i;
  // A frame end starts the next frame with the identity.
  Run("0 1");
  End();
  EXPECT_EQ(animation.WorkFrame.Rotation.Element[1], 0);
  EXPECT_EQ(animation.Frames.at(0).Rotation.Element[1], 2);
}

TEST_F(FrameStatements, CoordinateRowsNeedFourTokensPerDeclaredParticle) {
  Run("%MOL 1 3");
  Run(CoordinateRow(3).substr(0, CoordinateRow(3).size() - 2));  // 13 tokens: ignored
  EXPECT_TRUE(animation.FrameDirty);  // a row it ignores still makes it dirty
  EXPECT_TRUE(animation.WorkFrame.Particles.empty());
  Run(CoordinateRow(3));                // 14 tokens
  Run(CoordinateRow(4));                // 18 tokens: groups beyond the count are taken
  Run(CoordinateRow(3) + " 8 1 2");     // 17 tokens: the incomplete group is dropped
  std::vector<std::size_t> sizes;
  for (const auto& [id, particles] : animation.WorkFrame.Particles) sizes.push_back(particles.size());
  EXPECT_EQ(sizes, (std::vector<std::size_t>{3, 4, 3}));
  const MolAnimation::Particle& p = animation.WorkFrame.Particles.begin()->second[2];
  EXPECT_EQ(p.Element, 6);
  EXPECT_EQ(p.Position.x, 2);
  EXPECT_EQ(p.Position.w, 1);

  // Without %MOL any number of groups is taken; "0 5" stores an empty vector.
  Run("0 5");
  Run("MOL 6 8 1 2 3");
  EXPECT_TRUE(animation.WorkFrame.Particles.find(5)->second.empty());
  EXPECT_EQ(animation.WorkFrame.Particles.find(6)->second.size(), 1u);
  EXPECT_EQ(animation.AtomCounts.at(5), 0u);
  // Any other kind stores nothing.
  Run("5 1 6 0 0 0");
  EXPECT_EQ(animation.WorkFrame.Particles.size(), 5u);
}

TEST_F(FrameStatements, AHugeParticleCountDoesNotWrapToASmallOne) {
  // 4 x 2^30 wraps to 0 in 32 bits, which would take any row.
  Run("%MOL 1 1073741824");
  Run("0 1 6 0 0 0");
  Run("%MOL 2 -1");
  Run("0 2 6 0 0 0");
  EXPECT_TRUE(animation.WorkFrame.Particles.empty());
}

TEST_F(FrameStatements, ViewRowsPlaceMoleculesAndMayClipTheFrame) {
  Run("10 1 1 2 3 1 2 3 4 5 6 7 8 9");
  Run("FILE 2 0 0 0 0 -1 0 1 0 0 0 0 1 FREQ 2 CLIP");
  Run("FILE 3 0 0 0 1 0 0 0 1 0 0 0 1 FREQ");  // no key after FREQ
  Run("FILE 4 0 0 0 1 0 0 0 1 0");             // 13 tokens: ignored
  const auto& molecules = animation.WorkFrame.Molecules;
  ASSERT_EQ(molecules.size(), 3u);
  const MolAnimation::MolFileData& first = molecules.find(1)->second;
  EXPECT_EQ(first.Position.x, 1);
  EXPECT_EQ(first.Position.z, 3);
  EXPECT_EQ(first.FreqKey, 0);
  // Column by column of the stored rows.
  const float stored[16] = {1, 4, 7, 0, 2, 5, 8, 0, 3, 6, 9, 0, 0, 0, 0, 1};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(first.Orientation.Element[i], stored[i]) << i;

  const MolAnimation::MolFileData& second = molecules.find(2)->second;
  EXPECT_EQ(second.FreqKey, 2);
  // CLIP: the transpose of the orientation.
  const float* o = second.Orientation.Element;
  const float* r = animation.WorkFrame.Rotation.Element;
  for (int row = 0; row < 4; ++row)
    for (int c = 0; c < 4; ++c) EXPECT_EQ(r[row * 4 + c], o[c * 4 + row]);
  EXPECT_EQ(r[1], -1);
  EXPECT_EQ(molecules.find(3)->second.FreqKey, 0);
}

TEST_F(FrameStatements, NumbersAFloatCannotHoldReadAsZero) {
  // Infinite positions, rotations or amplitudes would reach GL and the texts.
  Run("%ROTATION MATRIX 1e39 0 0 0 1 0 0 0 1");
  Run("%FREQ 1 1 1e39 9e99");
  Run("%DIPOLE 1 -1e39");
  Run("0 1 6 1e39 -1e300 2");
  Run("FILE 2 1e39 0 0 1e39 0 0 0 1 0 0 0 1");
  ASSERT_EQ(animation.WorkFrame.Molecules.size(), 1u);
  const MolAnimation::Particle& p = animation.WorkFrame.Particles.begin()->second[0];
  EXPECT_EQ(p.Position.x, 0);
  EXPECT_EQ(p.Position.y, 0);
  EXPECT_EQ(p.Position.z, 2);
  const MolAnimation::MolFileData& placed = animation.WorkFrame.Molecules.begin()->second;
  EXPECT_EQ(placed.Position.x, 0);
  EXPECT_EQ(placed.Orientation.Element[0], 0);
  EXPECT_EQ(animation.WorkFrame.Rotation.Element[0], 0);
  EXPECT_EQ(animation.WorkFrame.Freqs.at(1).Frequency, 0);
  EXPECT_EQ(animation.WorkFrame.Freqs.at(1).Amplitude, 0);
  EXPECT_EQ(animation.WorkFrame.Dipoles.at(1), 0);
}
