// The settings dialog against the view's real GL context (Xvfb, Mesa): the
// font display lists and the window-size button.
#include <functional>

#include <GL/gl.h>

#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "console/UnitMolecules.h"
#include "display/view/FontLists.h"
#include "display/view/UnitGL.h"
#include "settings/UnitSetting.h"
#include "tests/console/support/FormsFixture.h"
#include "tests/console/support/ViewFrame.h"

namespace {

class SettingsInView : public FormsFixture {
 protected:
  void SetUp() override {
    Start();
    ASSERT_TRUE(PrepareView());
    ASSERT_NE(FormGL->GLContext, nullptr) << "no GL: run under Xvfb";
  }

  static void RunSettings(const std::function<void()>& act, bool ok) {
    QTimer::singleShot(0, FormSetting, [&] {
      act();
      (ok ? FormSetting->OKBtn : FormSetting->CancelBtn)->click();
    });
    FormMolecules->ShowSettingExecute();
  }

  // How far the list of `code` above `base` moves the raster position, in
  // the view's context.
  static float Advance(unsigned base, unsigned char code) {
    EXPECT_TRUE(FormGL->MakeCurrent());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRasterPos2f(-1, -1);
    GLfloat start[4];
    glGetFloatv(GL_CURRENT_RASTER_POSITION, start);
    glCallList(base + code);
    GLfloat end[4];
    glGetFloatv(GL_CURRENT_RASTER_POSITION, end);
    return end[0] - start[0];
  }
};

TEST_F(SettingsInView, OkRebuildsTheFontListsInTheViewsContextFromTheChosenFonts) {
  const float timeBefore = Advance(TimeFontListBase, 'W');
  const float freqBefore = Advance(FreqFontListBase, 'W');
  ASSERT_GT(timeBefore, 0.0f);
  QFont large;
  large.setPixelSize(80);
  dialogs.ChooseFont(large);
  // Some other context is current when OK is pressed.
  QOffscreenSurface otherSurface;
  otherSurface.create();
  QOpenGLContext other;
  ASSERT_TRUE(other.create());
  RunSettings([&] {
    FormSetting->SpeedButtonFreqFont->click();
    ASSERT_TRUE(other.makeCurrent(&otherSurface));
  }, true);
  EXPECT_FALSE(other.makeCurrent(&otherSurface) && glIsList(FreqFontListBase + 'W'));
  EXPECT_GT(Advance(FreqFontListBase, 'W'), freqBefore * 2);
  EXPECT_EQ(Advance(TimeFontListBase, 'W'), timeBefore);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

  // A cancelled showing does not touch the lists, and the next OK builds
  // them from the font in effect, not from the cancelled choice.
  QFont tiny;
  tiny.setPixelSize(8);
  dialogs.ChooseFont(tiny);
  RunSettings([] { FormSetting->SpeedButtonFreqFont->click(); }, false);
  EXPECT_GT(Advance(FreqFontListBase, 'W'), freqBefore * 2);
  RunSettings([] {}, true);
  EXPECT_GT(Advance(FreqFontListBase, 'W'), freqBefore * 2);
}

TEST_F(SettingsInView, WindowSizeButtonSizesTheDrawingAreaAtOnce) {
  RunSettings([] {
    FormSetting->EditAVIwidth->setText("400");
    FormSetting->EditAVIheight->setText("300");
    FormSetting->ButtonSetWindowSize->click();
  }, false);
  QTRY_COMPARE(FormGL->ClientWidth(), 400);
  QTRY_COMPARE(FormGL->ClientHeight(), 300);
  EXPECT_EQ(FormGL->ImageWidth, 320);  // nothing stored
  // Sizes no window can have are held to what the view can draw.
  RunSettings([] {
    FormSetting->EditAVIwidth->setText("0");
    FormSetting->ButtonSetWindowSize->click();
  }, false);
  QTRY_COMPARE(FormGL->ClientWidth(), 1);
  const ViewFrame frame = RenderFrame();
  EXPECT_EQ(frame.Width, 1);
}

TEST_F(SettingsInView, WindowSizeButtonSizesTheWindowDuringARecordingAtItsSize) {
  FormGL->UseWindowSize = true;
  const ViewFrame window = RenderFrame();
  dialogs.ChooseFile(PathOf("run.bmp"), 2);
  FormGL->SaveWindowAnimation->trigger();
  ASSERT_TRUE(FormGL->Recording);
  RunSettings([] {
    FormSetting->EditAVIwidth->setText("200");
    FormSetting->ButtonSetWindowSize->click();
  }, false);
  QTRY_COMPARE(FormGL->ClientWidth(), 200);
  // The recording goes on at the size it began with.
  FormGL->ApplicationIdle();
  EXPECT_EQ(QImage(PathOf("run00001.bmp")).size(), QSize(window.Width, window.Height));
  FormGL->StopCapture();
}

}  // namespace
