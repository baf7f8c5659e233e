// Every shared Gaussian output and input opens through Open and through the
// command line, and its atoms are drawn.
#include <QDir>
#include <QFile>

#include "console/Forms.h"
#include "console/UnitMolecules.h"
#include "display/view/UnitGL.h"
#include "tests/console/support/FormsFixture.h"
#include "tests/console/support/ViewFrame.h"

namespace {

class OpenSamples : public FormsFixture {
 protected:
  void SetUp() override {
    if (!QDir(QStringLiteral(QUIVERA_TESTDATA)).exists()) GTEST_SKIP() << "no shared sample files at " QUIVERA_TESTDATA;
  }

  static QStringList Files(const char* folder, const QStringList& patterns) {
    QDir dir(QStringLiteral(QUIVERA_TESTDATA "/") + QLatin1String(folder));
    QStringList paths;
    for (const QString& name : dir.entryList(patterns, QDir::Files, QDir::Name)) paths.append(dir.filePath(name));
    return paths;
  }

  // Opens `path` through Open and, under `commandLineName`, from the command
  // line; both must give the same atoms, drawn. A file of no atoms (an input
  // that takes its geometry from a checkpoint) opens nothing either way.
  void Check(const QString& path, int filter, const QString& commandLineName, bool mustHaveAtoms) {
    SCOPED_TRACE(path.toStdString());
    const QString copy = PathOf(commandLineName);
    QFile::remove(copy);
    ASSERT_TRUE(QFile::copy(path, copy));
    Start({copy});
    ASSERT_TRUE(PrepareView());
    if (!FormGL->GLContext) GTEST_SKIP() << "no GL: run under Xvfb";
    const std::size_t opened = FormGL->MolGLs.size();
    ASSERT_LE(opened, 1u);
    const std::size_t atoms = opened ? FormGL->MolGLs[0].Atoms.size() : 0;
    if (mustHaveAtoms) {
      EXPECT_GT(atoms, 0u);
    }
    if (atoms > 0) {
      EXPECT_GT(RenderFrame().Drawn(), 0);
    }
    OpenThroughDialog(path, filter);
    ASSERT_EQ(FormGL->MolGLs.size(), 2 * opened);
    if (atoms > 0) {
      EXPECT_EQ(FormGL->MolGLs[1].Atoms.size(), atoms);
      EXPECT_EQ(FormMolecules->SelectedMolGL, &FormGL->MolGLs[1]);
      EXPECT_GT(RenderFrame().Drawn(), 0);
    }
    DestroyForms();
  }
};

TEST_F(OpenSamples, GaussianOutputs) {
  const QStringList outputs = Files("gaussian_out", {"*.out", "*.log"});
  ASSERT_FALSE(outputs.isEmpty());
  for (const QString& path : outputs) Check(path, 2, QStringLiteral("output.out"), true);
}

TEST_F(OpenSamples, GaussianInputs) {
  const QStringList inputs = Files("gaussian_in", {"*.gjf", "*.com"});
  ASSERT_FALSE(inputs.isEmpty());
  for (const QString& path : inputs) Check(path, 1, QStringLiteral("input.gjf"), false);
}

}  // namespace
