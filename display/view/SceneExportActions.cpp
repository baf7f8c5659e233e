// The view's scene exports: the whole file is built first, then a save
// dialog and, for an existing file, the overwrite question. A file is only
// ever replaced whole, and a write that fails is reported.
#include "UnitGL.h"
#include "console/SaveTarget.h"
#include "console/UnitMolecules.h"
#include "console/model/FileNames.h"
#include "console/model/ReplaceFile.h"
#include "display/SceneExport.h"
#include "platform/ui/FileNameText.h"
#include "platform/ui/ListView.h"

namespace {

SceneExportChoice ConsoleChoice(const TFormGL& view) {
  SceneExportChoice choice;
  choice.Selected = FormMolecules->SelectedMolGL;
  choice.ShowOnlySelected = view.ShowOnlySelected;
  if (FormMolecules->ListViewNormalModes->Selected()) choice.SelectedMode = FormMolecules->SelectedModeNumber;
  choice.ShowModeArrows = FormMolecules->ShowModeArrows;
  choice.ArrowMagnitude = FormMolecules->ModeArrowMagnitude;
  choice.ArrowRadius = FormMolecules->ModeArrowRadius;
  return choice;
}

bool HasSelection() { return FormMolecules && FormMolecules->SelectedMolFile && FormMolecules->SelectedMolGL; }

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += '\n';
  }
  return text;
}

// Asks where to save `lines` and writes them, each with a line end.
void SaveLines(TFormGL& view, const std::vector<std::string>& lines, const QString& filter) {
  FileDialog& dialog = view.SaveDialog;
  dialog.Title = FromFileName(FormMolecules->SelectedMolFile->Name) + QStringLiteral("の保存");
  dialog.InitialDir = FromFileName(ExtractFilePath(ToFileName(dialog.FileName)));
  dialog.Filter = filter;
  if (dialog.Execute(&view)) {
    const std::string path = ToFileName(dialog.FileName);
    if (ConfirmSaveTarget(&view, path, dialog.FileName, ReadOnlyTarget::RefuseFirst)) {
      const SaveResult saved = ReplaceFileWithBytes(path, JoinLines(lines));
      if (!saved) ShowCouldNotSave(&view, dialog.FileName, saved.Reason);
    }
  }
  dialog.Title.clear();
}

}  // namespace

void TFormGL::ExportPovRayExecute(QAction* Sender) {
  if (!HasSelection()) return;
  const std::vector<std::string> lines = BuildPovRayScene(MolGLs, ConsoleChoice(*this),
                                                          Sender == ExportPovrayNormalMode, CameraDistance,
                                                          BackgroundColor, Rotation);
  SaveLines(*this, lines, QStringLiteral("Pov Ray File (*.pov)|*.pov"));
}

void TFormGL::ExportMetasequoiaObjectExecute() {
  if (!HasSelection()) return;
  const std::vector<std::string> lines = BuildMqoDocument(MolGLs, ConsoleChoice(*this), CameraDistance);
  SaveLines(*this, lines, QStringLiteral("Metasequoia Object File (*.mqo)|*.mqo"));
}
