// %SHOW: the text overlays of a project (the time, a frequency, a dipole).
#include "MolAnimation.h"
#include "TokenNumbers.h"

namespace {

// '0'-'9' are 0-9, letters of either case 10-35, anything else 15.
int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  return 15;
}

float ReadCoordinate(std::string_view token) { return static_cast<float>(ReadInt(token)); }

}  // namespace

void MolAnimation::ParseTextColor(TextData& text, std::string_view token) {
  if (token.size() < 7 || token[0] != '#') return;
  const auto channel = [&](int at) {
    return static_cast<unsigned char>((16 * DigitValue(token[at]) + DigitValue(token[at + 1])) % 256);
  };
  text.Color = {channel(1), channel(3), channel(5), 255};
}

void MolAnimation::ReadShow(const Tokens& tokens) {
  const std::size_t n = tokens.size();
  if (tokens[1] == "TIME") {
    ShowTime = true;
    TimeText.Prefix.clear();
    TimeText.Postfix.clear();
    TimeText.Unit = " fs";
    TimeText.Position.x = TimeText.Position.y = TimeText.Position.z = 0;
    TimeText.Color = {1, 1, 1, 1};
    if (n >= 4) {
      TimeText.Position.x = ReadCoordinate(tokens[2]);
      TimeText.Position.y = ReadCoordinate(tokens[3]);
    }
    if (n >= 5) ParseTextColor(TimeText, tokens[4]);
    return;
  }

  const bool freq = tokens[1] == "FREQ";
  if (!freq && tokens[1] != "DIPOLE") return;  // GRAPH and anything else
  if (n < 4 || tokens[3] != "TEXT") return;
  TextData text;
  text.Position = {0, 0, 0, 1};
  text.Color = {0, 0, 0, 0};
  text.Unit = freq ? " cm-1" : " debye";
  if (n >= 6) {
    text.Position.x = ReadCoordinate(tokens[4]);
    text.Position.y = ReadCoordinate(tokens[5]);
  }
  if (n >= 7) ParseTextColor(text, tokens[6]);
  (freq ? FreqTexts : DipoleTexts).emplace(ReadId(tokens[2]), std::move(text));
}
