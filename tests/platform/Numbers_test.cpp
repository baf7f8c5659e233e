#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

#include "platform/Numbers.h"
#include "tests/CommaLocale.h"

TEST(ReadDouble, LenientGrammar) {
  EXPECT_EQ(ReadDouble("  1.5abc"), 1.5);
  EXPECT_EQ(ReadDouble(".5"), 0.5);
  EXPECT_EQ(ReadDouble("1."), 1.0);
  EXPECT_EQ(ReadDouble("-.25"), -0.25);
  EXPECT_EQ(ReadDouble("+2e3"), 2000.0);
  EXPECT_EQ(ReadDouble("2e"), 2.0);       // exponent without digits is not taken
  EXPECT_EQ(ReadDouble("1.0D+02"), 100.0);  // Fortran's exponent letters
  EXPECT_EQ(ReadDouble("-.5d-1x"), -0.05);
  EXPECT_EQ(ReadDouble("abc"), 0.0);
  EXPECT_EQ(ReadDouble(""), 0.0);
  EXPECT_EQ(ReadDouble("-"), 0.0);
  EXPECT_EQ(ReadDouble("."), 0.0);
}

TEST(ReadDouble, OnlyFiniteDecimalNumbers) {
  EXPECT_EQ(ReadDouble("inf"), 0.0);
  EXPECT_EQ(ReadDouble("nan"), 0.0);
  EXPECT_EQ(ReadDouble("0x10"), 0.0);
  EXPECT_EQ(ReadDouble("1e400"), 0.0);
  EXPECT_TRUE(std::isfinite(ReadDouble("-1e999")));
}

TEST(ReadDouble, TellsANumberBeyondADoublesRangeFromZero) {
  for (const char* beyond : {"1e400", "-1e400", "1e-400", "1.5e+999x", "1D400"}) EXPECT_TRUE(BeyondDoubleRange(beyond)) << beyond;
  EXPECT_TRUE(BeyondDoubleRange(std::string(400, '9')));
  for (const char* held : {"4.9e-324", "1.7976931348623157e308", "0e999", "abc", "-"}) EXPECT_FALSE(BeyondDoubleRange(held));
}

TEST(ExponentNumberText, TheWholeTextWithAnyOfTheFourLetters) {
  EXPECT_EQ(ExponentNumberText(" -2.D2 "), "-2.E2");
  EXPECT_EQ(ExponentNumberText("1.5d+03"), "1.5e+03");
  for (const char* other : {"1.5", "1.5e-", "e3", "1.5e3x", "1.5 e3", "1,5e3"}) EXPECT_EQ(ExponentNumberText(other), std::nullopt);
}

TEST(ReadDouble, ReportsWhatItUsed) {
  std::size_t used = 99;
  ReadDouble(" 1.040.1", &used);
  EXPECT_EQ(used, 6u);
  ReadDouble("x", &used);
  EXPECT_EQ(used, 0u);
}

TEST(ReadDouble, IgnoresTheUsersLocale) {
  CommaLocale locale;
  if (!locale.Active()) GTEST_SKIP() << "no locale with a decimal comma here, and none could be built";
  EXPECT_EQ(ReadDouble("1.5"), 1.5);
  EXPECT_EQ(FormatFloat("0.00", 1.5), "1.50");
}

TEST(ReadSingle, NoneForWhatAFloatCannotHold) {
  EXPECT_EQ(ReadSingle("1.5"), 1.5f);
  EXPECT_EQ(ReadSingle("abc"), 0.0f);
  EXPECT_EQ(ReadSingle("3.4e38"), 3.4e38f);
  EXPECT_EQ(ReadSingle("1e39"), std::nullopt);
  EXPECT_EQ(ReadSingle("-1e300"), std::nullopt);
  EXPECT_TRUE(FitsFloat(-std::numeric_limits<float>::max()));
  EXPECT_FALSE(FitsFloat(std::nextafter(static_cast<double>(std::numeric_limits<float>::max()), 1e300)));
}

TEST(ReadInt, SaturatesAndStops) {
  EXPECT_EQ(ReadInt(" 42x"), 42);
  EXPECT_EQ(ReadInt("-7"), -7);
  EXPECT_EQ(ReadInt("99999999999999999999999"), 2147483647);
  EXPECT_EQ(ReadInt("-99999999999999999999999"), -2147483647 - 1);
  EXPECT_EQ(ReadInt("x1"), 0);
  EXPECT_EQ(ReadInt("1.9"), 1);
  EXPECT_EQ(ReadUnsigned("-3"), 0u);
  EXPECT_EQ(ReadUnsigned("4294967296"), 4294967295u);
}

TEST(FormatFloat, RoundsHalvesAwayFromZero) {
  EXPECT_EQ(FormatFloat("0.00", 0.125), "0.13");
  EXPECT_EQ(FormatFloat("0", 1650.5), "1651");
  EXPECT_EQ(FormatFloat("0", 2.5), "3");
  EXPECT_EQ(FormatFloat("0", -2.5), "-3");
  EXPECT_EQ(FormatFloat("0.00", 2.675), "2.68");
  EXPECT_EQ(FormatFloat("0", 1234.56), "1235");
  EXPECT_EQ(FormatFloat("0.0", 9.96), "10.0");
}

