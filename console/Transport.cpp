// Animation mode and the transport buttons: they set the view's play state,
// speed factor and clock; the view's idle pass does the rest.
#include <QCheckBox>
#include <QTabBar>
#include <QToolButton>

#include "UnitMolecules.h"
#include "display/view/UnitGL.h"
#include "platform/ui/FileNameText.h"

namespace {

constexpr long double kFastFactor = 5.0L;

}  // namespace

void TFormMolecules::EnableTransport(bool enabled) {
  for (QToolButton* button :
       {SpeedButtonGoTop, SpeedButtonFastReverse, SpeedButtonReverse1Frame, SpeedButtonReversePlay,
        SpeedButtonStop, SpeedButtonPlay, SpeedButtonForward1Frame, SpeedButtonFastForward, SpeedButtonGoEnd})
    button->setEnabled(enabled);
}

// A project without frames leaves the clock where it is.
void TFormMolecules::SetViewTime(std::optional<long double> time) {
  if (time) FormGL->CurrentTime = *time;
}

void TFormMolecules::CheckBoxAnimationClick() {
  if (CheckBoxAnimation->isChecked()) {
    // The title is the project's file name, in the system's encoding.
    setWindowTitle(QStringLiteral("Quivera: ") + FromFileName(Animation.Title));
    FormGL->AnimationMode = true;
    FormGL->PlayState = STOP;
    SetViewTime(Animation.First());
    EnableTransport(true);
    FormGL->TabControlGL->hide();
  } else {
    setWindowTitle(QStringLiteral("Quivera"));
    FormGL->AnimationMode = false;
    EnableTransport(false);
    FormGL->TabControlGL->show();
  }
}

void TFormMolecules::SetPlay(int state) {
  FormGL->PlayState = state;
  FormGL->PlaySpeed = 1.0L;
}

// Each click multiplies the factor, which starts again at 1 after the
// opposite fast state.
void TFormMolecules::SetFastPlay(int state, int opposite) {
  if (FormGL->PlayState == opposite) FormGL->PlaySpeed = 1.0L;
  FormGL->PlayState = state;
  FormGL->PlaySpeed *= kFastFactor;
}

void TFormMolecules::SpeedButtonGoTopClick() { SetViewTime(Animation.First()); }

void TFormMolecules::SpeedButtonFastReverseClick() { SetFastPlay(FAST_REVERSE, FAST_FORWARD); }

void TFormMolecules::SpeedButtonReverse1FrameClick() {
  SetPlay(STOP);
  SetViewTime(Animation.ReverseOneFrame());
}

void TFormMolecules::SpeedButtonReversePlayClick() { SetPlay(REVERSE_PLAY); }

void TFormMolecules::SpeedButtonStopClick() {
  SetPlay(STOP);
  if (FormGL->Recording && FormGL->AnimationMode) FormGL->StopCapture();
}

void TFormMolecules::SpeedButtonPlayClick() { SetPlay(PLAY); }

void TFormMolecules::SpeedButtonForward1FrameClick() {
  SetPlay(STOP);
  SetViewTime(Animation.ForwardOneFrame());
}

void TFormMolecules::SpeedButtonFastForwardClick() { SetFastPlay(FAST_FORWARD, FAST_REVERSE); }

void TFormMolecules::SpeedButtonGoEndClick() { SetViewTime(Animation.Last()); }
