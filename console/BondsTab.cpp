// The Bonds tab: bond list, colour, radius, automatic bonds and deletion.
#include <QLineEdit>

#include "Numbers.h"
#include "UnitMolecules.h"

void TFormMolecules::RefreshBondList() {}

void TFormMolecules::PanelBondAutoButtonMouseUp() {}

void TFormMolecules::PanelBondColorMouseUp() {}

void TFormMolecules::EditBondRadiusChange() {
  if (!SelectedMolFile || !SelectedMolGL) return;
  SelectedMolGL->BondRadius = static_cast<float>(ReadDouble(EditBondRadius->text().toStdString()));
}

void TFormMolecules::PoupItemDeleteSelectedBondClick() {}
