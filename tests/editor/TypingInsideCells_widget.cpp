// Typing inside a cell that already holds text: every keystroke is stored
// in the cell, and the cursor must stay where the user put it.
#include <functional>
#include <string>

#include <QLineEdit>
#include <QTest>

#include "EditorFixture.h"
#include "console/UnitMolecules.h"
#include "editor/UnitMoleculeEdit.h"
#include "platform/ui/StringGrid.h"

namespace {

class TypingInsideCells : public EditorFixture {
 protected:
  // Opens the cell's editor, presses Home and `rights` times Right, types
  // `text` and closes the editor; returns what the grid reported, one text a line.
  static std::string TypeAt(StringGrid* grid, int column, int row, int rights, const QString& text) {
    QStringList reported;
    const auto connection = QObject::connect(grid, &StringGrid::setEditText,
                                             [&reported](int, int, const QString& value) { reported << value; });
    QLineEdit* editor = OpenCellEditor(grid, column, row);
    EXPECT_NE(editor, nullptr);
    if (editor) {
      QTest::keyClick(editor, Qt::Key_Home);
      for (int i = 0; i < rights; ++i) QTest::keyClick(editor, Qt::Key_Right);
      QTest::keyClicks(editor, text);
      QTest::keyClick(editor, Qt::Key_Return);
    }
    QObject::disconnect(connection);
    return reported.join(QLatin1Char('\n')).toStdString();
  }
};

// Row 1 of each grid kind; `rights` places the cursor after Home.
struct Typing {
  const char* what;
  StringGrid* grid;
  int column;
  int rights;
  const char* typed;
  const char* reported;  // one text a keystroke; the cell keeps the last
  std::function<double()> stored;
  double expected;
};

TEST_F(TypingInsideCells, EveryEditableGridKeepsTheCursorWhereTheUserTypes) {
  OpenText(EveryGridInput);
  const Typing typings[] = {
      {"Cartesian", FormMoleculeEdit->StringGridCartesianData, 4, 0, "12", "1-0.958466\n12-0.958466",
       [] { return SelectedFile().CartesianData.Positions.at(0).y; }, 12.0},
      {"Z-matrix", FormMoleculeEdit->StringGridZMatrixData, 4, 2, "50", "1.509\n1.5009",
       [] { return SelectedFile().ZMatrixData.Bonds.at(1).Value; }, 1.5009},
      {"variables", FormMoleculeEdit->StringGridZMatrixVariables, 1, 2, "59", "0.59600\n0.599600",
       [] { return SelectedFile().ZMatrixData.Bonds.at(2).Value; }, 0.5996},
      {"position", FormMolecules->StringGridPosition, 1, 2, "25", "0.2000\n0.25000",
       [] { return SelectedModel().Position.y; }, 0.25},
  };
  for (const Typing& t : typings) {
    SCOPED_TRACE(t.what);
    EXPECT_EQ(TypeAt(t.grid, t.column, 1, t.rights, QString::fromLatin1(t.typed)), t.reported);
    EXPECT_EQ(t.stored(), t.expected);
  }
}

TEST_F(TypingInsideCells, ASelectionInsideTheCellIsReplacedByWhatIsTyped) {
  OpenText(EveryGridInput);
  StringGrid* grid = FormMoleculeEdit->StringGridCartesianData;
  QLineEdit* editor = OpenCellEditor(grid, 5, 1);
  ASSERT_NE(editor, nullptr);
  editor->setSelection(2, 3);  // "0.000000": the first three decimals
  QTest::keyClicks(editor, QStringLiteral("75"));
  QTest::keyClick(editor, Qt::Key_Return);
  EXPECT_EQ(grid->Cell(5, 1).toStdString(), "0.75000");
  EXPECT_EQ(SelectedFile().CartesianData.Positions.at(0).z, 0.75);
}

}  // namespace
