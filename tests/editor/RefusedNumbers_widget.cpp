// A number a double cannot hold, typed or pasted into a grid that takes
// numbers, is refused with the real message box, closed by a real Enter:
// the program goes on, and the cell, the model, the view and the file text
// are as they were before the edit began.
#include <array>
#include <utility>
#include <functional>
#include <string>
#include <vector>

#include <QAction>
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

// What an edit may change.
struct State {
  QString cell;
  double stored = 0;
  std::vector<std::string> lines;
  std::vector<std::array<double, 3>> atoms;  // the view's
  bool operator==(const State&) const = default;
};

struct Refusal {
  const char* what;
  StringGrid* grid;
  int column;
  int row;
  const char* typed;
  bool pasted;  // else typed key by key, each key taken until the last
  std::function<double()> stored;
};

class RefusedNumbers : public EditorFixture {
 protected:
  static State Now(const Refusal& r) {
    State state{r.grid->Cell(r.column, r.row), r.stored(), SelectedFile().Lines, {}};
    for (const Atom& atom : SelectedModel().Atoms) {
      state.atoms.push_back({atom.BasePosition.x, atom.BasePosition.y, atom.BasePosition.z});
    }
    return state;
  }
};

TEST_F(RefusedNumbers, TheRealMessageClosedByEnterLeavesEverythingAsBeforeTheEdit) {
  OpenText(EveryGridInput);
  const std::string original = ReadFile(PathOf(QStringLiteral("m.gjf")));
  // An unsaved edit that must survive every refusal.
  TypeIntoCell(FormMoleculeEdit->StringGridCartesianData, 4, 1, QStringLiteral("-0.5"));
  StringGrid* cartesian = FormMoleculeEdit->StringGridCartesianData;
  StringGrid* zmatrix = FormMoleculeEdit->StringGridZMatrixData;
  StringGrid* variables = FormMoleculeEdit->StringGridZMatrixVariables;
  const auto x = [] { return SelectedFile().CartesianData.Positions.at(0).x; };
  const auto z = [] { return SelectedFile().CartesianData.Positions.at(0).z; };
  const auto distance = [] { return SelectedFile().ZMatrixData.Bonds.at(1).Value; };
  const auto r = [] { return SelectedFile().ZMatrixData.Bonds.at(2).Value; };
  const Refusal refusals[] = {
      {"Cartesian X typed", cartesian, 3, 1, "1e309", false, x},
      {"Cartesian Z pasted", cartesian, 5, 1, "-1D400", true, z},
      {"Z-matrix distance typed", zmatrix, 4, 1, "1e-400", false, distance},
      {"Z-matrix distance pasted", zmatrix, 4, 1, "1e999", true, distance},
      {"variable typed", variables, 1, 1, "1e309", false, r},
  };
  for (const Refusal& refusal : refusals) {
    SCOPED_TRACE(refusal.what);
    const State before = Now(refusal);
    State whileShown;
    QString told;
    bool closed = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      closer.stop();
      whileShown = Now(refusal);
      told = box->text();
      // Enter once the box's loop has run what was pending, as a user's
      // key comes.
      QTimer::singleShot(0, box, [&, box] {
        QTest::keyClick(box, Qt::Key_Enter);
        closed = true;
      });
    });
    closer.start(1);
    QLineEdit* editor = OpenCellEditor(refusal.grid, refusal.column, refusal.row);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    SetDialogs(nullptr);
    if (refusal.pasted) {
      QGuiApplication::clipboard()->setText(QString::fromLatin1(refusal.typed));
      QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    } else {
      QTest::keyClicks(editor, QString::fromLatin1(refusal.typed));
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return closed; }));
    SetDialogs(&dialogs);
    EXPECT_EQ(told.toStdString(), std::string(refusal.typed) + " は扱える数の範囲を超えています。値は変わりません。");
    EXPECT_EQ(whileShown, before);
    EXPECT_EQ(Now(refusal), before);
    EXPECT_EQ(FormMoleculeEdit->EditedMolFile.Lines, before.lines);
  }
  SaveAndReload();
  EXPECT_EQ(ReadFile(PathOf(QStringLiteral("m.gjf"))),
            WithLine(original, 5, "O  0.00000000000  -0.50000000000  0.00000000000"));
}

// An edit open while the copy is refilled or converted belonged to what the
// grid showed before: it ends, so that no refusal can put that back.
TEST_F(RefusedNumbers, AnEditOpenWhenTheCopyIsReplacedEnds) {
  OpenText("PM7\nt\nc\nO  0.0 0  0.0 0  0.0 0\n", 4, QStringLiteral("w.mop"));
  const std::pair<const char*, std::function<void()>> replacements[] = {
      {"refill", [] { FormMolecules->CopySelectedToEditor(); }},
      {"conversion", [] { FormMoleculeEdit->FileConvertToGJF->trigger(); }},
  };
  for (const auto& [what, replace] : replacements) {
    SCOPED_TRACE(what);
    QLineEdit* editor = OpenCellEditor(FormMoleculeEdit->StringGridCartesianData, 3, 1);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("2"));
    replace();
    EXPECT_FALSE(editor->isVisible());
  }
  EXPECT_EQ(SelectedFile().FileType, GAUSSIAN_INPUT);
}

}  // namespace
