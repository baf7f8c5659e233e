// The example animation file drawn by the view: the frame's molecule
// vibrating in the frame's mode, and the project's texts in the corner.
#include <set>

#include <GL/gl.h>

#include <QImage>
#include <QToolButton>

#include "console/UnitMolecules.h"
#include "display/view/UnitGL.h"
#include "tests/console/support/FormsFixture.h"
#include "tests/console/support/ViewFrame.h"

namespace {

class AnimationView : public FormsFixture {
 protected:
  void SetUp() override {
    Start({QStringLiteral(QUIVERA_EXAMPLES "/water.qva")});
    ready = PrepareView() && FormGL->GLContext;
    ASSERT_TRUE(ready) << "no GL: run under Xvfb";
  }
  void TearDown() override {
    if (ready) {
      EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }
    FormsFixture::TearDown();
  }
  // The lower-left corner, where the example puts its texts.
  static int Corner(const ViewFrame& p) { return p.Drawn(0, 0, p.Width / 4, p.Height / 4); }
  static int Middle(const ViewFrame& p) {
    return p.Drawn(p.Width * 3 / 8, p.Height * 3 / 8, p.Width * 5 / 8, p.Height * 5 / 8);
  }

  bool ready = false;
};

}  // namespace

TEST_F(AnimationView, TheFramesMoleculeAndTextsAppear) {
  MolAnimation& animation = FormMolecules->Animation;
  ASSERT_EQ(animation.Frames.size(), 4u);
  ASSERT_TRUE(FormGL->AnimationMode);
  const ViewFrame first = RenderFrame();
  EXPECT_GT(Middle(first), 100);
  EXPECT_GT(Corner(first), 20);

  // The frame at 300 fs vibrates the molecule in its mode 2.
  FormGL->CurrentTime = 300;
  RenderFrame();
  const MolGL& water = FormGL->MolGLs.at(0);
  ASSERT_EQ(water.Modes.size(), 3u);
  EXPECT_FALSE(water.Modes[0].Animate);
  EXPECT_TRUE(water.Modes[1].Animate);
  EXPECT_EQ(water.NMMagnitude, 1.5);

  // Without overlays the corner is empty; the view's own time text is off.
  animation.ShowTime = false;
  animation.FreqTexts.clear();
  FormGL->FreqTextVisible = false;
  EXPECT_EQ(Corner(RenderFrame()), 0);
}

TEST_F(AnimationView, AMoleculeTheFrameDoesNotPlaceIsNotDrawn) {
  FormMolecules->Animation.Frames.begin()->second.Molecules.clear();
  FormGL->CurrentTime = 0;
  EXPECT_EQ(Middle(RenderFrame()), 0);
}

// Play from the first frame, at the view's 3 fs step, shows every frame
// before it goes back to the first.
TEST_F(AnimationView, PlayShowsEveryFrame) {
  FormMolecules->SpeedButtonPlay->click();
  std::set<const MolAnimation::MolFrame*> shown;
  for (long double previous = -1; FormGL->CurrentTime > previous;) {
    previous = FormGL->CurrentTime;
    FormGL->ApplicationIdle();
    shown.insert(FormMolecules->Animation.Current());
  }
  EXPECT_EQ(shown.size(), FormMolecules->Animation.Frames.size());
}

// The example's texts stand whole and apart in a capture at the default 320 x 240.
TEST_F(AnimationView, TheTextsStandWholeAndApartAtTheDefaultSize) {
  for (auto& [time, frame] : FormMolecules->Animation.Frames) frame.Molecules.clear();  // the texts alone,
  FormGL->FreqTextVisible = false;                                                       // the project's only
  dialogs.ChooseFile(PathOf("water.bmp"), 1);
  FormGL->SaveWindowImage->trigger();
  const QImage image(PathOf("water.bmp"));
  QRect yellow, white;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (const QRgb p = image.pixel(x, y); qRed(p) > 200 && qGreen(p) > 200)
        (qBlue(p) < 100 ? yellow : white) |= QRect(x, y, 1, 1);
  EXPECT_TRUE(QRect(1, 1, 318, 238).contains(yellow | white));  // none on the edge
  EXPECT_LT(yellow.bottom() + 1, white.top());                   // the time a row above the frequency
}
