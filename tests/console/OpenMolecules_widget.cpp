// Opening molecule files through the Open action and the command line.
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <tuple>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTabBar>

#include "console/UnitMolecules.h"
#include "display/view/UnitGL.h"
#include "editor/UnitMoleculeEdit.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/ListView.h"
#include "settings/UnitSetting.h"
#include "tests/console/support/FormsFixture.h"
#include "tests/support/StrictRun.h"

namespace {

class OpenMolecules : public FormsFixture {};

// Water as a MOPAC input and as a TINKER XYZ file.
const char* const kMopacWater = "PM7\ntitle\ncomment\nO\nH 0.96 1\nH 0.96 1 104.5 1\n";
const char* const kTinkerWater = "3 water\n1 OW 0 0 0.12 2 3\n2 HW 0.76 0 -0.47 1\n3 HW -0.76 0 -0.47 1\n";

TEST_F(OpenMolecules, TheFilterNotTheExtensionGivesTheFileType) {
  Start();
  const QString out = WriteFile("job.out", CartesianInput);
  // A Gaussian input read as MOPAC's ends at its charge line: a label 0.
  const QString mopac = WriteFile("mopac.out", kMopacWater);
  const struct {
    int Filter;
    int FileType;
  } cases[] = {{1, GAUSSIAN_INPUT}, {4, MOPAC_INPUT}, {0, GAUSSIAN_INPUT}, {7, GAUSSIAN_INPUT}};
  for (const auto& c : cases) {
    OpenThroughDialog(c.FileType == MOPAC_INPUT ? mopac : out, c.Filter);
    ASSERT_FALSE(FormMolecules->MolFiles.empty());
    EXPECT_EQ(FormMolecules->MolFiles.back().FileType, c.FileType) << "filter " << c.Filter;
  }
  // A file the chosen reader finds no atom in, or refuses, adds nothing and the user is told why.
  const QString sym = WriteFile("sym.mop", "PM7\nt\nc\nO\nH r1 1\n\nr1 0.96\n");
  const QString other = WriteFile("50%2.mop", "PM7\nt\nc\nC\nC 1 CC\n\nCC 1.33\n");  // a "%2" in a name stays
  const QString undefined = WriteFile("z.gjf", "#p\n\nt\n\n0 1\nO\nH 1 R\nH 1 R 2 A\n\nR 0.96\n");
  const QString included = WriteFile("sq.gjf", "#p\n\nt\n\n0 2\n@SQ.xyz/N\n\n");
  const QString unplaced = WriteFile("ch4.mop", "PM7\nt\nc\nC\nH 1.1 1\nH 1.1 1 109 1\nH 1.1 1 109 1 120 1 1 2 3\nH 1.1 1 109 1\n");
  const std::tuple<QString, int, QString> refused[] = {
      {out, 2, out + QStringLiteral("には Gaussian Output として読める原子がありません。")},
      {out, 5, out + QStringLiteral("には TINKER XYZ として読める原子がありません。")},
      {out, 4, out + QStringLiteral("には MOPAC Input として読める原子がありません。")},
      {sym, 4, sym + QStringLiteral(" は開けません。5 行目の値が名前 (MOPAC の記号パラメータ) で書かれています:\nH r1 1")},
      {other, 4, other + QStringLiteral(" は開けません。5 行目は MOPAC の原子の行ではありません:\nC 1 CC")},
      {undefined, 1, undefined + QStringLiteral(" は開けません。8 行目の名前 A は変数にも定数にも定義されていません:\nH 1 R 2 A")},
      {unplaced, 4, unplaced + QStringLiteral(" は開けません。8 行目の原子には x, y, z も 3 つの参照原子もなく、置く場所が決まりません:\nH 1.1 1 109 1")},
      {included, 1, included + QStringLiteral(" は開けません。6 行目は分子を別のファイルから読み込む行です。そのファイルは読みません:\n@SQ.xyz/N")}};
  for (const auto& [path, filter, text] : refused) {
    dialogs.Calls.clear();
    OpenThroughDialog(path, filter);
    const auto messages = dialogs.CallsOf(ScriptedDialogs::Kind::Message);
    ASSERT_EQ(messages.size(), 1u) << filter;
    EXPECT_EQ(messages[0].Text, text);
  }
  EXPECT_EQ(FormMolecules->MolFiles.size(), std::size(cases));
  EXPECT_EQ(FormGL->MolGLs.size(), std::size(cases));
  // The dialog was given the six filters each time.
  const auto calls = dialogs.CallsOf(ScriptedDialogs::Kind::File);
  ASSERT_FALSE(calls.empty());
  EXPECT_TRUE(calls.front().Filter.startsWith("Gaussian Input(Job) File (*.gjf *.gjc *.com)|*.gjf;*.gjc;*.com|"));
  EXPECT_TRUE(calls.front().Filter.endsWith("|Quivera Animation File (*.qva)|*.qva"));
}

TEST_F(OpenMolecules, FilterThreeIsRefusedWithItsMessage) {
  Start();
  OpenThroughDialog(WriteFile("job.out", CartesianInput), 3);
  EXPECT_TRUE(FormMolecules->MolFiles.empty());
  const auto messages = dialogs.CallsOf(ScriptedDialogs::Kind::Message);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].Text, QStringLiteral("構造最適化アニメーションにはまだ未対応なんです"));
  EXPECT_EQ(messages[0].MessageButtons, Dialogs::Buttons::Ok);
}

