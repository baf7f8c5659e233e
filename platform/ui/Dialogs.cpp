#include "Dialogs.h"

#include <algorithm>
#include <cerrno>

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>

#include "CompressorDialog.h"
#include "FileFilter.h"

namespace {

class QtDialogs : public Dialogs {
 public:
  bool RunFile(QWidget* parent, FileDialog& dialog) override {
    QFileDialog box(parent, dialog.Title);
    // Qt's own dialog: its chosen filter is reliable, and the program asks its
    // own overwrite question and adds its own extensions.
    box.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    const bool open = dialog.DialogKind == FileDialog::Kind::Open;
    box.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    box.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QStringList names = QtNameFilters(ParseFilter(dialog.Filter));
    if (!names.isEmpty()) {
      box.setNameFilters(names);
      const int index = std::clamp(dialog.FilterIndex, 1, static_cast<int>(names.size()));
      box.selectNameFilter(names[index - 1]);
    }
    // A folder in the file name is where the dialog opens (a molecule is
    // offered beside its own file); the initial folder serves a bare name,
    // or a name whose folder is gone.
    const QFileInfo current(dialog.FileName);
    const bool namesFolder = dialog.FileName.contains(QLatin1Char('/')) && current.absoluteDir().exists();
    if (namesFolder || (dialog.InitialDir.isEmpty() && !dialog.FileName.isEmpty())) {
      box.setDirectory(current.absolutePath());
    } else if (!dialog.InitialDir.isEmpty()) {
      box.setDirectory(dialog.InitialDir);
    }
    if (!dialog.FileName.isEmpty()) box.selectFile(current.fileName());
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return false;
    dialog.FileName = QFileInfo(box.selectedFiles().first()).absoluteFilePath();
    if (!names.isEmpty()) dialog.FilterIndex = FilterPosition(names, box.selectedNameFilter());
    return true;
  }

  bool RunColor(QWidget* parent, QColor& color) override {
    const QColor chosen = QColorDialog::getColor(color, parent, QString(), QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid()) return false;
    color = chosen;
    return true;
  }

  bool RunFont(QWidget* parent, QFont& font) override {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font, parent, QString(), QFontDialog::DontUseNativeDialog);
    if (ok) font = chosen;
    return ok;
  }

  bool RunMessage(QWidget* parent, const QString& text, Buttons buttons) override {
    const auto standard = buttons == Buttons::Ok ? QMessageBox::Ok : QMessageBox::Ok | QMessageBox::Cancel;
    QMessageBox box(QMessageBox::NoIcon, QString(), text, standard, parent);
    return box.exec() == QMessageBox::Ok;
  }

  bool RunCompressor(QWidget* parent, VideoCompressor& compressor) override {
    return ExecCompressorDialog(parent, compressor);
  }
};

QtDialogs qtDialogs;
Dialogs* current = &qtDialogs;

}  // namespace

Dialogs& CurrentDialogs() { return *current; }

void SetDialogs(Dialogs* dialogs) { current = dialogs ? dialogs : &qtDialogs; }

bool FileDialog::Execute(QWidget* parent) { return CurrentDialogs().RunFile(parent, *this); }

bool ColorChooser::Execute(QWidget* parent) { return CurrentDialogs().RunColor(parent, Color); }

bool FontChooser::Execute(QWidget* parent) { return CurrentDialogs().RunFont(parent, Font); }

bool ChooseCompressor(QWidget* parent, VideoCompressor& compressor) {
  return CurrentDialogs().RunCompressor(parent, compressor);
}

void ShowMessage(QWidget* parent, const QString& text) {
  CurrentDialogs().RunMessage(parent, text, Dialogs::Buttons::Ok);
}

bool AskOkCancel(QWidget* parent, const QString& text) {
  return CurrentDialogs().RunMessage(parent, text, Dialogs::Buttons::OkCancel);
}

QString WithSystemReason(const QString& text, const std::string& reason) {
  return reason.empty() ? text : text + QLatin1Char('\n') + QString::fromLocal8Bit(reason);
}

QString CouldNotSaveText(const QString& name, const std::string& reason) {
  return WithSystemReason(name + QStringLiteral("を保存できませんでした。"), reason);
}

QString NotWritableText(const QString& name, const std::string& reason) {
  return WithSystemReason(name + QStringLiteral("は書き込みできません。"), reason);
}

QString NotReplaceableInPlaceText(const QString& name, int cause) {
  QString why;
  switch (cause) {
    case EMLINK:
      why = QStringLiteral("このファイルには別の名前 (ハードリンク) もあります。");
      break;
    case EACCES:
      why = QStringLiteral("フォルダーに新しいファイルを作れません。");
      break;
    default:
      why = QStringLiteral("新しいファイルに元の所有者、グループ、属性を付けられません。");
      break;
  }
  return NotWritableText(name) + QLatin1Char('\n') + why + QStringLiteral("録画はファイルをその場で書き換えません。");
}

QString CouldNotReadText(const QString& name, const std::string& reason) {
  return WithSystemReason(name + QStringLiteral("を読み込めませんでした。"), reason);
}

QString CannotDeleteText(const QString& name, const std::string& reason) {
  return WithSystemReason(name + QStringLiteral("を消去できません。"), reason);
}

void ShowCouldNotSave(QWidget* parent, const QString& name, const std::string& reason) {
  ShowMessage(parent, CouldNotSaveText(name, reason));
}

void ShowNotWritable(QWidget* parent, const QString& name, const std::string& reason) {
  ShowMessage(parent, NotWritableText(name, reason));
}

void ShowCannotDelete(QWidget* parent, const QString& name, const std::string& reason) {
  ShowMessage(parent, CannotDeleteText(name, reason));
}

bool AskOverwrite(QWidget* parent, const QString& name) {
  return AskOkCancel(parent, name + QStringLiteral("を上書きしますか？"));
}