TEST(FormatFloat, Pictures) {
  EXPECT_EQ(FormatFloat("0.##", 1.0), "1");
  EXPECT_EQ(FormatFloat("0.##", 0.1234), "0.12");
  EXPECT_EQ(FormatFloat("0.0#", 1.0), "1.0");
  EXPECT_EQ(FormatFloat("0.0#", 1.25), "1.25");
  EXPECT_EQ(FormatFloat("0.0###", 3.14159), "3.1416");
  EXPECT_EQ(FormatFloat("0.0000", -0.5), "-0.5000");
  EXPECT_EQ(FormatFloat("0.000000", 1e-7), "0.000000");
  EXPECT_EQ(FormatFloat("0.000000", -1e-7), "0.000000");  // no "-0"
  EXPECT_EQ(FormatFloat("#,##0.##", 1234567.891), "1,234,567.89");
  EXPECT_EQ(FormatFloat("#,##0.##", 0.5), "0.5");
  EXPECT_EQ(FormatFloat("00000", 42), "00042");
  EXPECT_EQ(FormatFloat("0", 1e20), "100000000000000000000");
  EXPECT_EQ(FormatFloat("0.00", 0.004), "0.00");
  EXPECT_EQ(FormatFloat("0.00", 0.005), "0.01");
}

TEST(FormatFloat, NonFinite) {
  EXPECT_EQ(FormatFloat("0.00", NAN), "NAN");
  EXPECT_EQ(FormatFloat("0", INFINITY), "INF");
  EXPECT_EQ(FormatFloat("0", -INFINITY), "-INF");
}

TEST(FormatDouble, RoundTrips) {
  EXPECT_EQ(FormatDouble(1.0), "1.0");
  EXPECT_EQ(FormatDouble(-0.5), "-0.5");
  EXPECT_EQ(ReadDouble(FormatDouble(0.1 + 0.2)), 0.1 + 0.2);
}

TEST(FormatGeneral, SignificantDigitsWithoutTrailingZeros) {
  EXPECT_EQ(FormatGeneral(150.0, 15), "150");
  EXPECT_EQ(FormatGeneral(37.3, 15), "37.3");
  EXPECT_EQ(FormatGeneral(0.0, 15), "0");
  // A single-precision 37.3 widened shows its binary error at 15 digits.
  EXPECT_EQ(FormatGeneral(static_cast<double>(37.3f), 15), "37.2999992370605");
  EXPECT_EQ(ReadDouble(FormatGeneral(1e20, 15)), 1e20);
  EXPECT_EQ(FormatGeneral(NAN, 15), "0");
}

TEST(FormatFixed, RoundsTheBinaryValue) {
  EXPECT_EQ(FormatFixed(1234.5678, 4), "1234.5678");
  EXPECT_EQ(FormatFixed(-12.34, 4), "-12.3400");
  EXPECT_EQ(FormatFixed(0.0, 4), "0.0000");
  // 2.675 is stored a little below, 0.03125 is an exact tie (to even).
  EXPECT_EQ(FormatFixed(2.675, 2), "2.67");
  EXPECT_EQ(FormatFixed(0.03125, 4), "0.0312");
  EXPECT_EQ(FormatFixed(1e20, 1), "100000000000000000000.0");
  EXPECT_EQ(FormatFixed(-INFINITY, 4), "-inf");
}

// Rounded once, from the binary value: rounding to fifteen digits first
// moved the last digit of these.
TEST(FormatSignificant, PointAndTrailingZerosAlwaysShown) {
  EXPECT_EQ(FormatSignificant(-231.58998654999954, 10), "-231.5899865");
  EXPECT_EQ(FormatSignificant(1234567890.5, 10), "1234567890.");  // an exact tie, to even
  EXPECT_EQ(FormatSignificant(-0.0, 10), "-0.000000000");
  EXPECT_EQ(FormatSignificant(9999999999.5, 10), "1.000000000e+10");
  EXPECT_EQ(FormatSignificant(9.99999999996, 10), "10.00000000");
  EXPECT_EQ(FormatSignificant(5e-324, 10), "4.940656458e-324");
  EXPECT_EQ(FormatSignificant(2.5, 1), "2.");
  EXPECT_EQ(FormatSignificant(INFINITY, 10), "inf");
}

// The C library in the C locale is the reference for both file formats.
TEST(FormatSignificant, AgreesWithTheCLibraryAsDoesFormatFixed) {
  ASSERT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> coordinate(-100, 100);
  std::uniform_int_distribution<int> scale(-8, 12);
  char expected[400];
  for (int i = 0; i < 20000; ++i) {
    const double value = coordinate(random) * std::pow(10.0, scale(random));
    std::snprintf(expected, sizeof expected, "%#.10g", value);
    ASSERT_EQ(FormatSignificant(value, 10), expected) << i;
    const double c = coordinate(random);
    std::snprintf(expected, sizeof expected, "%.11f", c);
    ASSERT_EQ(FormatFixed(c, 11), expected) << i;
  }
}

TEST(FormatGeneral, SixSignificantDigitsAsAStreamWritesThem) {
  EXPECT_EQ(FormatGeneral(12), "12");
  EXPECT_EQ(FormatGeneral(12.5), "12.5");
  EXPECT_EQ(FormatGeneral(1234.5678), "1234.57");
  EXPECT_EQ(FormatGeneral(1000000), "1e+06");
  EXPECT_EQ(FormatGeneral(999999.5), "1e+06");
  EXPECT_EQ(FormatGeneral(0.0001), "0.0001");
  EXPECT_EQ(FormatGeneral(0.000015), "1.5e-05");
  EXPECT_EQ(FormatGeneral(-0.25), "-0.25");
  EXPECT_EQ(FormatGeneral(0), "0");
  EXPECT_EQ(FormatGeneral(2.5L), "2.5");
  EXPECT_EQ(FormatGeneral(1e300L * 1e300L), "1e+600");
}