// The read test comes before the filter: an animation is told the same.
TEST_F(OpenMolecules, AFileThatCannotBeReadIsNamedWithTheSystemsReasonAndOpensNothing) {
  Start();
  const QString pipe = PathOf("pipe.gjf"), locked = WriteFile("locked.gjf", CartesianInput);
  ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0666), 0);
  // Only the file's own bits keep the ordinary user out, not the folder's.
  ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), 0755), 0);
  ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0), 0);
  const auto expectRefused = [&](const QString& path, int filter, const std::string& reason) {
    dialogs.Calls.clear();
    OpenThroughDialog(path, filter);
    const auto messages = dialogs.CallsOf(ScriptedDialogs::Kind::Message);
    ASSERT_EQ(messages.size(), 1u) << path.toStdString();
    EXPECT_EQ(messages[0].Text, CouldNotReadText(path, reason));
  };
  QDir(folder.path()).mkdir("folder.gjf");
  expectRefused(PathOf("missing.gjf"), 1, std::strerror(ENOENT));
  expectRefused(PathOf("folder.gjf"), 1, std::strerror(EISDIR));
  expectRefused(pipe, 4, "Not a regular file");
  expectRefused(pipe, 6, "Not a regular file");
  AsOrdinaryUser([&] { expectRefused(locked, 5, std::strerror(EACCES)); });
  dialogs.Calls.clear();
  dialogs.CancelFile();
  FormMolecules->ActionOpenMolecule->trigger();
  EXPECT_TRUE(dialogs.CallsOf(ScriptedDialogs::Kind::Message).empty()) << "cancel says nothing";
  EXPECT_TRUE(FormMolecules->MolFiles.empty());
  EXPECT_EQ(FormMolecules->ListViewMolecules->Count(), 0);
  EXPECT_FALSE(FormGL->AnimationMode);
}

TEST_F(OpenMolecules, EachOpenIsListedSelectedAndGivenToTheEditor) {
  Start();
  const QString first = WriteFile("first.gjf", CartesianInput);
  const QString second = WriteFile("second.gjf", ZMatrixInput);
  const QString consoleCaption = FormMolecules->windowTitle();
  OpenThroughDialog(first, 1);
  EXPECT_EQ(FormMoleculeEdit->windowTitle(), QStringLiteral("1: first.gjf"));
  OpenThroughDialog(second, 1);
  OpenThroughDialog(first, 1);

  ASSERT_EQ(FormMolecules->MolFiles.size(), 3u);
  // The same file twice: two molecules with the same name and path.
  EXPECT_EQ(FormMolecules->MolFiles[0].Name, FormMolecules->MolFiles[2].Name);
  EXPECT_EQ(FormMolecules->MolFiles[0].Path, FormMolecules->MolFiles[2].Path);
  EXPECT_EQ(FormMolecules->MolFiles[2].Path, first.toStdString());
  EXPECT_EQ(FormMolecules->SelectedIndex, 2);
  EXPECT_EQ(FormMolecules->SelectedMolFile, &FormMolecules->MolFiles[2]);
  EXPECT_EQ(FormMolecules->SelectedMolGL, &FormGL->MolGLs[2]);
  EXPECT_EQ(FormMoleculeEdit->windowTitle(), QStringLiteral("3: first.gjf"));
  EXPECT_EQ(FormMoleculeEdit->EditedMolFile.Name, "first.gjf");
  EXPECT_EQ(FormMolecules->windowTitle(), consoleCaption);

  ListView* list = FormMolecules->ListViewMolecules;
  ASSERT_EQ(list->Count(), 3);
  EXPECT_EQ(list->Caption(1), QStringLiteral("2"));
  EXPECT_EQ(list->Item(1)->text(1), QStringLiteral("second.gjf"));
  EXPECT_EQ(list->Item(1)->text(2), second);
  EXPECT_EQ(list->ImageIndex(1), 2);
  EXPECT_EQ(list->Selected(), nullptr);  // a rebuild highlights no row
  QTabBar* tabs = FormGL->TabControlGL;
  ASSERT_EQ(tabs->count(), 3);
  EXPECT_EQ(tabs->tabText(1), QStringLiteral("2: second.gjf"));
  EXPECT_EQ(tabs->currentIndex(), 2);
  EXPECT_FALSE(tabs->isHidden());
}

