#include "Forms.h"

#include "UnitMolecules.h"
#include "display/view/UnitGL.h"
#include "editor/UnitMoleculeEdit.h"
#include "settings/UnitAbout.h"
#include "settings/UnitSetting.h"

void CreateForms(const QStringList& arguments) {
  FormMolecules = new TFormMolecules();
  FormMoleculeEdit = new TFormMoleculeEdit();
  FormMoleculeEdit->move(3, 520);
  FormGL = new TFormGL();
  FormGL->move(390, 0);
  FormMolecules->show();
  FormMoleculeEdit->show();
  FormGL->show();
  AboutBox = new TAboutBox(FormMolecules);
  FormSetting = new TFormSetting(arguments, FormMolecules);
}

void DestroyForms() {
  delete FormSetting;
  FormSetting = nullptr;
  delete AboutBox;
  AboutBox = nullptr;
  delete FormGL;
  FormGL = nullptr;
  delete FormMoleculeEdit;
  FormMoleculeEdit = nullptr;
  delete FormMolecules;
  FormMolecules = nullptr;
}
