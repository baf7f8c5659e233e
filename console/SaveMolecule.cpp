// Saving the selected molecule's stored text, in place or under a new name.
// A failed write is reported and changes nothing: the user's file is either
// the old one or the whole new text, and the molecule keeps its path.
#include <unistd.h>

#include "UnitMolecules.h"
#include "console/model/FileNames.h"
#include "console/model/ReplaceFile.h"
#include "platform/ui/FileNameText.h"

namespace {

bool WriteText(const MolFile& file, const std::string& path) {
  return ReplaceFile(path, [&file](const std::string& temp) { return file.Save(temp.c_str()); });
}

}  // namespace

// Writes the selected molecule's text to `path`; on success it becomes the
// molecule's path, on failure a message says so.
void TFormMolecules::SaveSelectedText(const std::string& path) {
  if (WriteText(*SelectedMolFile, path)) SelectedMolFile->Path = path;
  else ShowCouldNotSave(this, FromFileName(path));
}

void TFormMolecules::ActionSaveMoleculeExecute() {
  if (!SelectedMolFile || !SelectedMolGL) return;
  const std::string path = SelectedMolFile->Path;
  if (!AskOkCancel(this, FromFileName(path) + QStringLiteral("を保存します。"))) return;
  // A path that cannot be written in place ("New File" of a new molecule, a
  // read-only file) goes on to Save As.
  if (::access(path.c_str(), R_OK | W_OK) != 0) return ActionSaveMoleculeAsExecute();
  SaveSelectedText(path);
}

void TFormMolecules::ActionSaveMoleculeAsExecute() {
  if (!SelectedMolFile || !SelectedMolGL) return;
  SaveDialogMolecule.Title = FromFileName(SelectedMolFile->Name) + QStringLiteral("の保存");
  SaveDialogMolecule.FileName = FromFileName(SelectedMolFile->Path);
  SaveDialogMolecule.InitialDir = FromFileName(ExtractFilePath(ToFileName(OpenDialogMolecule.FileName)));
  SaveDialogMolecule.Filter = SelectedMolFile->FileType == GAUSSIAN_INPUT
                                  ? QStringLiteral("Gaussian Job File (*.gjf)|*.gjf")
                                  : QString();
  if (SaveDialogMolecule.Execute(this)) {
    const std::string chosen = ToFileName(SaveDialogMolecule.FileName);
    if (::access(chosen.c_str(), F_OK) != 0) {
      SaveSelectedText(chosen);
    } else if (::access(chosen.c_str(), R_OK | W_OK) == 0) {
      if (AskOkCancel(this, SaveDialogMolecule.FileName + QStringLiteral("を上書きしますか？")))
        SaveSelectedText(chosen);
    } else {
      ShowNotWritable(this, SaveDialogMolecule.FileName);
    }
  }
  SaveDialogMolecule.Title.clear();
}
