#include "EditorFixture.h"

#include <algorithm>

#include <QAction>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "console/UnitMolecules.h"
#include "editor/UnitMoleculeEdit.h"
#include "platform/ui/StringGrid.h"

void EditorFixture::OpenText(const std::string& text, int filterIndex, const QString& name) {
  Start();
  OpenThroughDialog(WriteFile(name, text), filterIndex);
  ASSERT_NE(FormMolecules->SelectedMolFile, nullptr);
}

QLineEdit* EditorFixture::OpenCellEditor(StringGrid* grid, int column, int row) {
  // Only the shown page's grid can be edited.
  QTabWidget* pages = FormMoleculeEdit->PageControl;
  for (int page = 0; page < pages->count(); ++page) {
    if (pages->widget(page)->isAncestorOf(grid)) pages->setCurrentIndex(page);
  }
  grid->setCurrentCell(row, column);
  grid->editItem(grid->item(row, column));
  // The open editor is the one shown; closed ones may linger until deleted.
  QLineEdit* editor = nullptr;
  for (QLineEdit* candidate : grid->findChildren<QLineEdit*>()) {
    if (candidate->isVisible()) editor = candidate;
  }
  return editor;
}

void EditorFixture::TypeIntoCell(StringGrid* grid, int column, int row, const QString& text) {
  QLineEdit* editor = OpenCellEditor(grid, column, row);
  ASSERT_NE(editor, nullptr);
  editor->selectAll();
  QTest::keyClicks(editor, text);
  QTest::keyClick(editor, Qt::Key_Return);
}

MolFile EditorFixture::SaveAndReload() {
  dialogs.AnswerMessage(true);
  FormMolecules->ActionSaveMolecule->trigger();
  MolFile saved;
  saved.FileType = SelectedFile().FileType;
  EXPECT_TRUE(saved.Load(SelectedFile().Path.c_str()));
  return saved;
}

std::string EditorFixture::WithLine(const std::string& text, std::size_t index, const std::string& line) {
  std::size_t begin = 0;
  for (std::size_t i = 0; i < index; ++i) begin = text.find('\n', begin) + 1;
  return text.substr(0, begin) + line + text.substr(text.find('\n', begin));
}

std::vector<std::size_t> EditorFixture::ChangedLines(const std::vector<std::string>& a,
                                                     const std::vector<std::string>& b) {
  std::vector<std::size_t> changed;
  for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
    if (i >= a.size() || i >= b.size() || a[i] != b[i]) changed.push_back(i);
  }
  return changed;
}

MolFile& EditorFixture::SelectedFile() { return *FormMolecules->SelectedMolFile; }

MolGL& EditorFixture::SelectedModel() { return *FormMolecules->SelectedMolGL; }
