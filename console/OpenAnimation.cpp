// Opening animation files: the project replaces the one loaded, its
// molecules join the console's list, and the view turns to animation mode.
#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QTabBar>

#include "UnitMolecules.h"
#include "console/model/FileNames.h"
#include "display/view/UnitGL.h"
#include "editor/UnitMoleculeEdit.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FileNameText.h"

namespace {

// What a project could not load, one line each: the project itself, its
// frames, the molecule files it names. Empty when nothing is missing.
QString LoadProblems(const MolAnimation& animation, const std::string& path, bool loaded) {
  QStringList lines;
  const QString project = FromFileName(path);
  if (!loaded) lines << CouldNotReadText(project);
  else if (animation.Frames.empty()) lines << project + QStringLiteral("には表示できるフレームがありません。");
  for (const auto& [id, index] : animation.FileIndex) {
    const auto name = animation.FileNames.find(id);
    if (index < 0 && name != animation.FileNames.end())
      lines << CouldNotReadText(QDir::cleanPath(FromFileName(animation.MoleculeFilePath(name->second))));
  }
  return lines.join(QLatin1Char('\n'));
}

}  // namespace

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
  const bool loaded = Animation.Load(path);
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
  // another one, or none when the reset left the list empty: it must show
  // that one, or nothing.
  if (SelectedMolFile) {
    CopySelectedToEditor();
    FormMoleculeEdit->ShowFileControls();
    FormMoleculeEdit->ShowFileData();
    EnableEditorConversions();
  } else {
    FormMoleculeEdit->ShowNoMolecule();
  }

  // Said once what it could load is in place and shown.
  const QString problems = LoadProblems(Animation, path, loaded);
  if (!problems.isEmpty()) ShowMessage(this, problems);
}
