// Animation mode and the transport buttons.
#include <QCheckBox>
#include <QTabBar>
#include <QToolButton>

#include "console/UnitMolecules.h"
#include "display/view/UnitGL.h"
#include "tests/console/support/FormsFixture.h"

namespace {

class Transport : public FormsFixture {
 protected:
  // A project of three frames at 10, 20 and 30 fs, in animation mode.
  void StartWithFrames() {
    Start();
    for (long double time : {10.0L, 20.0L, 30.0L}) FormMolecules->Animation.Frames[time];
    FormMolecules->Animation.Title = "movie.qva";
    FormMolecules->CheckBoxAnimation->setChecked(false);
    FormMolecules->CheckBoxAnimation->setChecked(true);
    FormMolecules->Animation.Advance(FormGL->CurrentTime, 0.0);  // as the view's pass does
  }
  static void Click(QToolButton* button) { button->click(); }
  TFormMolecules& Form() { return *FormMolecules; }
};

}  // namespace

TEST_F(Transport, CheckBoxSwitchesAnimationMode) {
  StartWithFrames();
  EXPECT_EQ(Form().windowTitle(), "Quivera: movie.qva");
  EXPECT_TRUE(FormGL->AnimationMode);
  EXPECT_EQ(FormGL->CurrentTime, 10.0L);
  EXPECT_TRUE(Form().SpeedButtonGoEnd->isEnabled());
  EXPECT_TRUE(FormGL->TabControlGL->isHidden());

  Click(Form().SpeedButtonFastForward);
  FormGL->CurrentTime = 25.0L;
  Form().CheckBoxAnimation->setChecked(false);
  EXPECT_EQ(Form().windowTitle(), "Quivera");
  EXPECT_FALSE(FormGL->AnimationMode);
  EXPECT_FALSE(Form().SpeedButtonGoTop->isEnabled());
  EXPECT_FALSE(FormGL->TabControlGL->isHidden());
  EXPECT_EQ(FormGL->CurrentTime, 25.0L) << "leaving keeps the time";

  Form().CheckBoxAnimation->setChecked(true);
  EXPECT_EQ(FormGL->PlayState, STOP);
  EXPECT_EQ(FormGL->PlaySpeed, 5.0L) << "the speed is kept";
  EXPECT_EQ(FormGL->CurrentTime, 10.0L);
}

TEST_F(Transport, FastButtonsMultiplyTheSpeed) {
  StartWithFrames();
  for (int i = 0; i < 3; ++i) Click(Form().SpeedButtonFastReverse);
  EXPECT_EQ(FormGL->PlayState, FAST_REVERSE);
  EXPECT_EQ(FormGL->PlaySpeed, 125.0L);
  Click(Form().SpeedButtonFastForward);
  EXPECT_EQ(FormGL->PlayState, FAST_FORWARD);
  EXPECT_EQ(FormGL->PlaySpeed, 5.0L);

  Click(Form().SpeedButtonPlay);
  EXPECT_EQ(FormGL->PlayState, PLAY);
  EXPECT_EQ(FormGL->PlaySpeed, 1.0L);
  FormGL->PlaySpeed = 2.0L;  // as the view's keys may leave it
  Click(Form().SpeedButtonFastForward);
  EXPECT_EQ(FormGL->PlaySpeed, 10.0L);

  Click(Form().SpeedButtonReversePlay);
  EXPECT_EQ(FormGL->PlayState, REVERSE_PLAY);
  EXPECT_EQ(FormGL->PlaySpeed, 1.0L);
}

TEST_F(Transport, OneFrameButtonsRestAtTheEnds) {
  StartWithFrames();
  Click(Form().SpeedButtonPlay);
  Click(Form().SpeedButtonReverse1Frame);
  EXPECT_EQ(FormGL->PlayState, STOP);
  EXPECT_EQ(FormGL->CurrentTime, 10.0L);
  for (int i = 0; i < 4; ++i) Click(Form().SpeedButtonForward1Frame);
  EXPECT_EQ(FormGL->CurrentTime, 30.0L);
  Click(Form().SpeedButtonReverse1Frame);
  EXPECT_EQ(FormGL->CurrentTime, 20.0L);
}

TEST_F(Transport, GoTopAndGoEndKeepPlaying) {
  StartWithFrames();
  Click(Form().SpeedButtonPlay);
  Click(Form().SpeedButtonGoEnd);
  EXPECT_EQ(FormGL->CurrentTime, 30.0L);
  Click(Form().SpeedButtonGoTop);
  EXPECT_EQ(FormGL->CurrentTime, 10.0L);
  EXPECT_EQ(FormGL->PlayState, PLAY);
}

TEST_F(Transport, StopEndsARecordingOnlyInAnimationMode) {
  StartWithFrames();
  Form().CheckBoxAnimation->setChecked(false);
  FormGL->Recording = true;
  Click(Form().SpeedButtonStop);
  EXPECT_TRUE(FormGL->Recording);
  Form().CheckBoxAnimation->setChecked(true);
  Click(Form().SpeedButtonPlay);
  Click(Form().SpeedButtonStop);
  EXPECT_FALSE(FormGL->Recording);
  EXPECT_EQ(FormGL->PlayState, STOP);
}

TEST_F(Transport, ProjectWithoutFramesLeavesTheTime) {
  Start();
  FormGL->CurrentTime = 7.0L;
  Form().CheckBoxAnimation->setChecked(false);
  Form().CheckBoxAnimation->setChecked(true);
  for (QToolButton* button :
       {Form().SpeedButtonGoTop, Form().SpeedButtonFastReverse, Form().SpeedButtonReverse1Frame,
        Form().SpeedButtonReversePlay, Form().SpeedButtonStop, Form().SpeedButtonPlay,
        Form().SpeedButtonForward1Frame, Form().SpeedButtonFastForward, Form().SpeedButtonGoEnd})
    Click(button);
  EXPECT_EQ(FormGL->CurrentTime, 7.0L);
}
