// Opening animation files: the project replaces the one loaded, its
// molecules join the console's list, and the view turns to animation mode.
#include <QCheckBox>
#include <QFrame>
#include <QTabBar>

#include "UnitMolecules.h"
#include "console/model/FileNames.h"
#include "display/view/UnitGL.h"
#include "editor/UnitMoleculeEdit.h"
#include "platform/ui/FileNameText.h"

void TFormMolecules::OpenAnimationFile(const std::string& path, bool distanceBonds) {
  // The vectors are emptied or grow below: nothing may point into them.
  SelectedMolFile = nullptr;
  SelectedMolGL = nullptr;
  std::vector<MolGL>& models = FormGL->MolGLs;
  if (ResetOnAnimationLoad) {
    models.clear();
    MolFiles.clear();
  }
  Animation.Clear();
  Animation.MolFiles = &MolFiles;
  Animation.MolGLs = &models;
  // Molecule files named in it are looked up beside it; the current folder
  // stays as it is.
  // A project that cannot be read shows what it loaded: nothing.
  (void)Animation.Load(path);
  Animation.Title = ExtractFileName(path);
  setWindowTitle(QStringLiteral("Quivera: ") + FromFileName(Animation.Title));

  RefreshMoleculeList();
  SelectedIndex = static_cast<int>(MolFiles.size()) - 1;
  ShowSelectedMolecule();
  PanelAnimation->setVisible(true);
  // Checking the box runs its handler only when it was clear; the second run
  // changes nothing.
  CheckBoxAnimation->setChecked(true);
  CheckBoxAnimationClick();

  if (distanceBonds) {
    for (const auto& [id, index] : Animation.FileIndex) {
      // -1: the file could not be loaded.
      if (index < 0 || static_cast<std::size_t>(index) >= MolFiles.size() ||
          static_cast<std::size_t>(index) >= models.size())
        continue;
      if (MolFiles[index].FileType != GAUSSIAN_OUTPUT) continue;
      models[index].Bonds.clear();
      models[index].AutoBond();
    }
    if (SelectedMolGL) RefreshBondList();  // the Bonds tab showed the bonds before
  }
  FormGL->TabControlGL->hide();

  // The editor writes its copy back over the selected molecule, which is now
  // another one: it must show that one.
  if (SelectedMolFile) {
    CopySelectedToEditor();
    FormMoleculeEdit->ShowFileControls();
    FormMoleculeEdit->ShowFileData();
    EnableEditorConversions();
  }
}
