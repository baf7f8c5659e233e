// What Qt's file dialog is given to start from: the folder it opens in and
// the name in its file-name box, then the path it hands back.
#include "platform/ui/Dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <ostream>

#include "tests/support/StrictRun.h"

// Failures show the text.
void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace {

struct Offered {
  QString Folder;
  QString Name;
};

// Runs the real dialog for `dialog`, notes what it shows and presses Save.
Offered RunAndAccept(FileDialog& dialog) {
  Offered offered;
  QTimer::singleShot(0, [&offered] {
    auto* box = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!box) return;
    offered.Folder = box->directory().absolutePath();
    if (auto* edit = box->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) offered.Name = edit->text();
    static_cast<QDialog*>(box)->accept();  // the Save button
  });
  EXPECT_TRUE(dialog.Execute(nullptr));
  return offered;
}

class SaveDialogFolder : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root.isValid());
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("mopac")));
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("gaussian_in")));
    dialog.Filter = QStringLiteral("Gaussian Job File (*.gjf)|*.gjf");
  }
  QString Folder(const char* name) const { return QDir(root.path()).absoluteFilePath(QString::fromLatin1(name)); }

  QTemporaryDir root;
  FileDialog dialog{FileDialog::Kind::Save};
};

}  // namespace

TEST_F(SaveDialogFolder, TheFolderOfTheNameWinsOverTheInitialFolder) {
  dialog.FileName = Folder("mopac") + QStringLiteral("/water.mop");
  dialog.InitialDir = Folder("gaussian_in") + QLatin1Char('/');
  const Offered offered = RunAndAccept(dialog);
  EXPECT_EQ(offered.Folder, Folder("mopac"));
  EXPECT_EQ(offered.Name, QStringLiteral("water.mop"));
}

TEST_F(SaveDialogFolder, TheInitialFolderServesANameWithoutAFolderOrWithAMissingOne) {
  dialog.FileName = QStringLiteral("New File");
  dialog.InitialDir = Folder("gaussian_in") + QLatin1Char('/');
  Offered offered = RunAndAccept(dialog);
  EXPECT_EQ(offered.Folder, Folder("gaussian_in"));
  EXPECT_EQ(offered.Name, QStringLiteral("New File"));
  EXPECT_EQ(dialog.FileName, Folder("gaussian_in") + QStringLiteral("/New File"));

  dialog.FileName = Folder("removed") + QStringLiteral("/water.gjf");
  offered = RunAndAccept(dialog);
  EXPECT_EQ(offered.Folder, Folder("gaussian_in"));
  EXPECT_EQ(offered.Name, QStringLiteral("water.gjf"));
}

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RunAllTestsStrictly();
}
