// The view's POV-Ray and Metasequoia exports: the save dialog, the overwrite
// question and failed writes.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QAction>
#include <QFile>
#include <QFileInfo>

#include "console/UnitMolecules.h"
#include "display/view/UnitGL.h"
#include "platform/ui/ListView.h"
#include "tests/console/support/FormsFixture.h"
#include "tests/support/StrictRun.h"

namespace {

class SceneExport : public FormsFixture {
 protected:
  void OpenWater() {
    OpenThroughDialog(WriteFile("water.out", ExampleText("water.out")), 2);
    dialogs.Calls.clear();
  }
  void Export(QAction* action, const QString& path) {
    dialogs.ChooseFile(path);
    action->trigger();
  }
  std::vector<ScriptedDialogs::Call> Messages() { return dialogs.CallsOf(ScriptedDialogs::Kind::Message); }
};

}  // namespace

TEST_F(SceneExport, NothingIsAskedWithoutASelectedMolecule) {
  Start();
  for (QAction* action : {FormGL->ExportPovRay, FormGL->ExportPovrayNormalMode, FormGL->ExportMetasequoiaObject})
    action->trigger();
  EXPECT_TRUE(dialogs.Calls.empty());
}

TEST_F(SceneExport, ModeSceneIsWrittenWithLineEnds) {
  Start();
  OpenWater();
  FormMolecules->ListViewNormalModes->SelectRow(0);
  const QString path = PathOf("water.pov");
  Export(FormGL->ExportPovrayNormalMode, path);
  const std::string text = ReadFile(path);
  EXPECT_EQ(text.rfind("camera { orthographic location <0.0, 0.0, 20.000000>", 0), 0u) << text;
  EXPECT_NE(text.find("*sin(2*pi*clock)"), std::string::npos);
  EXPECT_TRUE(text.ends_with(" >\n}\n"));
  EXPECT_TRUE(Messages().empty());

  const auto call = dialogs.CallsOf(ScriptedDialogs::Kind::File).back();
  EXPECT_EQ(call.Title, QStringLiteral("water.outの保存"));
  EXPECT_EQ(call.Filter, "Pov Ray File (*.pov)|*.pov");
  EXPECT_EQ(call.FileKind, FileDialog::Kind::Save);
  EXPECT_TRUE(FormGL->SaveDialog.Title.isEmpty()) << "the title is emptied again";

  // The static action of the same selection writes no clock; the next dialog
  // starts in the folder of the last file.
  Export(FormGL->ExportPovRay, PathOf("static.pov"));
  EXPECT_EQ(ReadFile(PathOf("static.pov")).find("clock"), std::string::npos);
  EXPECT_EQ(dialogs.CallsOf(ScriptedDialogs::Kind::File).back().InitialDir, folder.path() + "/");
}

TEST_F(SceneExport, OverwriteIsAskedAndCancelKeepsTheFile) {
  Start();
  OpenWater();
  const QString path = WriteFile("old.mqo", "old bytes");
  dialogs.AnswerMessage(false);
  Export(FormGL->ExportMetasequoiaObject, path);
  EXPECT_EQ(ReadFile(path), "old bytes");
  const auto question = Messages();
  ASSERT_EQ(question.size(), 1u);
  EXPECT_EQ(question[0].Text, path + QStringLiteral("を上書きしますか？"));
  EXPECT_EQ(question[0].MessageButtons, Dialogs::Buttons::OkCancel);

  dialogs.AnswerMessage(true);
  Export(FormGL->ExportMetasequoiaObject, path);
  const std::string text = ReadFile(path);
  EXPECT_EQ(text.rfind("Metasequoia Document\nFormat Text Ver 1.0\n\nScene {\n", 0), 0u) << text;
  EXPECT_TRUE(text.ends_with("\nEof\n"));
  EXPECT_EQ(dialogs.CallsOf(ScriptedDialogs::Kind::File).back().Filter, "Metasequoia Object File (*.mqo)|*.mqo");

  dialogs.CancelFile();
  FormGL->ExportMetasequoiaObject->trigger();
  EXPECT_EQ(ReadFile(path), text) << "a cancelled dialog writes nothing";
  EXPECT_TRUE(FormGL->SaveDialog.Title.isEmpty());
}

TEST_F(SceneExport, FailedWritesAreReported) {
  Start();
  OpenWater();
  const QString missing = PathOf("missing/water.pov");
  Export(FormGL->ExportPovRay, missing);
  ASSERT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Messages()[0].Text, CouldNotSaveText(missing, std::strerror(ENOENT)));
  EXPECT_FALSE(QFile::exists(missing));
  EXPECT_TRUE(FormGL->SaveDialog.Title.isEmpty());

  // A file the user may not write, and a link to a FIFO: refused, named,
  // and left as they are.
  const QString locked = WriteFile("locked.pov", "kept");
  ::chmod(locked.toLocal8Bit().constData(), 0444);
  const QString pipe = PathOf("pipe.mqo");
  const QString toPipe = PathOf("to_pipe.mqo");
  ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0666), 0);
  ASSERT_TRUE(QFile::link(pipe, toPipe));
  ::chown(folder.path().toLocal8Bit().constData(), OrdinaryUserId(), static_cast<gid_t>(-1));
  AsOrdinaryUser([&] {
    dialogs.Calls.clear();
    Export(FormGL->ExportPovRay, locked);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].Text, NotWritableText(locked, std::strerror(EACCES)));
    dialogs.Calls.clear();
    Export(FormGL->ExportMetasequoiaObject, toPipe);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].Text, NotWritableText(toPipe, "Not a regular file"));
  });
  EXPECT_EQ(ReadFile(locked), "kept");
  EXPECT_TRUE(QFileInfo(toPipe).isSymLink());
}