TEST_F(OpenMolecules, TheFileTypeDecidesSavingAndTheEditorsConversions) {
  Start();
  OpenThroughDialog(QStringLiteral(QUIVERA_EXAMPLES "/water.out"), 2);
  EXPECT_FALSE(FormMolecules->ActionSaveMolecule->isEnabled());
  EXPECT_FALSE(FormMolecules->ActionSaveMoleculeAs->isEnabled());
  EXPECT_TRUE(FormMoleculeEdit->FileConvertToGJF->isEnabled());
  EXPECT_FALSE(FormMoleculeEdit->CoordinateConvertToXYZ->isEnabled());
  OpenThroughDialog(WriteFile("b.gjf", CartesianInput), 1);
  EXPECT_TRUE(FormMolecules->ActionSaveMolecule->isEnabled());
  EXPECT_TRUE(FormMolecules->ActionSaveMoleculeAs->isEnabled());
  EXPECT_FALSE(FormMoleculeEdit->FileConvertToGJF->isEnabled());
  std::size_t count = FormMolecules->MolFiles.size();
  for (const auto& [text, filter] : {std::pair{kMopacWater, 4}, std::pair{kTinkerWater, 5}}) {
    OpenThroughDialog(WriteFile("c.txt", text), filter);
    EXPECT_EQ(FormMolecules->MolFiles.size(), ++count) << filter;
    EXPECT_TRUE(FormMolecules->ActionSaveMolecule->isEnabled()) << filter;
  }
}

TEST_F(OpenMolecules, AZMatrixInputKeepsItsOwnBondsThroughOpen) {
  Start();
  OpenThroughDialog(WriteFile("water.gjf", ZMatrixInput), 1);
  const MolGL& model = FormGL->MolGLs[0];
  ASSERT_EQ(model.Atoms.size(), 3u);
  ASSERT_EQ(model.Bonds.size(), 2u);  // each hydrogen to its distance reference
  for (const Bond& bond : model.Bonds) EXPECT_EQ(model.Atoms[bond.Atom1].Id * model.Atoms[bond.Atom2].Id, 0);
  EXPECT_TRUE(FormMoleculeEdit->CoordinateConvertToXYZ->isEnabled());
}

TEST_F(OpenMolecules, AGaussianOutputIsBondedByDistanceAsTheStoredSettingSays) {
  Start();
  const QString water = QStringLiteral(QUIVERA_EXAMPLES "/water.out");
  OpenThroughDialog(water, 2);
  ASSERT_EQ(FormGL->MolGLs[0].Atoms.size(), 3u);
  EXPECT_EQ(FormGL->MolGLs[0].Bonds.size(), 2u);
  // A settings dialog left unchecked but cancelled does not count.
  FormMolecules->AutoBondGaussianOutput = false;
  FormSetting->CheckBoxAutoBondingCartesian->setChecked(true);
  OpenThroughDialog(water, 2);
  EXPECT_TRUE(FormGL->MolGLs[1].Bonds.empty());
  FormMolecules->AutoBondGaussianOutput = true;
  FormSetting->CheckBoxAutoBondingCartesian->setChecked(false);
  OpenThroughDialog(water, 2);
  EXPECT_EQ(FormGL->MolGLs[2].Bonds.size(), 2u);
  // The earlier molecules' selection pointers were set again after each append.
  EXPECT_EQ(FormMolecules->SelectedMolGL, &FormGL->MolGLs[2]);
}

// --- The command line ---------------------------------------------------------

class CommandLine : public FormsFixture {};

// What the message about a file that does not open names as openable.
const QString kWhatOpens = QStringLiteral(
    "\nコマンドラインから開けるのは Gaussian の入力 (.gjf, .com) と出力 (.out, .log)、アニメーション (.qva) のファイルです。");

