// Opening molecule files: the Open action and the file named on the command line.
#include <QFileInfo>

#include "UnitMolecules.h"
#include "console/model/FileNames.h"
#include "console/model/OpenRoads.h"
#include "display/view/UnitGL.h"
#include "editor/UnitMoleculeEdit.h"
#include "platform/ui/Dialogs.h"
#include "platform/TextCodec.h"
#include "platform/ui/FileNameText.h"

void TFormMolecules::ActionOpenMoleculeExecute() {
  OpenDialogMolecule.Filter = QString::fromLatin1(MoleculeOpenFilter);
  if (!OpenDialogMolecule.Execute(this)) return;
  const std::string path = ToFileName(OpenDialogMolecule.FileName);
  std::string reason;
  if (!PassesReadTest(path, &reason)) {
    ShowMessage(this, CouldNotReadText(OpenDialogMolecule.FileName, reason));
    return;
  }
  const OpenChoice choice = ChoiceForFilter(OpenDialogMolecule.FilterIndex);
  switch (choice.Road) {
    case OpenRoad::Refused:
      ShowMessage(this, QStringLiteral("構造最適化アニメーションにはまだ未対応なんです"));
      return;
    case OpenRoad::Animation:
      OpenAnimationFile(path, AutoBondGaussianOutput);
      return;
    case OpenRoad::Molecule:
      // The stored setting decides, not what a cancelled settings dialog shows.
      OpenMoleculeFile(path, choice.FileType, choice.FileType == GAUSSIAN_OUTPUT && AutoBondGaussianOutput);
      return;
  }
}

QString RefusedTextMessage(const MolFile& file, const QString& opening) {
  const QString line = QString::fromUtf8(Cp932ToUtf8(file.Lines[file.RefusedLine]));
  const QString number = QString::number(file.RefusedLine + 1);
  // One substitution, so that a "%2" in the file's name stays as it is.
  switch (file.RefusedFor) {
    case MolFile::Refusal::SymbolicParameter:
      return QStringLiteral("%1%2 行目の値が名前 (MOPAC の記号パラメータ) で書かれています:\n%3").arg(opening, number, line);
    case MolFile::Refusal::NotAnAtomLine:
      return QStringLiteral("%1%2 行目は MOPAC の原子の行ではありません:\n%3").arg(opening, number, line);
    case MolFile::Refusal::UnplacedAtom:
      return QStringLiteral("%1%2 行目の原子には x, y, z も 3 つの参照原子もなく、置く場所が決まりません:\n%3")
          .arg(opening, number, line);
    case MolFile::Refusal::IncludedMolecule:
      return QStringLiteral("%1%2 行目は分子を別のファイルから読み込む行です。そのファイルは読みません:\n%3")
          .arg(opening, number, line);
    case MolFile::Refusal::UndefinedName:
      break;
  }
  return QStringLiteral("%1%2 行目の名前 %3 は変数にも定数にも定義されていません:\n%4")
      .arg(opening, number, QString::fromUtf8(Cp932ToUtf8(file.RefusedName)), line);
}

void TFormMolecules::OpenMoleculeFile(const std::string& path, int fileType, bool distanceBonds) {
  MolFile file;
  file.FileType = fileType;
  file.Name = ExtractFileName(path);
  file.Path = path;
  if (!file.Load(path.c_str())) {
    ShowMessage(this, CouldNotReadText(FromFileName(path)));
    return;
  }
  if (file.RefusedLine >= 0) {
    // Refused rather than shown as a wrong molecule.
    ShowMessage(this, RefusedTextMessage(file, FromFileName(path) + QStringLiteral(" は開けません。")));
    return;
  }
  MolGL model;
  model.Name = file.Name;
  file.ToMolGL(model);
  if (model.Atoms.empty()) {
    // Most likely the wrong type was chosen: an empty molecule would only
    // stand in the list.
    ShowMessage(this, FromFileName(path) + QStringLiteral("には ") + QString::fromLatin1(FileTypeName(fileType)) +
                          QStringLiteral(" として読める原子がありません。"));
    return;
  }
  if (distanceBonds) {
    model.Bonds.clear();
    model.AutoBond();
  }
  AppendAndSelectMolecule(std::move(file), model);
  EnableEditorConversions();
}

void TFormMolecules::OpenCommandLineFile(const QStringList& arguments) {
  if (arguments.size() < 2) return;
  const std::optional<OpenChoice> choice = ChoiceForArgument(ToFileName(arguments[1]));
  // Absolute now, so that a later change of the current folder cannot send
  // the path, or a save through it, elsewhere.
  const QString name = QFileInfo(arguments[1]).absoluteFilePath();
  const std::string path = ToFileName(name);
  if (!choice || !PassesReadTest(path)) {
    // Said, and the program starts empty.
    ShowMessage(this, (choice ? CouldNotReadText(name) : name + QStringLiteral("はコマンドラインから開けません。")) +
                          QStringLiteral("\nコマンドラインから開けるのは Gaussian の入力 (.gjf, .com) と出力 (.out, .log)、"
                                         "アニメーション (.qva) のファイルです。"));
    return;
  }
  if (choice->Road == OpenRoad::Animation) {
    OpenAnimationFile(path, true);
  } else {
    OpenMoleculeFile(path, choice->FileType, true);
  }
}
