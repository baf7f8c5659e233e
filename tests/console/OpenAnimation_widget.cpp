// Opening animation files through the Open dialog's sixth filter and the
// command line.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include "console/UnitMolecules.h"
#include "display/view/UnitGL.h"
#include "editor/UnitMoleculeEdit.h"
#include "platform/ui/Chart.h"
#include "platform/ui/ListView.h"
#include "platform/ui/StringGrid.h"
#include "tests/console/support/FormsFixture.h"

namespace {

// A molecule beside the project, one missing, a Gaussian output named by its
// full path, and two frames.
const std::string kProject =
    "%FILE 1 GJF a.gjf 1 2 3\n"
    "%FILE 2 GJF missing.gjf\n"
    "%FILE 3 GO \"" QUIVERA_EXAMPLES "/water.out\"\n"
    "%TIMESTEP 5\n"
    "%DATA\n"
    "%TIME 10\n"
    "FILE 1 0 0 0 1 0 0 0 1 0 0 0 1\n"
    "\n"
    "FILE 1 1 0 0 1 0 0 0 1 0 0 0 1\n"
    "\n"
    "%CONTINUE 1\n";

class OpenAnimation : public FormsFixture {
 protected:
  QString WriteProject(const QString& folderName = QString()) {
    const QString prefix = folderName.isEmpty() ? QString() : folderName + QLatin1Char('/');
    if (!folderName.isEmpty()) QDir(folder.path()).mkpath(folderName);
    WriteFile(prefix + "a.gjf", CartesianInput);
    return WriteFile(prefix + "a.qva", kProject);
  }
};

}  // namespace

TEST_F(OpenAnimation, TheProjectsMoleculesFollowThoseLoadedAndTheLastIsSelected) {
  Start();
  OpenThroughDialog(WriteFile("first.gjf", ZMatrixInput), 1);
  FormGL->TabControlGL->show();
  const QString project = WriteProject();
  OpenThroughDialog(project, 6);

  const MolAnimation& animation = FormMolecules->Animation;
  EXPECT_EQ(animation.FileIndex, (std::map<std::uint32_t, std::int32_t>{{1, 1}, {2, -1}, {3, 2}}));
  ASSERT_EQ(FormMolecules->MolFiles.size(), 3u);
  ASSERT_EQ(FormGL->MolGLs.size(), 3u);
  EXPECT_EQ(FormGL->MolGLs[1].Position.x, 1);
  EXPECT_EQ(FormMolecules->ListViewMolecules->Count(), 3);
  EXPECT_EQ(FormMolecules->SelectedIndex, 2);
  EXPECT_EQ(FormMolecules->SelectedMolGL, &FormGL->MolGLs[2]);
  EXPECT_EQ(animation.Title, "a.qva");
  EXPECT_EQ(FormMolecules->windowTitle(), QStringLiteral("Quivera: a.qva"));
  EXPECT_TRUE(FormMolecules->CheckBoxAnimation->isChecked());
  EXPECT_TRUE(FormGL->AnimationMode);
  EXPECT_EQ(FormGL->PlayState, STOP);
  EXPECT_EQ(FormGL->CurrentTime, 10.0L);
  EXPECT_TRUE(FormGL->TabControlGL->isHidden());
  EXPECT_EQ(animation.Frames.size(), 2u);
  // The editor shows the molecule that its edits would now be written over.
  EXPECT_EQ(FormMoleculeEdit->EditedMolFile.Path, FormMolecules->MolFiles[2].Path);
  // The file it could not read is named, once the rest is shown.
  const auto messages = dialogs.CallsOf(ScriptedDialogs::Kind::Message);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].Text, PathOf("missing.gjf") + QStringLiteral("を読み込めませんでした。"));

  // Opened again with the reset on: only its own molecules, from index 0.
  FormMolecules->ResetOnAnimationLoad = true;
  OpenThroughDialog(project, 6);
  EXPECT_EQ(animation.FileIndex, (std::map<std::uint32_t, std::int32_t>{{1, 0}, {2, -1}, {3, 1}}));
  EXPECT_EQ(FormMolecules->MolFiles.size(), 2u);
  EXPECT_EQ(FormGL->MolGLs.size(), 2u);
  EXPECT_EQ(FormMolecules->SelectedMolFile, &FormMolecules->MolFiles[1]);
}

TEST_F(OpenAnimation, GaussianOutputBondsFollowTheSetting) {
  Start();
  const QString project = WriteProject();
  const auto openWith = [&](bool autoBond) {
    FormMolecules->ResetOnAnimationLoad = true;
    FormMolecules->AutoBondGaussianOutput = autoBond;
    OpenThroughDialog(project, 6);
    const int index = FormMolecules->Animation.FileIndex.at(3);
    EXPECT_EQ(FormMolecules->MolFiles.at(index).FileType, GAUSSIAN_OUTPUT);
    return FormGL->MolGLs.at(index).Bonds.size();
  };
  // The output's water gets its two O-H bonds only with the setting on.
  EXPECT_EQ(openWith(false), 0u);
  EXPECT_EQ(openWith(true), 2u);
  // The Cartesian input is not rebuilt: its O-H pair, close enough for a
  // distance bond, stays without one.
  EXPECT_EQ(FormGL->MolGLs.at(0).Bonds.size(), 0u);
}

