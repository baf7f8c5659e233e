// The NormalModes tab: the mode list, the stick spectrum and the vibration
// and arrow settings.
#include <QCheckBox>
#include <QLineEdit>

#include "Numbers.h"
#include "UnitMolecules.h"

void TFormMolecules::RefreshNormalModeList() {}

void TFormMolecules::RefreshWavenumberBars() {}

void TFormMolecules::ListViewNormalModesSelectItem(QTreeWidgetItem*, bool) {}

void TFormMolecules::ListViewNormalModesDblClick() {}

void TFormMolecules::CheckBoxNMSelectedAnimationClick() {}

void TFormMolecules::EditScalingFactorChange() {}

void TFormMolecules::EditNMMagnitudeChange() {
  if (!SelectedMolFile || !SelectedMolGL) return;
  SelectedMolGL->NMMagnitude = ReadDouble(EditNMMagnitude->text().toStdString());
}

void TFormMolecules::EditNormalModeArrowMagnitudeChange() {}

void TFormMolecules::EditNormalModeArrowRadiusChange() {}

void TFormMolecules::CheckBoxNormalModeArrowClick() {}

void TFormMolecules::CheckBoxShowDummyAtomsClick() {
  if (!SelectedMolFile || !SelectedMolGL) return;
  SelectedMolGL->ShowDummyAtoms = CheckBoxShowDummyAtoms->isChecked();
}

void TFormMolecules::RadioButtonIRIntenClick() {}

void TFormMolecules::RadioButtonRamanActivClick() {}

void TFormMolecules::PoupItemUndoZoomClick() {}

void TFormMolecules::PoupItemLoadSpectrumClick() {}

void TFormMolecules::PoupItemClearSpectrumClick() {}
