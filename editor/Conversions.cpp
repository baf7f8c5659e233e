// The two conversions of the edited molecule, written back over the selected
// one, and the write-back that the grid edits share.
#include <QAction>
#include <QTabWidget>

#include "UnitMoleculeEdit.h"
#include "console/UnitMolecules.h"
#include "display/view/UnitGL.h"
#include "platform/Numbers.h"
#include "platform/ui/FileNameText.h"

bool TFormMoleculeEdit::HasSelection() {
  return FormMolecules && FormGL && FormMolecules->SelectedMolFile && FormMolecules->SelectedMolGL;
}

void TFormMoleculeEdit::TakeSelectedNames() {
  if (!HasSelection()) return;
  EditedMolFile.Name = FormMolecules->SelectedMolFile->Name;
  EditedMolFile.Path = FormMolecules->SelectedMolFile->Path;
}

void TFormMoleculeEdit::CopyBackToSelected() {
  MolFile& selected = *FormMolecules->SelectedMolFile;
  auto connections = std::move(selected.AtomIds.Connections);
  selected = EditedMolFile;
  selected.AtomIds.Connections = std::move(connections);
  EditedMolFile.ToMolGL(*FormMolecules->SelectedMolGL);
  FormMolecules->ShowSelectedMolecule();
}

void TFormMoleculeEdit::EnableCartesianConversion() {
  const MolFile* selected = FormMolecules->SelectedMolFile;
  CoordinateConvertToXYZ->setEnabled(selected && selected->FileType == GAUSSIAN_INPUT && selected->HasAtomsToConvert());
}

void TFormMoleculeEdit::SetCaption(int index, const std::string& name) {
  setWindowTitle(QString::fromStdString(FormatFloat("0", index + 1.0)) + QStringLiteral(": ") + FromFileName(name));
}

void TFormMoleculeEdit::FileConvertToGJFExecute() {
  // The action may still be enabled after the molecules went away.
  if (!HasSelection()) return;
  TakeSelectedNames();
  EditedMolFile.Path = "Converted Gaussian Input";
  EditedMolFile.ToGaussianInput();
  EditedMolFile.ToMolGL(*FormMolecules->SelectedMolGL);
  *FormMolecules->SelectedMolFile = EditedMolFile;
  FormMolecules->RefreshMoleculeList();
  FormMolecules->ShowSelectedMolecule();
  SetCaption(FormMolecules->SelectedIndex, EditedMolFile.Name);
  if (FormMolecules->SelectedMolFile->HasAtomsToConvert() &&
      FormMolecules->SelectedMolFile->FileType == GAUSSIAN_INPUT) {
    CoordinateConvertToXYZ->setEnabled(true);
  }
  FileConvertToGJF->setEnabled(false);
  ShowFileData();  // the page holds the new text whichever page shows
}

void TFormMoleculeEdit::CoordinateConvertToXYZExecute() {
  if (!HasSelection()) return;
  TakeSelectedNames();
  EditedMolFile.ToCartesian();
  EditedMolFile.ToMolGL(*FormMolecules->SelectedMolGL);
  *FormMolecules->SelectedMolFile = EditedMolFile;
  FormMolecules->RefreshMoleculeList();
  FormMolecules->ShowSelectedMolecule();
  UpdateGrids();
  SetCaption(FormMolecules->SelectedIndex, EditedMolFile.Name);
  CoordinateConvertToXYZ->setEnabled(false);
  if (PageControl->currentWidget() == TabSheetFile) ShowFileData();
}