TEST_F(OpenAnimation, AnEmptyOrMissingProjectSelectsNothingAndStillTurnsAnimationOn) {
  Start();
  FormGL->CurrentTime = 42;
  OpenThroughDialog(WriteFile("empty.qva", "%SHOW TIME\n"), 6);
  EXPECT_EQ(FormMolecules->SelectedIndex, -1);
  EXPECT_EQ(FormMolecules->SelectedMolFile, nullptr);
  EXPECT_TRUE(FormGL->AnimationMode);
  EXPECT_EQ(FormGL->CurrentTime, 42.0L);  // no first frame to go to
  EXPECT_EQ(FormMolecules->windowTitle(), QStringLiteral("Quivera: empty.qva"));
  ASSERT_EQ(dialogs.CallsOf(ScriptedDialogs::Kind::Message).size(), 1u);
  EXPECT_EQ(dialogs.CallsOf(ScriptedDialogs::Kind::Message)[0].Text,
            PathOf("empty.qva") + QStringLiteral("には表示できるフレームがありません。"));

  // A missing file opens nothing through the dialog, and says why.
  OpenThroughDialog(PathOf("missing.qva"), 6);
  EXPECT_EQ(FormMolecules->windowTitle(), QStringLiteral("Quivera: empty.qva"));
  EXPECT_EQ(dialogs.CallsOf(ScriptedDialogs::Kind::Message).size(), 2u);
}

TEST_F(OpenAnimation, AResetThatLeavesNoMoleculeEmptiesTheConsoleAndTheEditor) {
  Start();
  const TFormMolecules& f = *FormMolecules;
  const auto tabs = [&f] {
    return QStringList{f.EditNameMolecule->text(), f.EditBondRadius->text(), f.StringGridPosition->Cell(0, 1),
                       f.EditScalingFactor->text(), QString::number(f.ListViewBonds->Count()),
                       QString::number(f.ListViewNormalModes->Count()),
                       QString::number(f.ChartNormalModes->Bars().size()),
                       QString::number(f.PageControlSelected->isTabVisible(2))};
  };
  const QStringList startUp = tabs();
  OpenThroughDialog(QStringLiteral(QUIVERA_EXAMPLES "/water.out"), 2);
  OpenThroughDialog(WriteFile("first.gjf", ZMatrixInput), 1);
  TFormMoleculeEdit* editor = FormMoleculeEdit;
  ASSERT_TRUE(editor->CoordinateConvertToXYZ->isEnabled());
  f.ListViewMolecules->SelectRow(0);  // the water, and one of its modes
  f.ListViewNormalModes->SelectRow(1);
  FormMolecules->ResetOnAnimationLoad = true;
  OpenThroughDialog(WriteFile("empty.qva", "%SHOW TIME\n"), 6);
  ASSERT_TRUE(FormMolecules->MolFiles.empty());
  EXPECT_EQ(tabs(), startUp);  // no name, bond or mode of a molecule that is gone
  EXPECT_TRUE(editor->EditedMolFile.Lines.empty());
  EXPECT_EQ(editor->StringGridZMatrixData->Cell(2, 1), QString());
  EXPECT_FALSE(editor->CoordinateConvertToXYZ->isEnabled());
  // The file page stays empty and off when shown: there is nothing to import.
  editor->PageControl->setCurrentWidget(editor->TabSheetFile);
  EXPECT_FALSE(editor->ButtonImportData->isEnabled());
  EXPECT_TRUE(editor->RichEditFileData->toPlainText().isEmpty());
}

TEST_F(OpenAnimation, AProjectWithoutFramesOrFilesSaysAllInOneMessage) {
  Start();
  QDir(folder.path()).mkdir("sub");
  OpenThroughDialog(WriteFile("sub/p.qva", "%FILE 1 GJF ../gone.gjf\n%FILE 2 GJF sub\n%FILE 3 GJF\n"), 6);
  const auto messages = dialogs.CallsOf(ScriptedDialogs::Kind::Message);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].Text, PathOf("sub/p.qva") + QStringLiteral("には表示できるフレームがありません。\n") +
                                  PathOf("gone.gjf") + QStringLiteral("を読み込めませんでした。\n") +
                                  PathOf("sub/sub") + QStringLiteral("を読み込めませんでした。"));
}

TEST_F(OpenAnimation, ARelativeCommandLinePathWithAFolderOpensItsProject) {
  WriteProject(QStringLiteral("sub"));
  const QString before = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(folder.path()));
  Start({QStringLiteral("sub/a.qva")});
  // The current folder is left where it was.
  EXPECT_EQ(QDir::currentPath(), QDir(folder.path()).canonicalPath());
  QDir::setCurrent(before);

  const MolAnimation& animation = FormMolecules->Animation;
  EXPECT_EQ(animation.FileName, PathOf("sub/a.qva").toStdString());
  EXPECT_EQ(animation.FileIndex.at(1), 0);
  ASSERT_EQ(FormMolecules->MolFiles.size(), 2u);
  EXPECT_EQ(FormMolecules->MolFiles[0].Path, PathOf("sub/a.gjf").toStdString());
  EXPECT_EQ(FormMolecules->windowTitle(), QStringLiteral("Quivera: a.qva"));
  EXPECT_TRUE(FormGL->AnimationMode);
}
