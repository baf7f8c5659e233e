// The console's window commands: exit, about box, settings, showing and
// hiding the view and the editor, and the panel-size guards.
#include <QAction>
#include <QSplitter>

#include "UnitMolecules.h"
#include "display/view/UnitGL.h"
#include "editor/UnitMoleculeEdit.h"
#include "settings/UnitAbout.h"
#include "settings/UnitSetting.h"

void TFormMolecules::ActionExitExecute() { close(); }

void TFormMolecules::HelpAboutExecute() { AboutBox->exec(); }

void TFormMolecules::ShowSettingExecute() {
  if (FormSetting->exec() == QDialog::Accepted) FormSetting->ApplySettings();
}

namespace {

void ToggleWindow(QWidget* window, QAction* action) {
  const bool show = !window->isVisible();
  window->setVisible(show);
  action->setChecked(show);
}

}  // namespace

void TFormMolecules::ShowFormGLExecute() { ToggleWindow(FormGL, ShowFormGL); }

void TFormMolecules::ShowFormMoleculeEditExecute() { ToggleWindow(FormMoleculeEdit, ShowFormMoleculeEdit); }

void TFormMolecules::PanelMoleculesResize() {
  if (PanelMolecules->height() < 1) PanelMolecules->resize(PanelMolecules->width(), 1);
}

void TFormMolecules::PanelNormalModesValuesResize() {
  QWidget* panel = PanelNormalModesValues;
  if (panel->height() < 1 || panel->width() < 1) panel->resize(std::max(panel->width(), 1), std::max(panel->height(), 1));
}
