#include "ViewTexts.h"

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
