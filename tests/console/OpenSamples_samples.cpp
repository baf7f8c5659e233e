// Every shared Gaussian output and input opens through Open and through the
// command line, and its atoms are drawn.
#include <vector>

#include <GL/gl.h>

#include <QDir>
#include <QFile>
#include <QTest>

#include "Forms.h"
#include "FormsFixture.h"
#include "UnitGL.h"
#include "UnitMolecules.h"
#include "UnitMoleculeEdit.h"

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

  void StartView(const QStringList& arguments) {
    Start(arguments);
    FormGL->setGeometry(0, 0, 320, 240);
    FormMolecules->move(400, 0);
    FormMoleculeEdit->move(400, 520);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(FormGL));
    QTest::qWait(20);
    FormGL->ApplicationIdle();  // a swap gives the drawable its size
    FormGL->FormResize();
  }

  // Pixels of the selected molecule's frame that are not the background.
  static int DrawnPixels() {
    FormGL->RenderScene();
    const int w = FormGL->ClientWidth(), h = FormGL->ClientHeight();
    std::vector<unsigned char> rgb(static_cast<std::size_t>(w) * h * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    int drawn = 0;
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) drawn += rgb[i] != 100 || rgb[i + 1] != 165 || rgb[i + 2] != 244;
    return drawn;
  }

  // Opens `path` through Open and, under `commandLineName`, from the command
  // line; both must give the same atoms, drawn.
  void Check(const QString& path, int filter, const QString& commandLineName, bool mustHaveAtoms) {
    SCOPED_TRACE(path.toStdString());
    const QString copy = PathOf(commandLineName);
    QFile::remove(copy);
    ASSERT_TRUE(QFile::copy(path, copy));
    StartView({copy});
    if (!FormGL->GLContext) GTEST_SKIP() << "no GL: run under Xvfb";
    ASSERT_EQ(FormGL->MolGLs.size(), 1u);
    const std::size_t atoms = FormGL->MolGLs[0].Atoms.size();
    if (mustHaveAtoms) {
      EXPECT_GT(atoms, 0u);
    }
    if (atoms > 0) {
      EXPECT_GT(DrawnPixels(), 0);
    }
    OpenThroughDialog(path, filter);
    ASSERT_EQ(FormGL->MolGLs.size(), 2u);
    EXPECT_EQ(FormGL->MolGLs[1].Atoms.size(), atoms);
    EXPECT_EQ(FormMolecules->SelectedMolGL, &FormGL->MolGLs[1]);
    if (atoms > 0) {
      EXPECT_GT(DrawnPixels(), 0);
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
