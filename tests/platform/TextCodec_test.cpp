#include <gtest/gtest.h>

#include "platform/TextCodec.h"

TEST(TextCodec, RoundTripsJapaneseText) {
  const std::string utf8 = "構造最適化アニメーション";
  const std::string cp932 = Utf8ToCp932(utf8);
  EXPECT_EQ(cp932, "\x8D\x5C\x91\xA2\x8D\xC5\x93\x4B\x89\xBB\x83\x41\x83\x6A\x83\x81\x81\x5B\x83\x56\x83\x87\x83\x93");
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

// Text shown and imported unedited must keep bytes that are not code page
// 932: Latin-1 and UTF-8 letters, lone lead bytes, bytes that mean nothing.
// Every pair of bytes, so every byte alone after a NUL or a letter too.
TEST(TextCodec, EveryByteStringComesBack) {
  for (int pair = 0; pair < 0x10000; ++pair) {
    const std::string two{static_cast<char>(pair >> 8), static_cast<char>(pair & 0xFF)};
    ASSERT_EQ(Utf8ToCp932(Cp932ToUtf8(two)), two) << "bytes " << std::hex << pair;
  }
}

TEST(TextCodec, BytesThatAreNoCharacterShowAsPrivateCharacters) {
  EXPECT_EQ(Cp932ToUtf8("a\x80z"), "a\uF780z");
  EXPECT_EQ(Cp932ToUtf8("\xA0\xFD"), "\uF7A0\uF7FD");
  EXPECT_EQ(Cp932ToUtf8("\x81"), "\uF781");   // a lead byte cut off by the end
  EXPECT_EQ(Cp932ToUtf8("\x81 "), "\uF781 ");  // or followed by no trail byte
  // A pair that code page 932 holds twice decodes only where the character
  // encodes back to: the other pair comes back as its bytes.
  EXPECT_EQ(Utf8ToCp932("\u7E8A"), "\xFA\x5C");
  EXPECT_EQ(Cp932ToUtf8("\xFA\x5C"), "\u7E8A");
  EXPECT_EQ(Cp932ToUtf8("\xED\x40"), "\uF7ED@");
}

TEST(TextCodec, WhatCodePage932CannotHoldBecomesAQuestionMark) {
  EXPECT_EQ(Utf8ToCp932("a\xFF" "b"), "a?b");
  EXPECT_EQ(Utf8ToCp932("a😀b"), "a?b");
  EXPECT_EQ(Utf8ToCp932("a\xE6\x97" "b"), "a?b");  // cut off
  EXPECT_EQ(Utf8ToCp932("\xC0\xAF"), "?");         // overlong
}

TEST(TextCodec, Utf16HasTheSameCharactersInNoMoreUnitsThanBytes) {
  const std::string bytes = "\x8D\x5C\x91\xA2 a\xB1\x80\x81";
  std::u16string utf16(bytes.size(), u'#');
  utf16.resize(Cp932ToUtf16(bytes, utf16.data()));
  EXPECT_EQ(utf16, u"構造 aｱ\uF780\uF781");
  EXPECT_EQ(Cp932ToUtf16("", utf16.data()), 0u);
}
