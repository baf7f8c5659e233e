#include "SettingValues.h"

#include <algorithm>
#include <array>

#include "platform/Numbers.h"

Tessellation ResolutionRow(int position) {
  static constexpr std::array<Tessellation, HighestResolution - LowestResolution + 1> rows{{
      {6, 6, 6, 1},
      {10, 8, 8, 2},
      {18, 9, 9, 4},
      {24, 12, 14, 8},
      {42, 36, 32, 16},
  }};
  return rows[std::clamp(position, LowestResolution, HighestResolution) - LowestResolution];
}

std::string ElementItemText(std::uint32_t number, const std::string& symbol) {
  if (number == 0) return "dummy atom";
  return std::to_string(number) + (number < 100 ? "  " : " ") + symbol;
}

std::uint32_t ElementNumberFromText(std::string_view text) {
  return static_cast<std::uint32_t>(ReadInt(text));
}

bool PanelPlaceOf(std::uint32_t number, PanelPlace& place) {
  int period = 0;
  int group = 0;
  int top = 0;
  if (number == 1 || number == 2) {
    period = 1;
    group = number == 1 ? 1 : 18;
  } else if (number <= 18 && number >= 3) {
    period = number <= 10 ? 2 : 3;
    const int first = period == 2 ? 3 : 11;  // the alkali metal of the period
    const int offset = static_cast<int>(number) - first;
    group = offset < 2 ? offset + 1 : offset + 11;
  } else if (number >= 19 && number <= 54) {
    period = number <= 36 ? 4 : 5;
    group = static_cast<int>(number) - (period == 4 ? 18 : 36);
  } else if ((number >= 57 && number <= 71) || (number >= 89 && number <= 103)) {
    // The lanthanide and actinide rows, from column 3.
    group = static_cast<int>(number) - (number <= 71 ? 57 : 89) + 3;
    top = number <= 71 ? 187 : 212;
  } else if (number >= 55 && number <= 109) {
    period = number <= 86 ? 6 : 7;
    const int first = period == 6 ? 55 : 87;
    const int offset = static_cast<int>(number) - first;
    group = offset < 2 ? offset + 1 : offset - 14 + 1;
  } else {
    return false;
  }
  place.Left = 17 + PanelWidth * (group - 1);
  place.Top = period > 0 ? 14 + PanelHeight * (period - 1) : top;
  return true;
}

float ReadFloatSetting(std::string_view text) { return ReadSingle(text).value_or(0.0f); }

long double ReadTimeStep(std::string_view text) {
  const long double step = ReadDouble(text);
  return step > 0 ? step : 0.01L;
}

int ReadImageSide(std::string_view text) { return std::clamp(ReadInt(text), 1, MaxImageSide); }

int ReadFramesPerPeriod(std::string_view text) { return std::max(ReadInt(text), 1); }

double ReadElementRadius(std::string_view text) {
  const double radius = ReadDouble(text);
  return radius > 0 && FitsFloat(radius) ? radius : 0.0;
}
