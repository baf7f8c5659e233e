#include "Numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipBlanks(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  return i;
}

// Reads [blanks][sign]digits into a saturated 64-bit value.
std::int64_t ReadSaturated(std::string_view text, std::size_t* used, std::int64_t lo,
                           std::int64_t hi) {
  std::size_t i = SkipBlanks(text);
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::size_t digitsStart = i;
  std::int64_t value = 0;
  bool saturated = false;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    if (saturated) continue;
    const int digit = text[i] - '0';
    if (value > (std::numeric_limits<std::int64_t>::max() - digit) / 10) {
      saturated = true;
      value = negative ? std::numeric_limits<std::int64_t>::min()
                       : std::numeric_limits<std::int64_t>::max();
      continue;
    }
    value = value * 10 + digit;
  }
  if (i == digitsStart) {
    if (used) *used = 0;
    return 0;
  }
  if (used) *used = i;
  if (negative && !saturated) value = -value;
  if (value < lo) return lo;
  if (value > hi) return hi;
  return value;
}

// What ReadDouble finds at the start of a text.
struct Scanned {
  double Value = 0.0;
  std::size_t Used = 0;
  bool OutOfRange = false;  // a number a double cannot hold, read as 0
};

Scanned ScanDouble(std::string_view text) {
  Scanned scanned;
  std::size_t i = SkipBlanks(text);
  const std::size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const std::size_t mantissaStart = i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return scanned;
  // Fortran writes the exponent's letter as D (1.0D-02).
  std::size_t fortranLetter = 0;  // none when 0: the mantissa comes first
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      if (text[i] == 'd' || text[i] == 'D') fortranLetter = i;
      while (j < text.size() && IsDigit(text[j])) ++j;
      i = j;
    }
  }
  scanned.Used = i;
  // from_chars takes no leading '+' and no D; it reads the same grammar
  // otherwise and never consults the locale.
  std::string_view number = text.substr(mantissaStart, i - mantissaStart);
  std::string withE;
  if (fortranLetter != 0) {
    withE = number;
    withE[fortranLetter - mantissaStart] = 'e';
    number = withE;
  }
  const bool negative = text[start] == '-';
  double value = 0.0;
  const auto result =
      std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::general);
  scanned.OutOfRange = result.ec == std::errc::result_out_of_range;
  if (result.ec != std::errc() || !std::isfinite(value)) value = 0.0;
  scanned.Value = negative ? -value : value;
  return scanned;
}

}  // namespace

double ReadDouble(std::string_view text, std::size_t* used) {
  const Scanned scanned = ScanDouble(text);
  if (used) *used = scanned.Used;
  return scanned.Value;
}

bool BeyondDoubleRange(std::string_view text) { return ScanDouble(text).OutOfRange; }

std::optional<std::string> ExponentNumberText(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && IsBlank(text[end - 1])) --end;
  const std::size_t begin = SkipBlanks(text.substr(0, end));
  std::string number(text.substr(begin, end - begin));
  const std::size_t letter = number.find_first_of("eEdD");
  if (letter == std::string::npos) return std::nullopt;
  if (number[letter] == 'D') number[letter] = 'E';
  if (number[letter] == 'd') number[letter] = 'e';
  // Whole, and the letter read as the exponent's.
  if (ScanDouble(number).Used != number.size()) return std::nullopt;
  return number;
}

bool FitsFloat(double value) { return std::fabs(value) <= std::numeric_limits<float>::max(); }

std::optional<float> ReadSingle(std::string_view text) {
  const double value = ReadDouble(text);
  if (!FitsFloat(value)) return std::nullopt;
  return static_cast<float>(value);
}

