#include "ViewTexts.h"

#include <algorithm>

#include "display/MolGL.h"
#include "molfile/MolFile.h"
#include "platform/Numbers.h"

std::string FreqText(const NormalMode* selected) {
  if (!selected) return std::string();
  return FormatModeValue(selected->Frequency, "0") + " cm-1";
}

std::string AnimationFreqText(const std::map<std::uint32_t, MolAnimation::NMPair>& entries) {
  if (entries.size() == 1) return FormatFloat("0", entries.begin()->second.Frequency) + " cm-1 ";
  std::string text;
  for (const auto& [key, entry] : entries) {
    text += FormatFloat("0", entry.Mode) + " " + FormatFloat("0", entry.Frequency) + "cm-1 ";
  }
  return text;
}

std::string TimeText(long double currentTime, long double firstTime) {
  return FormatFloat("0", static_cast<double>(currentTime - firstTime)) + " fs";
}

namespace {

// A text moved in from an edge keeps this many pixels from it.
constexpr float kEdgeMargin = 4;

// The position along one axis that puts [low, high] around it within the
// margins of [0, size].
float FitAxis(float at, float low, float high, int size) {
  return std::max(std::min(at, size - kEdgeMargin - high), kEdgeMargin - low);
}

}  // namespace

TextPlace FitText(float x, float y, const TextBox& box, int width, int height) {
  return {FitAxis(x, box.Left, box.Right, width), FitAxis(y, box.Bottom, box.Top, height)};
}
