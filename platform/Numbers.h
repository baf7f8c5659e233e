// Locale-free reading and writing of numbers. The readers are lenient, as
// the molecule formats need: leading blanks are skipped, reading stops at the
// first character that does not fit, and text without digits reads as 0.
// Only finite values come out ("inf", "nan" and hex are not numbers, an
// overflowing value reads as 0); integers saturate at their type's limits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// [blanks][sign](digits[.[digits]] | .digits)[(e|E|d|D)[sign]digits]
// D and d are Fortran's exponent letters: "1.0D-02" reads as 0.01.
// `used`, when given, receives the number of characters consumed (0 when no
// number was found, blanks included otherwise).
double ReadDouble(std::string_view text, std::size_t* used = nullptr);
// Whether the number ReadDouble finds at the start of `text` is one a double
// cannot hold (1e400, or 1e-400 below the smallest), which it reads as 0.
bool BeyondDoubleRange(std::string_view text);
// A number written with an exponent whose letter may also be Fortran's D:
// when the whole of `text`, blanks around it aside, is
// [sign](digits[.[digits]] | .digits)(e|E|d|D)[sign]digits, that number with
// D made E (d made e), which ReadDouble reads whole ("1.5D-3" -> "1.5E-3");
// none for any other text.
std::optional<std::string> ExponentNumberText(std::string_view text);
// Whether a float can hold `value` (narrowed, a larger one is infinite).
bool FitsFloat(double value);
// ReadDouble in single precision; none for a value a float cannot hold.
std::optional<float> ReadSingle(std::string_view text);

// [blanks][sign]digits, saturating.
std::int32_t ReadInt(std::string_view text, std::size_t* used = nullptr);
std::int64_t ReadInt64(std::string_view text, std::size_t* used = nullptr);
// As ReadInt, clamped to 0 .. 4294967295 (a negative number reads as 0).
std::uint32_t ReadUnsigned(std::string_view text, std::size_t* used = nullptr);

// Formats `value` with a float picture such as "0", "0.0", "0.0#", "0.0###",
// "0.0000", "0.##", "0.000000", "#,##0.##" or "00000": '0' is a digit always
// shown, '#' one shown only when not a trailing zero, ',' in the integer part
// asks for thousands groups. Halves round away from zero (0.125 with "0.00"
// gives "0.13"). Non-finite values give "NAN", "INF" or "-INF".
std::string FormatFloat(std::string_view picture, double value);

// Fixed notation with `decimals` places ("-12.3400", "0.0000"), rounded on
// the binary value as the C library's fixed format does in the C locale (not
// half away from zero as the pictures); for files.
std::string FormatFixed(double value, int decimals);

// Exactly `digits` significant digits with the point and trailing zeros
// always shown, rounded once on the binary value; exponent form (sign, two
// digits at least) below 1e-4 and from 10^digits on: with 10 digits 1.2 is
// "1.200000000", 1234567890 is "1234567890." and 1e-7 is "1.000000000e-07".
std::string FormatSignificant(double value, int digits);

// Six significant digits in general notation, as a default output stream
// writes a number: "12", "12.5", "1234.57", "1e+06", "1.5e-05", "-0.25".
std::string FormatGeneral(long double value);

// Shortest text that reads back as the same double, always with a '.' (no
// locale involved); for writing numbers into files.
std::string FormatDouble(double value);

// General notation with at most `digits` significant digits and no trailing
// zeros ("150", "37.3", "37.2999992370605", "1e+20"), as shown in edits.
std::string FormatGeneral(double value, int digits);
