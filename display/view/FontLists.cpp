#include "FontLists.h"

#include <GL/gl.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <map>
#include <optional>
#include <string>

#include "platform/TextCodec.h"

namespace {

// The character that the single byte `code` stands for in code page 932, if
// it stands for one on its own.
std::optional<QChar> CharacterOf(unsigned char code) {
  const QString text = QString::fromStdString(Cp932ToUtf8(std::string(1, static_cast<char>(code))));
  if (text.size() != 1) return std::nullopt;
  const QChar ch = text.front();
  if (ch == QChar::ReplacementCharacter || !ch.isPrint()) return std::nullopt;
  return ch;
}

struct GlyphBox {
  TextBox Box;  // ink and advance, from the raster position
  float Advance = 0;
};

// The box of each byte's glyph, for every base whose lists were built: texts
// are measured without the lists' font.
std::map<unsigned, std::vector<GlyphBox>>& GlyphBoxes() {
  static std::map<unsigned, std::vector<GlyphBox>> boxes;
  return boxes;
}

GlyphBox BoxOf(const GlyphBitmap& glyph) {
  GlyphBox box{{0, glyph.Advance, 0, 0}, glyph.Advance};
  if (!glyph.HasInk()) return box;
  box.Box.Left = std::min(0.0f, -glyph.OriginX);
  box.Box.Right = std::max(glyph.Advance, glyph.Width - glyph.OriginX);
  box.Box.Bottom = std::min(0.0f, -glyph.OriginY);
  box.Box.Top = std::max(0.0f, glyph.Height - glyph.OriginY);
  return box;
}

}  // namespace

bool GlyphBitmap::HasInk() const { return !Bits.empty(); }

GlyphBitmap MakeGlyph(const QFont& font, unsigned char code) {
  GlyphBitmap glyph;
  const std::optional<QChar> ch = CharacterOf(code);
  if (!ch) return glyph;

  // Bitmap glyphs: no grey edges to lose in the threshold below.
  QFont aliased(font);
  aliased.setStyleStrategy(QFont::NoAntialias);
  const QFontMetrics metrics(aliased);
  glyph.Advance = static_cast<float>(metrics.horizontalAdvance(*ch));

  const QRect bounds = metrics.boundingRect(*ch);
  if (bounds.isEmpty()) return glyph;  // a blank: it only moves on
  // The metrics' box may miss a pixel of overhang; the margin catches it and
  // the crop below finds the real ink.
  const int margin = 2 + metrics.height() / 4;
  QImage image(bounds.width() + 2 * margin, bounds.height() + 2 * margin, QImage::Format_Grayscale8);
  image.fill(0);
  const int penX = margin - bounds.left();
  const int baseline = margin - bounds.top();
  {
    QPainter painter(&image);
    painter.setFont(aliased);
    painter.setPen(Qt::white);
    painter.drawText(penX, baseline, QString(*ch));
  }

  auto inked = [&image](int x, int y) { return image.constScanLine(y)[x] >= 128; };
  int left = image.width(), right = -1, top = image.height(), bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (!inked(x, y)) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return glyph;

  glyph.Width = right - left + 1;
  glyph.Height = bottom - top + 1;
  // Image row y lies between heights baseline - y - 1 and baseline - y above
  // the baseline; column x between x - penX and x - penX + 1 right of the pen.
  glyph.OriginX = static_cast<float>(penX - left);
  glyph.OriginY = static_cast<float>(bottom + 1 - baseline);
  const int stride = (glyph.Width + 7) / 8;
  glyph.Bits.assign(static_cast<std::size_t>(stride * glyph.Height), 0);
  for (int row = 0; row < glyph.Height; ++row) {
    for (int col = 0; col < glyph.Width; ++col) {
      if (inked(left + col, bottom - row)) glyph.Bits[row * stride + col / 8] |= 0x80 >> (col % 8);
    }
  }
  return glyph;
}

void BuildFontLists(const QFont& font, unsigned base) {
  DeleteFontLists(base);
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
  glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  std::vector<GlyphBox>& boxes = GlyphBoxes()[base];
  boxes.assign(FontListCount, GlyphBox{});
  for (int code = 0; code < FontListCount; ++code) {
    const GlyphBitmap glyph = MakeGlyph(font, static_cast<unsigned char>(code));
    boxes[code] = BoxOf(glyph);
    glNewList(base + code, GL_COMPILE);
    if (glyph.HasInk()) {
      glBitmap(glyph.Width, glyph.Height, glyph.OriginX, glyph.OriginY, glyph.Advance, 0, glyph.Bits.data());
    } else {
      // One unset pixel: Mesa will not compile an empty bitmap into a list.
      static const GLubyte unset = 0;
      glBitmap(1, 1, 0, 0, glyph.Advance, 0, &unset);
    }
    glEndList();
  }
  glPopClientAttrib();
}

void DeleteFontLists(unsigned base) {
  glDeleteLists(base, FontListCount);
  GlyphBoxes().erase(base);
}

TextBox MeasureText(unsigned base, const std::string& text) {
  const auto found = GlyphBoxes().find(base);
  TextBox box;
  if (found == GlyphBoxes().end()) return box;
  float pen = 0;
  for (const char byte : text) {
    const GlyphBox& glyph = found->second[static_cast<unsigned char>(byte)];
    box.Left = std::min(box.Left, pen + glyph.Box.Left);
    box.Right = std::max(box.Right, pen + glyph.Box.Right);
    box.Bottom = std::min(box.Bottom, glyph.Box.Bottom);
    box.Top = std::max(box.Top, glyph.Box.Top);
    pen += glyph.Advance;
  }
  return box;
}
