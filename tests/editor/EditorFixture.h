// The program's windows with one molecule opened from a text, and typing into
// the editor's grids as a user does.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "display/MolGL.h"
#include "molfile/MolFile.h"
#include "tests/console/support/FormsFixture.h"

class QLineEdit;
class StringGrid;

class EditorFixture : public FormsFixture {
 protected:
  // Starts the forms and opens `text` as `name` through filter `filterIndex`
  // (1 Gaussian input, 2 Gaussian output, 4 MOPAC input, 5 TINKER XYZ).
  void OpenText(const std::string& text, int filterIndex = 1, const QString& name = QStringLiteral("m.gjf"));

  // Shows the grid's page and opens the cell's in-place editor; null when none opens.
  static QLineEdit* OpenCellEditor(StringGrid* grid, int column, int row);
  // Each keystroke of `text` reaches the grid's handler; the editor is then closed.
  static void TypeIntoCell(StringGrid* grid, int column, int row, const QString& text);

  // Saves the selected molecule in place through the console's Save action
  // and reads the file back as the same type.
  MolFile SaveAndReload();
  // `text` with its line `index` (from 0) replaced by `line`.
  static std::string WithLine(const std::string& text, std::size_t index, const std::string& line);
  // The indexes of the lines in which `a` and `b` differ.
  static std::vector<std::size_t> ChangedLines(const std::vector<std::string>& a, const std::vector<std::string>& b);

  // The console's selected file model and the view's selected display model.
  static MolFile& SelectedFile();
  static MolGL& SelectedModel();
};
