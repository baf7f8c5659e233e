#include "EditorFixture.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

#include "StringGrid.h"
#include "UnitMolecules.h"

void EditorFixture::OpenText(const std::string& text, int filterIndex, const QString& name) {
  Start();
  OpenThroughDialog(WriteFile(name, text), filterIndex);
  ASSERT_NE(FormMolecules->SelectedMolFile, nullptr);
}

void EditorFixture::TypeIntoCell(StringGrid* grid, int column, int row, const QString& text) {
  grid->setCurrentCell(row, column);
  grid->editItem(grid->item(row, column));
  auto* editor = grid->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  editor->selectAll();
  QTest::keyClicks(editor, text);
  QTest::keyClick(editor, Qt::Key_Return);
  // The closed editor goes now, so that the next edit finds its own.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

MolFile& EditorFixture::SelectedFile() { return *FormMolecules->SelectedMolFile; }

MolGL& EditorFixture::SelectedModel() { return *FormMolecules->SelectedMolGL; }
