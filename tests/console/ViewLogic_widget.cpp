// The view's clock, keys, mouse mapping and texts, apart from any window.
#include <gtest/gtest.h>

#include "display/MolGL.h"
#include "display/view/ViewClock.h"
#include "display/view/ViewTexts.h"
#include "molfile/MolFile.h"

namespace {

constexpr long double kFirst = 0.0L;
constexpr long double kLast = 30.0L;

long double Pass(long double time, int state, long double speed = 1.0L) {
  return AdvanceClock(time, 3.0L, true, state, speed, kFirst, kLast);
}

TEST(AdvanceClock, ForwardPlayLoopsToTheFirstFrame) {
  EXPECT_EQ(Pass(kLast - 1, PLAY), kFirst);  // not kFirst + overshoot
  EXPECT_EQ(Pass(kLast - 3, PLAY), kLast);   // exactly the last frame stays for a pass
  EXPECT_EQ(Pass(kLast, PLAY), kFirst);
  EXPECT_EQ(Pass(3, FAST_FORWARD, 4), 15);
  EXPECT_EQ(Pass(20, FAST_FORWARD, 4), kFirst);
}

TEST(AdvanceClock, BackwardPlayHoldsAtTheFirstFrame) {
  EXPECT_EQ(Pass(kFirst, REVERSE_PLAY), kFirst);
  EXPECT_EQ(Pass(2, REVERSE_PLAY), kFirst);
  EXPECT_EQ(Pass(20, REVERSE_PLAY), 17);
  EXPECT_EQ(Pass(20, FAST_REVERSE, 2), 14);
  EXPECT_EQ(Pass(5, FAST_REVERSE, 2), kFirst);
  EXPECT_EQ(Pass(12, STOP), 12);
}

TEST(AdvanceClock, OutsideAnimationModeTheClockAlwaysRuns) {
  for (int state : {FAST_REVERSE, REVERSE_PLAY, STOP, PLAY, FAST_FORWARD}) {
    EXPECT_EQ(AdvanceClock(10, 3, false, state, 8, std::nullopt, std::nullopt), 13) << state;
  }
}

TEST(AdvanceClock, AProjectWithoutFramesLeavesTheClock) {
  EXPECT_EQ(AdvanceClock(10, 3, true, PLAY, 1, std::nullopt, std::nullopt), 10);
  EXPECT_EQ(AdvanceClock(10, 3, true, REVERSE_PLAY, 1, std::nullopt, std::nullopt), 10);
}

struct Transport {
  int State;
  long double Speed;
  void Press(const char* keys) {
    for (const char* key = keys; *key; ++key) HandleKey(*key, true, State, Speed);
  }
};

TEST(HandleKey, BackwardKeysDoubleTheReverseSpeed) {
  Transport t{STOP, 1};
  t.Press("b");
  EXPECT_EQ(t.State, REVERSE_PLAY);
  EXPECT_EQ(t.Speed, 1);
  t.Press("b");
  EXPECT_EQ(t.State, FAST_REVERSE);
  EXPECT_EQ(t.Speed, 2);
  t.Press("b");
  EXPECT_EQ(t.State, FAST_REVERSE);
  EXPECT_EQ(t.Speed, 4);
  t.Press("f");  // from fast reverse the speed starts again at 1
  EXPECT_EQ(t.State, FAST_FORWARD);
  EXPECT_EQ(t.Speed, 2);
  t.Press("b");
  EXPECT_EQ(t.State, REVERSE_PLAY);
  EXPECT_EQ(t.Speed, 1);
}

TEST(HandleKey, SlowAndFastForwardMeetAtPlay) {
  Transport t{PLAY, 1};
  t.Press("s");
  EXPECT_EQ(t.State, FAST_FORWARD);
  EXPECT_EQ(t.Speed, 0.5);
  t.Press("s");
  EXPECT_EQ(t.Speed, 0.25);
  t.Press("ff");
  EXPECT_EQ(t.State, PLAY);
  EXPECT_EQ(t.Speed, 1);
  t.Press(" ");
  EXPECT_EQ(t.State, STOP);
  t.Press(" ");
  EXPECT_EQ(t.State, PLAY);
}

TEST(HandleKey, UpperCaseAndNonAnimationModeDoNothing) {
  Transport t{STOP, 1};
  t.Press("BFS");
  EXPECT_EQ(t.State, STOP);
  HandleKey('b', false, t.State, t.Speed);
  HandleKey(' ', false, t.State, t.Speed);
  EXPECT_EQ(t.State, STOP);
  EXPECT_EQ(t.Speed, 1);
}

TEST(MapToTrackball, TheClientAreaSpansMinusOneToOneWithYUp) {
  float x = 0, y = 0;
  ASSERT_TRUE(MapToTrackball(0, 0, 200, 100, x, y));
  EXPECT_FLOAT_EQ(x, -1);
  EXPECT_FLOAT_EQ(y, 1);
  ASSERT_TRUE(MapToTrackball(150, 75, 200, 100, x, y));
  EXPECT_FLOAT_EQ(x, 0.5f);
  EXPECT_FLOAT_EQ(y, -0.5f);
  EXPECT_FALSE(MapToTrackball(1, 1, 200, 0, x, y));
  EXPECT_FALSE(MapToTrackball(1, 1, 0, 100, x, y));
}

TEST(ViewTexts, FrequencyTextRoundsHalvesAwayFromZero) {
  EXPECT_EQ(FreqText(nullptr), "");
  NormalMode mode;
  mode.Frequency = 1234.56;
  EXPECT_EQ(FreqText(&mode), "1235 cm-1");
  mode.Frequency = 1650.5;
  EXPECT_EQ(FreqText(&mode), "1651 cm-1");
  mode.Frequency = NormalModes::Unknown;
  EXPECT_EQ(FreqText(&mode), "********** cm-1");
}

TEST(ViewTexts, AnimationFrequencyTextListsTheFramesEntries) {
  std::map<std::uint32_t, MolAnimation::NMPair> entries;
  EXPECT_EQ(AnimationFreqText(entries), "");
  entries[1] = {7, 1650.2f};
  EXPECT_EQ(AnimationFreqText(entries), "1650 cm-1 ");
  entries[2] = {9, 3000.7f};
  EXPECT_EQ(AnimationFreqText(entries), "7 1650cm-1 9 3001cm-1 ");
}

TEST(ViewTexts, TimeTextCountsFromTheFirstFrame) {
  EXPECT_EQ(TimeText(100.0L, 100.0L), "0 fs");
  EXPECT_EQ(TimeText(112.5L, 100.0L), "13 fs");
  // Large clocks keep their precision until the subtraction.
  EXPECT_EQ(TimeText(1e17L + 3.0L, 1e17L), "3 fs");
}

}  // namespace