TEST_F(CommandLine, AnyOtherExtensionIsSaidAndOpensNothing) {
  for (const char* name : {"a.GJF", "a.Out", "a.gjc", "a.COM", "a", "a.gjf.bak"}) {
    WriteFile(name, CartesianInput);
  }
  QDir(folder.path()).mkdir("dir.gjf");
  WriteFile("dir.gjf/file", CartesianInput);
  Start();
  for (const char* name : {"a.GJF", "a.Out", "a.gjc", "a.COM", "a", "a.gjf.bak", "dir.gjf/file"}) {
    FormMolecules->OpenCommandLineFile({QStringLiteral("quivera"), PathOf(name)});
    EXPECT_TRUE(FormMolecules->MolFiles.empty()) << name;
    const auto messages = dialogs.CallsOf(ScriptedDialogs::Kind::Message);
    ASSERT_FALSE(messages.empty()) << name;
    EXPECT_EQ(messages.back().Text, PathOf(name) + QStringLiteral("はコマンドラインから開けません。") + kWhatOpens);
  }
}

TEST_F(CommandLine, AFileThatCannotBeReadIsSaidAndOpensNothing) {
  QDir(folder.path()).mkdir("dir.gjf");
  Start();
  for (const char* name : {"missing.out", "missing.qva", "dir.gjf"}) {
    FormMolecules->OpenCommandLineFile({QStringLiteral("quivera"), PathOf(name)});
    EXPECT_TRUE(FormMolecules->MolFiles.empty()) << name;
    EXPECT_FALSE(FormGL->AnimationMode) << name;
    const auto messages = dialogs.CallsOf(ScriptedDialogs::Kind::Message);
    ASSERT_FALSE(messages.empty()) << name;
    EXPECT_EQ(messages.back().Text, PathOf(name) + QStringLiteral("を読み込めませんでした。") + kWhatOpens);
  }
  // A relative argument is named by its full path.
  const QString before = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(folder.path()));
  FormMolecules->OpenCommandLineFile({QStringLiteral("quivera"), QStringLiteral("missing.gjf")});
  QDir::setCurrent(before);
  EXPECT_TRUE(dialogs.CallsOf(ScriptedDialogs::Kind::Message).back().Text.startsWith(
      QDir(folder.path()).canonicalPath() + QStringLiteral("/missing.gjf")));
}

TEST_F(CommandLine, ALogFileIsAGaussianOutput) {
  Start({WriteFile("job.log", ExampleText("water.out"))});
  ASSERT_EQ(FormMolecules->MolFiles.size(), 1u);
  EXPECT_EQ(FormMolecules->MolFiles[0].FileType, GAUSSIAN_OUTPUT);
  EXPECT_EQ(FormMolecules->MolFiles[0].ModeData.ModeNumbers.size(), 3u);
  EXPECT_EQ(FormGL->MolGLs[0].Bonds.size(), 2u);  // bonds by distance
}

TEST_F(CommandLine, TheFirstArgumentOpensWithAnAbsolutePath) {
  WriteFile("first.gjf", CartesianInput);
  WriteFile("second.gjf", CartesianInput);
  const QString before = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(folder.path()));
  Start({QStringLiteral("first.gjf"), QStringLiteral("second.gjf")});
  QDir::setCurrent(before);
  ASSERT_EQ(FormMolecules->MolFiles.size(), 1u);
  const MolFile& file = FormMolecules->MolFiles[0];
  EXPECT_EQ(file.Name, "first.gjf");
  EXPECT_EQ(file.Path, PathOf("first.gjf").toStdString());
  EXPECT_EQ(file.FileType, GAUSSIAN_INPUT);
  EXPECT_FALSE(file.Lines.empty());
  EXPECT_EQ(FormMoleculeEdit->windowTitle(), QStringLiteral("1: first.gjf"));
  EXPECT_EQ(FormMolecules->SelectedMolGL, &FormGL->MolGLs[0]);
}

TEST_F(CommandLine, AZMatrixInputGetsDistanceBonds) {
  WriteFile("stretched.gjf",
            "#T HF/STO-3G\n\nfar apart\n\n0 1\nO\nH 1 3.0\nH 1 0.96 2 104.5\n\n");
  Start({PathOf("stretched.gjf")});
  const MolGL& model = FormGL->MolGLs[0];
  ASSERT_EQ(model.Atoms.size(), 3u);
  // The far hydrogen's Z-matrix bond is gone; only the near one is bonded.
  ASSERT_EQ(model.Bonds.size(), 1u);
  EXPECT_EQ(model.Atoms[model.Bonds[0].Atom1].Id + model.Atoms[model.Bonds[0].Atom2].Id, 2);
}

TEST_F(CommandLine, NoArgumentOpensNothing) {
  Start();
  EXPECT_TRUE(FormMolecules->MolFiles.empty());
  EXPECT_EQ(FormMolecules->SelectedMolFile, nullptr);
  EXPECT_EQ(FormMolecules->SelectedMolGL, nullptr);
}

}  // namespace
