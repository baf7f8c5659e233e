// Typing inside a cell that already holds text: every keystroke is stored
// in the cell, the cursor stays where the user put it, and a number a double
// cannot hold is refused.
#include <array>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "EditorFixture.h"
#include "console/UnitMolecules.h"
#include "editor/UnitMoleculeEdit.h"
#include "platform/ui/StringGrid.h"

namespace {

// A Cartesian atom, and a Z-matrix whose distance is the variable R.
const char* const MixedInput =
    "#T HF/STO-3G\n\nmixed\n\n0 1\n"
    "O   0.000000  -0.958466   0.000000\n"
    "H1 O 1.09\n"
    "H2 O R H1 104.5\n"
    "Variables:\n"
    "R 0.96\n";

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
  OpenText(MixedInput);
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
  OpenText(MixedInput);
  StringGrid* grid = FormMoleculeEdit->StringGridCartesianData;
  QLineEdit* editor = OpenCellEditor(grid, 5, 1);
  ASSERT_NE(editor, nullptr);
  editor->setSelection(2, 3);  // "0.000000": the first three decimals
  QTest::keyClicks(editor, QStringLiteral("75"));
  QTest::keyClick(editor, Qt::Key_Return);
  EXPECT_EQ(grid->Cell(5, 1).toStdString(), "0.75000");
  EXPECT_EQ(SelectedFile().CartesianData.Positions.at(0).z, 0.75);
}

// A number a double cannot hold, typed key by key or pasted, is refused with
// the real message box, closed by a real Enter: the program goes on, and the
// cell, the copy, the molecule and the view are as before the edit began.
TEST_F(TypingInsideCells, ANumberBeyondADoubleIsRefusedAndAllIsAsBeforeTheEdit) {
  OpenText(MixedInput);
  TypeIntoCell(FormMoleculeEdit->StringGridCartesianData, 4, 1, QStringLiteral("-0.5"));  // kept by every refusal
  const std::tuple<StringGrid*, int, const char*, bool> refusals[] = {  // pasted, else typed
      {FormMoleculeEdit->StringGridCartesianData, 3, "1e309", false},
      {FormMoleculeEdit->StringGridCartesianData, 5, "-1D400", true},
      {FormMoleculeEdit->StringGridZMatrixData, 4, "1e-400", false},
      {FormMoleculeEdit->StringGridZMatrixData, 4, "1e999", true},
      {FormMoleculeEdit->StringGridZMatrixVariables, 1, "-1e309", false}};
  for (const auto& [grid, column, typed, pasted] : refusals) {
    SCOPED_TRACE(typed);
    const auto now = [&] {
      std::vector<std::array<double, 3>> view;
      for (const Atom& atom : SelectedModel().Atoms)
        view.push_back({atom.BasePosition.x, atom.BasePosition.y, atom.BasePosition.z});
      return std::tuple(grid->Cell(column, 1), FormMoleculeEdit->EditedMolFile.Lines, SelectedFile().Lines, view);
    };
    const auto before = now();
    QString told;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      closer.stop();
      told = box->text();
      // Enter once the box's loop has run what was pending, as a user's key comes.
      QTimer::singleShot(0, box, [box] { QTest::keyClick(box, Qt::Key_Enter); });
    });
    closer.start(1);
    QLineEdit* editor = OpenCellEditor(grid, column, 1);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    SetDialogs(nullptr);
    QGuiApplication::clipboard()->setText(QString::fromLatin1(typed));
    if (pasted) QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    else QTest::keyClicks(editor, QString::fromLatin1(typed));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !told.isEmpty() && !QApplication::activeModalWidget(); }));
    SetDialogs(&dialogs);
    EXPECT_EQ(told.toStdString(), std::string(typed) + " は扱える数の範囲を超えています。値は変わりません。");
    EXPECT_EQ(now(), before);
    EXPECT_EQ(grid->indexWidget(grid->model()->index(1, column)), nullptr);  // the edit has ended
  }
}

}  // namespace
