// A fixture with the program's five windows, built as at start-up with the
// given arguments, dialogs answered from a script and a folder for files.
#pragma once

#include <string>

#include <gtest/gtest.h>

#include <QStringList>
#include <QTemporaryDir>

#include "platform/ui/ScriptedDialogs.h"

class FormsFixture : public ::testing::Test {
 protected:
  void TearDown() override;

  // Creates the forms; `arguments` follow the program's name. The idle loop
  // is stopped so that tests run passes themselves; dialogs.Calls starts
  // empty.
  void Start(const QStringList& arguments = {});

  // Writes `text` to `name` in the temporary folder; returns its path.
  QString WriteFile(const QString& name, const std::string& text);
  QString PathOf(const QString& name) const { return folder.filePath(name); }

  // Opens `path` through the Open action with filter `filterIndex`.
  void OpenThroughDialog(const QString& path, int filterIndex);

  // The bytes of a file, or "<missing>" when it cannot be read.
  static std::string ReadFile(const QString& path);
  // The bytes of a file of examples/.
  static std::string ExampleText(const char* name);

  ScriptedDialogs dialogs;
  QTemporaryDir folder;
};

// A Cartesian Gaussian input of two atoms and a Z-matrix one of three.
extern const char* const CartesianInput;
extern const char* const ZMatrixInput;
