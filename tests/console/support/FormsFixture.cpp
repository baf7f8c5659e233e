#include "FormsFixture.h"

#include <QFile>
#include <QTimer>

#include "console/Forms.h"
#include "console/UnitMolecules.h"
#include "display/view/UnitGL.h"

const char* const CartesianInput =
    "#T HF/STO-3G\n"
    "\n"
    "two atoms\n"
    "\n"
    "0 1\n"
    "O   0.000000   0.000000   0.000000\n"
    "H   0.000000   0.000000   0.960000\n"
    "\n";

const char* const ZMatrixInput =
    "#T HF/STO-3G\n"
    "\n"
    "water\n"
    "\n"
    "0 1\n"
    "O\n"
    "H 1 0.96\n"
    "H 1 0.96 2 104.5\n"
    "\n";

void FormsFixture::Start(const QStringList& arguments) {
  CreateForms(QStringList{QStringLiteral("quivera")} + arguments);
  FormGL->IdleTimer->stop();
  // Without GL (the offscreen platform) the view has said so; tests look at
  // what comes after start-up.
  dialogs.Calls.clear();
}

void FormsFixture::TearDown() { DestroyForms(); }

QString FormsFixture::WriteFile(const QString& name, const std::string& text) {
  QFile file(PathOf(name));
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(text.data(), static_cast<qint64>(text.size()));
  return file.fileName();
}

std::string FormsFixture::ReadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "<missing>";
  return file.readAll().toStdString();
}

std::string FormsFixture::ExampleText(const char* name) {
  return ReadFile(QStringLiteral(QUIVERA_EXAMPLES "/") + QString::fromUtf8(name));
}

void FormsFixture::OpenThroughDialog(const QString& path, int filterIndex) {
  dialogs.ChooseFile(path, filterIndex);
  FormMolecules->ActionOpenMolecule->trigger();
}
