// The vibration results of the selected molecule written as CSV.
#include <unistd.h>

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
    if (::access(path.c_str(), F_OK) == 0) {
      if (::access(path.c_str(), W_OK) != 0)
        return ShowNotWritable(this, dialog.FileName);
      if (!AskOkCancel(this, dialog.FileName + QStringLiteral("を上書きしますか？"))) return;
    }
    if (!ReplaceFileWithBytes(path, VibrationCsvText(SelectedMolFile->ModeData, SelectedMolGL->ScalingFactor)))
      ShowCouldNotSave(this, dialog.FileName);
  }
  dialog.Title.clear();
  dialog.FileName.clear();
  dialog.InitialDir.clear();
  dialog.Filter.clear();
}