std::int32_t ReadInt(std::string_view text, std::size_t* used) {
  return static_cast<std::int32_t>(ReadSaturated(
      text, used, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::int64_t ReadInt64(std::string_view text, std::size_t* used) {
  return ReadSaturated(text, used, std::numeric_limits<std::int64_t>::min(),
                       std::numeric_limits<std::int64_t>::max());
}

std::uint32_t ReadUnsigned(std::string_view text, std::size_t* used) {
  return static_cast<std::uint32_t>(
      ReadSaturated(text, used, 0, std::numeric_limits<std::uint32_t>::max()));
}

std::string FormatFloat(std::string_view picture, double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";

  // Read the picture: integer digits shown always, thousands grouping, and
  // the fraction's always-shown and optional digits.
  const std::size_t point = picture.find('.');
  const std::string_view whole = picture.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : picture.substr(point + 1);
  std::size_t minWhole = 0;
  bool grouping = false;
  for (char c : whole) {
    if (c == '0') ++minWhole;
    if (c == ',') grouping = true;
  }
  std::size_t minFraction = 0, maxFraction = 0;
  for (char c : fraction) {
    if (c == '0') minFraction = ++maxFraction;
    else if (c == '#') ++maxFraction;
  }

  // Fifteen significant digits are what a double holds of a decimal number;
  // rounding those (not the binary value) makes 2.675 show as 2.68.
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                                 std::chars_format::scientific, 14);
  const std::string_view sci(buf, res.ptr - buf);
  std::string digits;
  for (char c : sci.substr(0, sci.find('e')))
    if (IsDigit(c)) digits += c;
  const int exponent = ReadInt(sci.substr(sci.find('e') + 1));

  // digits d0 d1 ... stand for 0.d0d1... x 10^(exponent + 1). Keep
  // (exponent + 1 + maxFraction) digits, rounding the rest half away from 0.
  const long keep = static_cast<long>(exponent) + 1 + static_cast<long>(maxFraction);
  std::string kept;  // all digits of the rounded value times 10^maxFraction
  if (keep >= 0) {
    if (keep < static_cast<long>(digits.size())) {
      kept = digits.substr(0, keep);
      if (digits[keep] >= '5') {
        long k = keep - 1;
        while (k >= 0 && kept[k] == '9') kept[k--] = '0';
        if (k >= 0) ++kept[k];
        else kept.insert(kept.begin(), '1');
      }
    } else {
      kept = digits + std::string(keep - digits.size(), '0');
    }
  }
  if (kept.size() < maxFraction + 1) kept.insert(0, maxFraction + 1 - kept.size(), '0');

  std::string intPart = kept.substr(0, kept.size() - maxFraction);
  std::string fracPart = kept.substr(kept.size() - maxFraction);
  while (intPart.size() > 1 && intPart[0] == '0') intPart.erase(0, 1);
  while (fracPart.size() > minFraction && fracPart.back() == '0') fracPart.pop_back();
  const bool isZero = intPart.find_first_not_of('0') == std::string::npos &&
                      fracPart.find_first_not_of('0') == std::string::npos;
  if (intPart == "0" && minWhole == 0) intPart.clear();
  if (intPart.size() < minWhole) intPart.insert(0, minWhole - intPart.size(), '0');
  if (grouping) {
    for (long pos = static_cast<long>(intPart.size()) - 3; pos > 0; pos -= 3)
      intPart.insert(static_cast<std::size_t>(pos), 1, ',');
  }

  std::string out;
  if (value < 0 && !isZero) out += '-';
  out += intPart;
  if (!fracPart.empty()) out += '.' + fracPart;
  if (out.empty() || out == "-") out.assign(1, '0');  // = "0" draws a false -Wrestrict from g++ 12 at -O3
  return out;
}

std::string FormatDouble(double value) {
  if (!std::isfinite(value)) return "0";
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, value);
  std::string out(buf, res.ptr);
  if (out.find_first_of(".e") == std::string::npos) out += ".0";
  return out;
}

std::string FormatGeneral(double value, int digits) {
  if (!std::isfinite(value)) return "0";
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, std::clamp(digits, 1, 17));
  return std::string(buf, res.ptr);
}

std::string FormatFixed(double value, int decimals) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  char buf[400];  // the largest double has 309 digits before the point
  const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed,
                                 std::clamp(decimals, 0, 60));
  return std::string(buf, res.ptr);
}

std::string FormatSignificant(double value, int digits) {
  if (!std::isfinite(value)) return FormatFixed(value, 0);
  const int precision = std::clamp(digits, 1, 17) - 1;
  char buf[400];
  // The exponent the value has once rounded to its digits decides the form.
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, precision);
  const std::string_view scientific(buf, res.ptr - buf);
  const int exponent = ReadInt(scientific.substr(scientific.find('e') + 1));
  if (exponent < -4 || exponent > precision) return std::string(scientific);
  res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, precision - exponent);
  std::string out(buf, res.ptr);
  if (out.find('.') == std::string::npos) out += '.';
  return out;
}

std::string FormatGeneral(long double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 6);
  return std::string(buf, res.ptr);
}
