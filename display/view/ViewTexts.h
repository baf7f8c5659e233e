// The view's time and frequency texts (ASCII, so valid code page 932 bytes
// for the font lists).
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "FontLists.h"
#include "animation/MolAnimation.h"

struct NormalMode;

// "1235 cm-1" for the selected mode's frequency; empty without a mode.
std::string FreqText(const NormalMode* selected);
// The entries of the current animation frame: one entry gives "1650 cm-1 ",
// several give "7 1650cm-1 9 3001cm-1 ".
std::string AnimationFreqText(const std::map<std::uint32_t, MolAnimation::NMPair>& entries);
// The clock relative to the first frame, in whole femtoseconds: "0 fs".
std::string TimeText(long double currentTime, long double firstTime);

// The raster position, in window pixels, at which a text of `box` (measured
// from its raster position) stands wholly in a view of `width` x `height`,
// 4 pixels off its edges, as near to `x`, `y` as that allows. A text larger
// than the view keeps its left and bottom edges in.
struct TextPlace {
  float X = 0;
  float Y = 0;
};
TextPlace FitText(float x, float y, const TextBox& box, int width, int height);
