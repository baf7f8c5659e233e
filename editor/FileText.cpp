// The file page: the copy's text and type, and the import of an edited text
// as a chosen type over the selected molecule (or as a new one).
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "UnitMoleculeEdit.h"
#include "console/UnitMolecules.h"
#include "platform/TextCodec.h"

namespace {

struct FileTypeText {
  std::int32_t Code;
  const char* Text;
};

constexpr FileTypeText kFileTypeTexts[] = {
    {GAUSSIAN_INPUT, "Gaussian Input"},
    {GAUSSIAN_OUTPUT, "Gaussian Output (Last Orientation Only)"},
    {MOPAC_INPUT, "MOPAC Input"},
    {TINKER_XYZ, "TINKER XYZ"},
};

// Any text that names none of the types reads as a Gaussian input.
std::int32_t FileTypeOf(const QString& text) {
  for (const FileTypeText& type : kFileTypeTexts) {
    if (text == QLatin1String(type.Text)) return type.Code;
  }
  return GAUSSIAN_INPUT;
}

}  // namespace

void TFormMoleculeEdit::ShowFileControls() {
  if (LabelFileType->isEnabled()) return;
  LabelFileType->setEnabled(true);
  ComboBoxFileType->setEnabled(true);
  ButtonImportData->setEnabled(true);
  RichEditFileData->setEnabled(true);
}

void TFormMoleculeEdit::ShowFileData() {
  RichEditFileData->clear();
  const FileTypeText* shown = nullptr;
  for (const FileTypeText& type : kFileTypeTexts) {
    if (type.Code == EditedMolFile.FileType) shown = &type;
  }
  if (!shown) {
    LabelFileType->setEnabled(false);
    ComboBoxFileType->setEnabled(false);
    ButtonImportData->setEnabled(false);
    RichEditFileData->setEnabled(false);
    return;
  }
  ComboBoxFileType->setEditText(QLatin1String(shown->Text));
  QStringList lines;
  for (const std::string& line : EditedMolFile.Lines) lines.append(QString::fromStdString(Cp932ToUtf8(line)));
  RichEditFileData->setPlainText(lines.join(QLatin1Char('\n')));
}

void TFormMoleculeEdit::TabSheetFileShow() {
  ShowFileControls();
  ShowFileData();
}

void TFormMoleculeEdit::ImportFileText() {
  const std::string name = EditedMolFile.Name;
  const std::string path = EditedMolFile.Path;
  const std::int32_t type = EditedMolFile.FileType;
  EditedMolFile.Clear();
  EditedMolFile.Name = name;
  EditedMolFile.Path = path;
  EditedMolFile.FileType = type;
  // An empty page holds no lines at all.
  const QString text = RichEditFileData->toPlainText();
  if (!text.isEmpty()) {
    for (const QString& line : text.split(QLatin1Char('\n'))) {
      EditedMolFile.Lines.push_back(Utf8ToCp932(line.toStdString()));
    }
  }
  EditedMolFile.Parse();
  UpdateGrids();
}

void TFormMoleculeEdit::ButtonImportDataClick() {
  TakeSelectedNames();
  EditedMolFile.FileType = FileTypeOf(ComboBoxFileType->currentText());
  ImportFileText();
  MolGL model;
  EditedMolFile.ToMolGL(model);
  TFormMolecules* console = FormMolecules;
  if (!HasSelection()) {
    console->AppendMolecule(EditedMolFile, model);
    console->SelectedIndex = static_cast<int>(console->MolFiles.size()) - 1;
  } else {
    *console->SelectedMolFile = EditedMolFile;
    *console->SelectedMolGL = model;
  }
  console->RefreshMoleculeList();
  console->ShowSelectedMolecule();
  EnableCartesianConversion();
}
