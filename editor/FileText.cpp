// The file page: the copy's text and type, and the import of an edited text
// as a chosen type over the selected molecule (or as a new one).
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>

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
  fileTextPending_ = false;
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
  // Laying out the text of a long output takes seconds and a few times its
  // memory: it goes into the page when the page is seen, and the user sees
  // the same text whenever they look.
  if (RichEditFileData->isVisible()) FillFileText();
  else fileTextPending_ = true;
}

void TFormMoleculeEdit::FillFileText() {
  fileTextPending_ = false;
  // Decoded straight into the string's storage: one unit per byte at most.
  const std::vector<std::string>& lines = EditedMolFile.Lines;
  std::size_t size = lines.size();
  for (const std::string& line : lines) size += line.size();
  QString text(static_cast<qsizetype>(size), Qt::Uninitialized);
  char16_t* const begin = reinterpret_cast<char16_t*>(text.data());
  char16_t* end = begin;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) *end++ = u'\n';
    end += Cp932ToUtf16(lines[i], end);
  }
  text.truncate(end - begin);
  // The document's own fill: the widget's would set the character format of
  // every line once more. The cursor then goes back to the top.
  RichEditFileData->document()->setPlainText(text);
  RichEditFileData->moveCursor(QTextCursor::Start);
}

void TFormMoleculeEdit::FillFileTextWhenShown() {
  // Queued: when the page itself was chosen, its show handler fills it
  // first, and this finds nothing left to do.
  if (fileTextPending_)
    QTimer::singleShot(0, this, [this] {
      if (fileTextPending_ && RichEditFileData->isVisible()) FillFileText();
    });
}

void TFormMoleculeEdit::TabSheetFileShow() {
  ShowFileControls();
  ShowFileData();
}

void TFormMoleculeEdit::ImportFileText() {
  if (fileTextPending_) FillFileText();  // the page's text, though the page was never seen
  const std::string name = EditedMolFile.Name;
  const std::string path = EditedMolFile.Path;
  const std::int32_t type = EditedMolFile.FileType;
  EditedMolFile.Clear();
  EditedMolFile.Name = name;
  EditedMolFile.Path = path;
  EditedMolFile.FileType = type;
  // An empty page holds no lines at all.
  const std::string bytes = Utf8ToCp932(RichEditFileData->toPlainText().toStdString());
  for (std::size_t start = 0; !bytes.empty();) {
    const std::size_t end = bytes.find('\n', start);
    EditedMolFile.Lines.emplace_back(bytes, start, end == std::string::npos ? end : end - start);
    if (end == std::string::npos) break;
    start = end + 1;
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
  // The text is taken as typed, so nothing is lost; why it gives no atom is
  // said, not left to look like a fault of the view.
  if (EditedMolFile.RefusedLine >= 0)
    ShowMessage(this, RefusedTextMessage(EditedMolFile, QStringLiteral("テキストから原子を読めません。")));
}
