// Saving the selected molecule's stored text, in place or under a new name.
// A failed write is reported and changes nothing: the user's file is either
// the old one or the whole new text, and the molecule keeps its path.
#include <unistd.h>

#include <filesystem>

#include "SaveTarget.h"
#include "UnitMolecules.h"
#include "console/model/FileNames.h"
#include "console/model/ReplaceFile.h"
#include "platform/ui/FileNameText.h"

// Writes the selected molecule's text to `path`; on success it becomes the
// molecule's path, on failure a message says so.
void TFormMolecules::SaveSelectedText(const std::string& path) {
  const SaveResult saved = ReplaceFileWithBytes(path, SelectedMolFile->Text());
  if (saved) SelectedMolFile->Path = path;
  else ShowCouldNotSave(this, FromFileName(path), saved.Reason);
}

void TFormMolecules::ActionSaveMoleculeExecute() {
  if (!SelectedMolFile || !SelectedMolGL) return;
  const std::string path = SelectedMolFile->Path;
  if (!AskOkCancel(this, FromFileName(path) + QStringLiteral("を保存します。"))) return;
  // Written in place only over the file the molecule was read from or saved
  // to, and such names are absolute (the dialogs and the command line give
  // them so). A stand-in ("New File" of a new molecule, a converted one's
  // name) may name some other file in the current folder; it, a missing file
  // and a read-only one go on to Save As, which asks before replacing a file.
  if (!std::filesystem::path(path).is_absolute() || ::access(path.c_str(), R_OK | W_OK) != 0)
    return ActionSaveMoleculeAsExecute();
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
    if (ConfirmSaveTarget(this, chosen, SaveDialogMolecule.FileName, ReadOnlyTarget::RefuseFirst))
      SaveSelectedText(chosen);
  }
  SaveDialogMolecule.Title.clear();
}
