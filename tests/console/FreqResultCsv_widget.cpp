// The vibration results saved as CSV from the console.
#include <cerrno>
#include <cstring>

#include <QAction>
#include <QLineEdit>

#include "console/UnitMolecules.h"
#include "console/model/VibrationCsv.h"
#include "tests/console/support/FormsFixture.h"

namespace {

class FreqResultCsv : public FormsFixture {
 protected:
  void OpenWater() {
    OpenThroughDialog(WriteFile("water.out", ExampleText("water.out")), 2);
  }
  void Save(const QString& path) {
    dialogs.ChooseFile(path);
    FormMolecules->ActionSaveFreqResult->trigger();
  }
};

}  // namespace

TEST_F(FreqResultCsv, WritesTheTablesWithTheScalingFactor) {
  Start();
  OpenWater();
  FormMolecules->EditScalingFactor->setText("0.9613");
  Save(PathOf("water.csv"));
  const std::string written = ReadFile(PathOf("water.csv"));
  EXPECT_EQ(written, VibrationCsvText(FormMolecules->SelectedMolFile->ModeData, static_cast<float>(0.9613)));
  EXPECT_NE(written.find("\r\n1,A1,1756.4485,1.0825,2.1293,99.7386,6.5232,\r\n"), std::string::npos) << written;

  const auto call = dialogs.CallsOf(ScriptedDialogs::Kind::File).back();
  EXPECT_EQ(call.Title, QStringLiteral("振動計算結果の保存"));
  EXPECT_EQ(call.FileName, "");
  EXPECT_EQ(call.Filter, "Comma Separated File (*.csv)|*.csv");
  EXPECT_EQ(call.InitialDir, folder.path() + "/");
  EXPECT_TRUE(FormMolecules->SaveDialogMolecule.Title.isEmpty()) << "the dialog is emptied again";
  EXPECT_TRUE(dialogs.CallsOf(ScriptedDialogs::Kind::Message).empty());
}

TEST_F(FreqResultCsv, OverwriteIsAskedAndCancelKeepsTheFile) {
  Start();
  OpenWater();
  const QString path = WriteFile("old.csv", "old bytes");
  dialogs.AnswerMessage(false);
  Save(path);
  EXPECT_EQ(ReadFile(path), "old bytes");
  const auto question = dialogs.CallsOf(ScriptedDialogs::Kind::Message);
  ASSERT_EQ(question.size(), 1u);
  EXPECT_EQ(question[0].Text, path + QStringLiteral("を上書きしますか？"));
  EXPECT_EQ(question[0].MessageButtons, Dialogs::Buttons::OkCancel);

  dialogs.AnswerMessage(true);
  Save(path);
  EXPECT_EQ(ReadFile(path).rfind("Mode No,", 0), 0u);
}

TEST_F(FreqResultCsv, FailureIsReported) {
  Start();
  OpenWater();
  const QString path = PathOf("missing/water.csv");
  Save(path);
  const auto messages = dialogs.CallsOf(ScriptedDialogs::Kind::Message);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].Text, CouldNotSaveText(path, std::strerror(ENOENT)));
}

TEST_F(FreqResultCsv, NothingWithoutModes) {
  Start();
  FormMolecules->ActionSaveFreqResult->trigger();
  OpenThroughDialog(WriteFile("in.gjf", CartesianInput), 1);
  FormMolecules->ActionSaveFreqResult->trigger();
  OpenWater();
  FormMolecules->SelectedMolGL->Modes.clear();  // no atom of the rows matched
  FormMolecules->ActionSaveFreqResult->trigger();
  EXPECT_EQ(dialogs.CallsOf(ScriptedDialogs::Kind::File).size(), 2u) << "only the open dialogs ran";
  EXPECT_TRUE(dialogs.CallsOf(ScriptedDialogs::Kind::Message).empty());
}
