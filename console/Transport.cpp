// Animation mode and the transport buttons.
#include "UnitMolecules.h"

void TFormMolecules::CheckBoxAnimationClick() {}

void TFormMolecules::SpeedButtonGoTopClick() {}

void TFormMolecules::SpeedButtonFastReverseClick() {}

void TFormMolecules::SpeedButtonReverse1FrameClick() {}

void TFormMolecules::SpeedButtonReversePlayClick() {}

void TFormMolecules::SpeedButtonStopClick() {}

void TFormMolecules::SpeedButtonPlayClick() {}

void TFormMolecules::SpeedButtonForward1FrameClick() {}

void TFormMolecules::SpeedButtonFastForwardClick() {}

void TFormMolecules::SpeedButtonGoEndClick() {}
