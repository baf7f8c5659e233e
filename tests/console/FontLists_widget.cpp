// The glyph bitmaps behind the font display lists, made without GL.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

#include <bit>

#include "display/view/FontLists.h"

namespace {

QFont TextFont() {
  QFont font;
  font.setPixelSize(27);
  return font;
}

int Ink(const GlyphBitmap& glyph, int row) {
  const int stride = (glyph.Width + 7) / 8;
  int count = 0;
  for (int i = 0; i < stride; ++i) count += std::popcount(glyph.Bits[row * stride + i]);
  return count;
}

}  // namespace

TEST(FontGlyphs, PrintableBytesHaveInkAndMoveOn) {
  const QFont font = TextFont();
  for (unsigned char code = '0'; code <= '9'; ++code) {
    const GlyphBitmap glyph = MakeGlyph(font, code);
    EXPECT_TRUE(glyph.HasInk()) << int(code);
    EXPECT_GT(glyph.Advance, 0) << int(code);
    EXPECT_EQ(glyph.Bits.size(), static_cast<std::size_t>((glyph.Width + 7) / 8 * glyph.Height));
  }
  const GlyphBitmap blank = MakeGlyph(font, ' ');
  EXPECT_FALSE(blank.HasInk());
  EXPECT_GT(blank.Advance, 0);
}

TEST(FontGlyphs, BytesThatAreNoCharacterAreEmpty) {
  const QFont font = TextFont();
  // Control codes, lead bytes of double-byte characters, unused codes.
  for (unsigned char code : {0x00, 0x0A, 0x7F, 0x80, 0x81, 0x9F, 0xA0, 0xE0, 0xFC, 0xFF}) {
    const GlyphBitmap glyph = MakeGlyph(font, code);
    EXPECT_FALSE(glyph.HasInk()) << int(code);
    EXPECT_EQ(glyph.Advance, 0) << int(code);
  }
}

TEST(FontGlyphs, RowsRunUpFromTheBaselineWithTheLeftPixelInTheHighBit) {
  const QFont font = TextFont();
  // "L": the bottom row is the foot, the top row only the stem on the left.
  const GlyphBitmap el = MakeGlyph(font, 'L');
  ASSERT_TRUE(el.HasInk());
  EXPECT_GT(el.Height, 12);
  EXPECT_GT(Ink(el, 0), el.Width / 2);
  EXPECT_LT(Ink(el, el.Height - 1), el.Width / 2);
  EXPECT_TRUE(el.Bits[(el.Height - 1) * ((el.Width + 7) / 8)] & 0x80);
  EXPECT_NEAR(el.OriginY, 0, 1);  // standing on the baseline

  EXPECT_GT(MakeGlyph(font, 'g').OriginY, 2);    // hangs below it
  EXPECT_LT(MakeGlyph(font, '\'').OriginY, -8);  // floats above it
}

TEST(FontGlyphs, HalfWidthKatakanaComeFromCodePage932) {
  if (QFontDatabase::families(QFontDatabase::Japanese).isEmpty()) {
    GTEST_SKIP() << "no font with Japanese characters is installed";
  }
  const QFont font = TextFont();
  const GlyphBitmap a = MakeGlyph(font, 0xB1);  // half-width katakana A
  const GlyphBitmap i = MakeGlyph(font, 0xB2);  // half-width katakana I
  const GlyphBitmap question = MakeGlyph(font, '?');
  ASSERT_TRUE(a.HasInk());
  ASSERT_TRUE(i.HasInk());
  EXPECT_NE(a.Bits, i.Bits);
  EXPECT_NE(a.Bits, question.Bits);
  EXPECT_GT(a.Advance, 0);
  EXPECT_LT(a.Advance, 0.75f * 27);  // half width
  EXPECT_TRUE(MakeGlyph(font, 0xA1).HasInk());  // the half-width full stop
  EXPECT_TRUE(MakeGlyph(font, 0xDF).HasInk());  // the semi-voiced mark
}
