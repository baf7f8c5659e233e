#include <gtest/gtest.h>

#include <initializer_list>

#include "animation/MolAnimation.h"

namespace {

MolAnimation WithFrames(std::initializer_list<long double> times) {
  MolAnimation animation;
  for (long double t : times) animation.Frames[t];
  if (!animation.Frames.empty()) animation.CurrentFrame = animation.Frames.begin()->first;
  return animation;
}

// 3 fs x 2 pi x 1000 cm-1 x c x 100 x 1e-15
constexpr long double kPhasePerCallAt1000 = 0.565095470192656L;

}  // namespace

TEST(Playback, TheClockPicksTheLatestFrameNotAfterIt) {
  MolAnimation animation = WithFrames({0, 10, 20});
  const std::pair<long double, long double> cases[] = {
      {10, 10}, {12, 10}, {9, 0}, {25, 20}, {-5, 0}, {20, 20}, {19.5L, 10}};
  for (const auto& [clock, expected] : cases) {
    animation.Advance(clock, 3);
    ASSERT_TRUE(animation.CurrentFrame);
    EXPECT_EQ(*animation.CurrentFrame, expected) << "clock " << static_cast<double>(clock);
  }
}

TEST(Playback, SeveralFramesInOneStepShowTheEarliest) {
  MolAnimation animation = WithFrames({0, 10, 11, 12});
  animation.Advance(12.5L, 3);
  EXPECT_EQ(*animation.CurrentFrame, 10);
}

TEST(Playback, WithoutACurrentFrameTheSearchStartsFromTheEnd) {
  MolAnimation animation = WithFrames({0, 10, 20});
  animation.CurrentFrame.reset();
  animation.Advance(5, 3);
  EXPECT_EQ(*animation.CurrentFrame, 0);

  animation.CurrentFrame = 7;  // no frame at that time
  animation.Advance(15, 3);
  EXPECT_EQ(*animation.CurrentFrame, 10);
}

TEST(Playback, PhasesRunWithTheCurrentFramesFrequency) {
  MolAnimation animation = WithFrames({0, 10});
  animation.Frames[0].Freqs[1] = {7, 1000.0f, 1.0f};
  animation.Frames[10].Freqs[2] = {8, 500.0f, 1.0f};
  animation.ModePhases[1] = 0;
  animation.ModePhases[2] = 0;

  animation.Advance(0, 3);
  EXPECT_NEAR(static_cast<double>(animation.ModePhases[1]), static_cast<double>(kPhasePerCallAt1000), 1e-12);
  EXPECT_EQ(animation.ModePhases[2], 0);  // the frame at 0 has no key 2
  EXPECT_EQ(animation.Frames[0].Freqs.count(2), 0u);

  // A stopped clock keeps the frame and the phases keep growing.
  animation.Advance(0, 3);
  animation.Advance(0, 3);
  EXPECT_EQ(*animation.CurrentFrame, 0);
  EXPECT_NEAR(static_cast<double>(animation.ModePhases[1]), static_cast<double>(3 * kPhasePerCallAt1000), 1e-12);

  // In the next frame key 1 holds still and key 2 runs at half the rate;
  // nothing wraps the phase.
  const long double held = animation.ModePhases[1];
  animation.Advance(10, 6);
  EXPECT_EQ(animation.ModePhases[1], held);
  EXPECT_NEAR(static_cast<double>(animation.ModePhases[2]), static_cast<double>(kPhasePerCallAt1000), 1e-12);
}

TEST(Playback, FirstAndLast) {
  const MolAnimation none;
  EXPECT_FALSE(none.First());
  EXPECT_FALSE(none.Last());

  MolAnimation one = WithFrames({2.5L});
  EXPECT_EQ(one.First(), 2.5L);
  EXPECT_EQ(one.Last(), 2.5L);
  one.Advance(100, 3);
  EXPECT_EQ(*one.CurrentFrame, 2.5L);
  one.Advance(-100, 3);
  EXPECT_EQ(*one.CurrentFrame, 2.5L);

  const MolAnimation three = WithFrames({20, -5, 10});
  EXPECT_EQ(three.First(), -5);
  EXPECT_EQ(three.Last(), 20);
  EXPECT_EQ(*three.CurrentFrame, -5);  // First and Last do not move it
}

TEST(Playback, OneFrameStepsRestOnTheEnds) {
  MolAnimation animation = WithFrames({0, 10, 20});
  EXPECT_EQ(animation.ReverseOneFrame(), 0);
  EXPECT_EQ(animation.ForwardOneFrame(), 10);
  EXPECT_EQ(animation.ForwardOneFrame(), 20);
  EXPECT_EQ(animation.ForwardOneFrame(), 20);
  EXPECT_EQ(animation.ReverseOneFrame(), 10);
  EXPECT_EQ(*animation.CurrentFrame, 10);

  animation.CurrentFrame.reset();
  EXPECT_EQ(animation.ForwardOneFrame(), 20);
  animation.CurrentFrame.reset();
  EXPECT_EQ(animation.ReverseOneFrame(), 20);
}
