// Bitmap fonts as GL display lists: list base + c draws the glyph of the
// code page 932 single byte c at the raster position and moves the position
// on by the glyph's advance, as the view's and the animation's texts expect
// (glListBase + glCallLists with GL_UNSIGNED_BYTE).
//
// Glyphs are made with QPainter (no GL needed, so they can be tested on the
// offscreen platform); the lists are compiled from them in the current GL
// context.
#pragma once

#include <QFont>

#include <string>
#include <vector>

inline constexpr unsigned TimeFontListBase = 1000;
inline constexpr unsigned FreqFontListBase = 1500;
// One list for every byte value, so that no byte of a text can call a list
// of another font.
inline constexpr int FontListCount = 256;

// The arguments of one glBitmap call.
struct GlyphBitmap {
  int Width = 0;
  int Height = 0;
  float OriginX = 0;  // from the raster position to the bitmap's lower left, negated
  float OriginY = 0;
  float Advance = 0;  // raster position move in x
  // Rows from the bottom up, each padded to whole bytes, leftmost pixel in
  // the high bit (GL_UNPACK_ALIGNMENT 1, GL_UNPACK_LSB_FIRST false).
  std::vector<unsigned char> Bits;

  bool HasInk() const;
};

// The glyph of the byte `code` in `font`. Bytes that are not a character on
// their own in code page 932 (control codes, lead bytes of double-byte
// characters, unused codes) give an empty glyph that does not move the
// raster position.
GlyphBitmap MakeGlyph(const QFont& font, unsigned char code);

// Compiles lists base .. base + FontListCount - 1 from `font` in the current
// context, replacing any lists already there. Call it again to rebuild the
// lists after the font changed.
void BuildFontLists(const QFont& font, unsigned base);
void DeleteFontLists(unsigned base);

// The pixels that a text drawn through the lists of `base` covers, from its
// raster position: its ink and its advance. All zero for no text, or for a
// base without lists.
struct TextBox {
  float Left = 0;  // x, negative where ink stands left of the position
  float Right = 0;
  float Bottom = 0;  // y, negative below the baseline
  float Top = 0;
};
TextBox MeasureText(unsigned base, const std::string& text);
