// The vibration results of the selected molecule written as CSV.
#include "SaveTarget.h"
#include "UnitMolecules.h"
#include "console/model/FileNames.h"
#include "console/model/ReplaceFile.h"
#include "console/model/VibrationCsv.h"
#include "platform/ui/FileNameText.h"

void TFormMolecules::ActionSaveFreqResultExecute() {
  if (!HasNormalModes()) return;
  FileDialog& dialog = SaveDialogMolecule;
  dialog.Title = QStringLiteral("振動計算結果の保存");
  dialog.FileName.clear();
  dialog.InitialDir = FromFileName(ExtractFilePath(SelectedMolFile->Path));
  dialog.Filter = QStringLiteral("Comma Separated File (*.csv)|*.csv");
  if (dialog.Execute(this)) {
    const std::string path = ToFileName(dialog.FileName);
    if (!ConfirmSaveTarget(this, path, dialog.FileName, ReadOnlyTarget::RefuseFirst)) return;
    const SaveResult saved =
        ReplaceFileWithBytes(path, VibrationCsvText(SelectedMolFile->ModeData, SelectedMolGL->ScalingFactor));
    if (!saved) ShowCouldNotSave(this, dialog.FileName, saved.Reason);
  }
  dialog.Title.clear();
  dialog.FileName.clear();
  dialog.InitialDir.clear();
  dialog.Filter.clear();
}
