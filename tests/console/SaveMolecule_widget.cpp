// New molecules and saving the molecule text with Save and Save As.
#include <cerrno>
#include <cstring>

#include <QAction>
#include <QDir>
#include <QTabBar>

#include "console/UnitMolecules.h"
#include "display/view/UnitGL.h"
#include "platform/ui/ListView.h"
#include "tests/console/support/FormsFixture.h"

namespace {

const char* const kTemplate = "#T HF/STO-3G\n\nA comment by Quivera\n\n0 1\n\n";

class SaveMolecule : public FormsFixture {
 protected:
  std::vector<ScriptedDialogs::Call> Messages() { return dialogs.CallsOf(ScriptedDialogs::Kind::Message); }
  std::vector<ScriptedDialogs::Call> Files() { return dialogs.CallsOf(ScriptedDialogs::Kind::File); }
};

}  // namespace

TEST_F(SaveMolecule, NewAppendsTheTemplate) {
  Start();
  FormMolecules->ActionNewMolecule->trigger();
  FormMolecules->ActionNewMolecule->trigger();
  ASSERT_EQ(FormMolecules->MolFiles.size(), 2u);
  EXPECT_EQ(FormMolecules->SelectedIndex, 1);
  EXPECT_EQ(FormMolecules->ListViewMolecules->Caption(1), "2");
  EXPECT_EQ(FormGL->TabControlGL->tabText(0), "1: Untitled");
  EXPECT_EQ(FormGL->TabControlGL->tabText(1), "2: Untitled");
  EXPECT_EQ(FormGL->TabControlGL->currentIndex(), 1);
  const MolFile& file = FormMolecules->MolFiles[1];
  EXPECT_EQ(file.Name, "Untitled");
  EXPECT_EQ(file.Path, "New File");
  EXPECT_EQ(file.FileType, GAUSSIAN_INPUT);
  EXPECT_EQ(file.Lines, (std::vector<std::string>{"#T HF/STO-3G", "", "A comment by Quivera", "", "0 1", "", ""}));
  EXPECT_TRUE(FormGL->MolGLs[1].Atoms.empty());
  EXPECT_EQ(FormGL->MolGLs[1].Name, "Untitled");
  EXPECT_TRUE(FormMolecules->ActionSaveMolecule->isEnabled());
}

TEST_F(SaveMolecule, SavingANewMoleculeGoesOnToSaveAs) {
  Start();
  FormMolecules->ActionNewMolecule->trigger();
  const QString home = QDir::currentPath();
  QDir::setCurrent(folder.path());
  const QString existing = WriteFile("New File", "keep me");  // some other file: replaced only if the user says so
  dialogs.AnswerMessage(true);
  dialogs.ChooseFile(existing);
  dialogs.AnswerMessage(false);
  FormMolecules->ActionSaveMolecule->trigger();
  QDir::setCurrent(home);
  EXPECT_EQ(Messages().back().Text, existing + QStringLiteral("を上書きしますか？"));
  EXPECT_EQ(ReadFile(existing), "keep me");
  dialogs.Calls.clear();
  dialogs.AnswerMessage(true);
  const QString target = PathOf("water");  // no extension is added
  dialogs.ChooseFile(target);
  FormMolecules->ActionSaveMolecule->trigger();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].Text, QStringLiteral("New Fileを保存します。"));
  ASSERT_EQ(Files().size(), 1u);
  EXPECT_EQ(Files()[0].FileName, "New File");
  EXPECT_EQ(Files()[0].Title, QStringLiteral("Untitledの保存"));
  EXPECT_EQ(Files()[0].Filter, "Gaussian Job File (*.gjf)|*.gjf");
  EXPECT_EQ(ReadFile(target), kTemplate);
  EXPECT_EQ(FormMolecules->SelectedMolFile->Path, target.toStdString());
  EXPECT_TRUE(FormMolecules->SaveDialogMolecule.Title.isEmpty());
}

TEST_F(SaveMolecule, SaveWritesTheStoredLinesInPlace) {
  Start();
  const QString path = WriteFile("in.gjf", CartesianInput);
  OpenThroughDialog(path, 1);
  FormMolecules->SelectedMolFile->Lines[2] = "renamed";
  dialogs.AnswerMessage(false);
  FormMolecules->ActionSaveMolecule->trigger();
  EXPECT_EQ(ReadFile(path), CartesianInput) << "Cancel writes nothing";

  dialogs.AnswerMessage(true);
  FormMolecules->ActionSaveMolecule->trigger();
  std::string expected = CartesianInput;
  expected.replace(expected.find("two atoms"), 9, "renamed");
  EXPECT_EQ(ReadFile(path), expected);
  EXPECT_EQ(Messages().back().Text, path + QStringLiteral("を保存します。"));
  EXPECT_EQ(Files().size(), 1u) << "only the open dialog";
}

TEST_F(SaveMolecule, SaveAsAsksBeforeOverwriting) {
  Start();
  OpenThroughDialog(WriteFile("in.gjf", CartesianInput), 1);
  const QString other = WriteFile("other.gjf", "keep me");
  dialogs.ChooseFile(other);
  dialogs.AnswerMessage(false);
  FormMolecules->ActionSaveMoleculeAs->trigger();
  EXPECT_EQ(ReadFile(other), "keep me");
  EXPECT_EQ(Messages().back().Text, other + QStringLiteral("を上書きしますか？"));
  EXPECT_EQ(FormMolecules->SelectedMolFile->Path, PathOf("in.gjf").toStdString());

  dialogs.ChooseFile(other);
  dialogs.AnswerMessage(true);
  FormMolecules->ActionSaveMoleculeAs->trigger();
  EXPECT_EQ(ReadFile(other), CartesianInput);
  EXPECT_EQ(FormMolecules->SelectedMolFile->Path, other.toStdString());
  EXPECT_EQ(Files().back().InitialDir, folder.path() + "/") << "the folder of the last opened file";
}

TEST_F(SaveMolecule, FailedWriteIsReportedAndKeepsThePath) {
  Start();
  OpenThroughDialog(WriteFile("in.gjf", CartesianInput), 1);
  const QString target = PathOf("missing/out.gjf");
  dialogs.ChooseFile(target);
  FormMolecules->ActionSaveMoleculeAs->trigger();
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].Text, CouldNotSaveText(target, std::strerror(ENOENT)));
  EXPECT_EQ(FormMolecules->SelectedMolFile->Path, PathOf("in.gjf").toStdString());
}

TEST_F(SaveMolecule, NothingWithoutASelection) {
  Start();
  FormMolecules->ActionSaveMolecule->trigger();
  FormMolecules->ActionSaveMoleculeAs->trigger();
  EXPECT_TRUE(Messages().empty());
  EXPECT_TRUE(Files().empty());
}
