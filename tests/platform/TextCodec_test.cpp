#include <gtest/gtest.h>

#include "platform/TextCodec.h"

TEST(TextCodec, RoundTripsJapaneseText) {
  const std::string utf8 = "構造最適化アニメーション";
  const std::string cp932 = Utf8ToCp932(utf8);
  EXPECT_NE(cp932, utf8);
  EXPECT_EQ(Cp932ToUtf8(cp932), utf8);
}

TEST(TextCodec, BackslashStaysBackslash) {
  EXPECT_EQ(Cp932ToUtf8("C:\\x"), "C:\\x");
  EXPECT_EQ(Utf8ToCp932("C:\\x"), "C:\\x");
}

TEST(TextCodec, HalfWidthKatakanaIsOneByte) {
  EXPECT_EQ(Utf8ToCp932("ｱ"), "\xB1");
  EXPECT_EQ(Cp932ToUtf8("\xB1"), "ｱ");
}

TEST(TextCodec, BadBytesDoNotStopTheRest) {
  EXPECT_EQ(Cp932ToUtf8("a\x81"), "a\xEF\xBF\xBD");
  EXPECT_EQ(Utf8ToCp932("a\xFF" "b"), "a?b");
  EXPECT_EQ(Utf8ToCp932("a😀b"), "a?b");
}
