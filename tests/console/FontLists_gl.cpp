// The font display lists in a real context (Xvfb, Mesa).
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <QFont>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

#include <memory>
#include <vector>

#include "display/view/FontLists.h"

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 60;

QFont TextFont(int pixels) {
  QFont font;
  font.setPixelSize(pixels);
  return font;
}

class FontListsInContext : public ::testing::Test {
 protected:
  void SetUp() override {
    surface_.create();
    ASSERT_TRUE(context_.create());
    ASSERT_TRUE(context_.makeCurrent(&surface_));
    target_ = std::make_unique<QOpenGLFramebufferObject>(kWidth, kHeight);
    ASSERT_TRUE(target_->bind());
    glViewport(0, 0, kWidth, kHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, kWidth, 0, kHeight, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
  }
  void TearDown() override {
    DeleteFontLists(TimeFontListBase);
    DeleteFontLists(FreqFontListBase);
    target_.reset();
    context_.doneCurrent();
  }

  // Draws `text` through the lists of `base` from (10, 20) on black; returns
  // how far the raster position moved and counts the lit pixels.
  float Draw(unsigned base, const std::vector<unsigned char>& text, int* lit) {
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glColor4ub(255, 255, 255, 255);
    glRasterPos2i(10, 20);
    glListBase(base);
    glCallLists(static_cast<GLsizei>(text.size()), GL_UNSIGNED_BYTE, text.data());
    glListBase(0);
    GLfloat raster[4];
    glGetFloatv(GL_CURRENT_RASTER_POSITION, raster);
    std::vector<unsigned char> pixels(kWidth * kHeight * 4);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    *lit = 0;
    for (std::size_t i = 0; i < pixels.size(); i += 4) *lit += pixels[i] > 128;
    return raster[0] - 10;
  }

  QOffscreenSurface surface_;
  QOpenGLContext context_;
  std::unique_ptr<QOpenGLFramebufferObject> target_;
};

}  // namespace

TEST_F(FontListsInContext, EveryByteHasAListAndNoOtherListIsTouched) {
  while (glGetError() != GL_NO_ERROR) {}
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  BuildFontLists(TextFont(27), TimeFontListBase);
  BuildFontLists(TextFont(20), FreqFontListBase);
  for (unsigned base : {TimeFontListBase, FreqFontListBase}) {
    EXPECT_FALSE(glIsList(base - 1));
    for (unsigned code = 0; code < 256; ++code) EXPECT_TRUE(glIsList(base + code)) << base + code;
    EXPECT_FALSE(glIsList(base + 256));
  }
  GLint alignment = 0;
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
  EXPECT_EQ(alignment, 4);  // the caller's pixel store is given back
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(FontListsInContext, ListsDrawTheGlyphsAndMoveTheRasterPosition) {
  const QFont font = TextFont(27);
  BuildFontLists(font, TimeFontListBase);
  int lit = 0;
  const float moved = Draw(TimeFontListBase, {'1', '2'}, &lit);
  EXPECT_EQ(moved, MakeGlyph(font, '1').Advance + MakeGlyph(font, '2').Advance);
  EXPECT_GT(lit, 40);

  // No character, no glyph and no move: a lead byte, code 255.
  EXPECT_EQ(Draw(TimeFontListBase, {0x81, 0xFF}, &lit), 0);
  EXPECT_EQ(lit, 0);
}

TEST_F(FontListsInContext, RebuildingReplacesTheListsAndDeletingRemovesOnlyOneFont) {
  BuildFontLists(TextFont(27), TimeFontListBase);
  BuildFontLists(TextFont(27), FreqFontListBase);
  int lit = 0;
  const float wide = Draw(TimeFontListBase, {'8'}, &lit);

  BuildFontLists(TextFont(12), TimeFontListBase);
  EXPECT_LT(Draw(TimeFontListBase, {'8'}, &lit), wide);

  DeleteFontLists(TimeFontListBase);
  EXPECT_FALSE(glIsList(TimeFontListBase + '8'));
  EXPECT_TRUE(glIsList(FreqFontListBase + '8'));
  EXPECT_EQ(Draw(FreqFontListBase, {'8'}, &lit), wide);
}
