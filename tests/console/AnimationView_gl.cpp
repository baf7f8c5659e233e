// The example animation file drawn by the view: the frame's molecule
// vibrating in the frame's mode, and the project's texts in the corner.
#include <set>

#include <GL/gl.h>

#include <QRect>
#include <QToolButton>
#include <QtEndian>

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

// The example's own recording, at the default 320 x 240, shows its two texts
// whole and apart: no text pixel on the picture's edge, and a row of
// background between the time above and the frequency below.
TEST_F(AnimationView, TheDefaultRecordingShowsTheTextsWholeAndApart) {
  for (auto& [time, frame] : FormMolecules->Animation.Frames) frame.Molecules.clear();  // the texts alone,
  FormGL->FreqTextVisible = false;                                                       // the project's only
  dialogs.ChooseFile(PathOf("water.avi"), 1);
  FormGL->SaveWindowAnimation->trigger();
  while (FormGL->Recording) FormGL->ApplicationIdle();
  const std::string avi = ReadFile(PathOf("water.avi"));
  // Rows of each text's pixels, from the top, and their columns.
  QRect yellow, white;
  int frames = 0;
  const std::size_t movi = avi.find("movi");
  ASSERT_NE(movi, std::string::npos);
  // Uncompressed frames: rows of 320 BGR pixels from the bottom up.
  for (std::size_t at = movi + 4; at + 8 <= avi.size() && avi.compare(at, 4, "00db") == 0;) {
    const auto size = qFromLittleEndian<quint32>(avi.data() + at + 4);
    ASSERT_EQ(size, 320u * 240 * 3);
    const auto* pixels = reinterpret_cast<const unsigned char*>(avi.data() + at + 8);
    for (int row = 0; row < 240; ++row) {
      for (int x = 0; x < 320; ++x) {
        const unsigned char* bgr = pixels + 3 * (row * 320 + x);
        if (bgr[1] < 200 || bgr[2] < 200) continue;
        QRect& text = bgr[0] < 100 ? yellow : white;
        text |= QRect(x, 239 - row, 1, 1);
      }
    }
    ++frames;
    at += 8 + size + (size & 1);
  }
  EXPECT_EQ(frames, 299) << "rendered at 0, 3, ..., 894 fs";
  for (const QRect& text : {yellow, white}) EXPECT_TRUE(QRect(1, 1, 318, 238).contains(text)) << text.y();
  EXPECT_LT(yellow.bottom() + 1, white.top());
}
