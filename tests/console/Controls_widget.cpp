// The controls and dialogs of the platform layer, as the forms rely on them.
#include <stdexcept>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "console/model/OpenRoads.h"
#include "platform/ui/FileFilter.h"
#include "platform/ui/ListView.h"
#include "platform/ui/PanelButton.h"
#include "platform/ui/ScriptedDialogs.h"
#include "platform/ui/StringGrid.h"

namespace {

TEST(FileFilter, EveryEntryReachesQtWithItsOwnPatterns) {
  const QStringList names = QtNameFilters(ParseFilter(QString::fromLatin1(MoleculeOpenFilter)));
  ASSERT_EQ(names.size(), 6);
  // Descriptions that already end in their patterns are given as they are.
  EXPECT_EQ(names[0], QStringLiteral("Gaussian Input(Job) File (*.gjf *.gjc *.com)"));
  EXPECT_EQ(names[1], QStringLiteral("Gaussian Output File (*.out *.log)"));
  EXPECT_EQ(names[2], QStringLiteral("Gaussian Output File (with Animation)(*.out *.log)"));
  EXPECT_EQ(names[3], QStringLiteral("Mopac Input File(*.mop *.dat *.mpc *.zmt)"));
  // Two entries share their patterns: their positions are told apart by the whole text.
  EXPECT_EQ(FilterPosition(names, names[1]), 2);
  EXPECT_EQ(FilterPosition(names, names[2]), 3);
  EXPECT_EQ(FilterPosition(names, QStringLiteral("nothing")), 0);
}

TEST(FileFilter, ADescriptionShowsEveryPatternOnce) {
  const QStringList names = QtNameFilters(ParseFilter(QStringLiteral(
      "spaces separated file (*.txt)|*.txt;*.dat|JCAMP (*.dx;*.jdx)|*.dx;*.jdx|DX|*.dx|連番(AAA?????.bmp)|*.bmp")));
  EXPECT_EQ(names, QStringList({"spaces separated file (*.txt *.dat)", "JCAMP (*.dx *.jdx)", "DX (*.dx)",
                                QStringLiteral("連番(AAA?????.bmp) (*.bmp)")}));
  EXPECT_TRUE(QtNameFilters(ParseFilter(QString())).isEmpty());
}

TEST(ListView, RefillingRaisesNoSelection) {
  ListView list;
  list.SetColumns({{"index", 40}, {"Name", ListView::AutoSize}});
  QSignalSpy selections(&list, &ListView::selectItem);
  list.AddItem("1", 2, {"a"});
  list.AddItem("2", 1, {"b"});
  list.SelectRow(1);
  ASSERT_EQ(selections.count(), 1);
  EXPECT_EQ(selections[0][0].value<QTreeWidgetItem*>(), list.Item(1));
  EXPECT_TRUE(selections[0][1].toBool());
  list.Clear();
  list.AddItem("1", 4);
  EXPECT_EQ(selections.count(), 1);
  EXPECT_EQ(list.ImageIndex(0), 4);
  list.SetImageIndex(0, 3);
  EXPECT_EQ(list.ImageIndex(0), 3);
  EXPECT_EQ(list.ImageIndex(5), -1);
  EXPECT_EQ(list.SelectedRow(), -1);
}

TEST(ListView, AHandlerMayRebuildTheListFromItsOwnSelection) {
  ListView list;
  list.SetColumns({{"index", 40}});
  for (const char* caption : {"1", "2", "3"}) list.AddItem(caption, 2);
  QStringList seen;
  QObject::connect(&list, &ListView::selectItem, [&](QTreeWidgetItem* item, bool) {
    seen.append(item->text(0));
    list.Clear();
    for (const char* caption : {"1", "2", "3"}) list.AddItem(caption, 2);
  });
  list.SelectRow(2);
  list.SelectRow(0);
  EXPECT_EQ(seen, QStringList({"3", "1"}));
  EXPECT_EQ(list.Count(), 3);
}

TEST(StringGrid, FillingIsSilentTypingReportsEveryKey) {
  StringGrid grid(3, 2, 0, 1);
  QSignalSpy edits(&grid, &StringGrid::setEditText);
  grid.SetCell(1, 1, "0.000");
  EXPECT_EQ(edits.count(), 0);
  EXPECT_EQ(grid.Cell(1, 1), QStringLiteral("0.000"));
  grid.setCurrentCell(1, 1);
  grid.editItem(grid.item(1, 1));
  auto* editor = grid.findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  editor->selectAll();
  QTest::keyClicks(editor, "2.5");
  ASSERT_EQ(edits.count(), 3);
  EXPECT_EQ(edits[0][2].toString(), QStringLiteral("2"));
  EXPECT_EQ(edits[2][0].toInt(), 1);
  EXPECT_EQ(edits[2][1].toInt(), 1);
  EXPECT_EQ(edits[2][2].toString(), QStringLiteral("2.5"));
  // The cell holds the text when the handler runs.
  EXPECT_EQ(grid.Cell(1, 1), QStringLiteral("2.5"));
  // Headings cannot be edited.
  EXPECT_FALSE(grid.item(0, 1)->flags() & Qt::ItemIsEditable);
}

TEST(PanelButton, SinksWhilePressedAndRisesBeforeItsAction) {
  PanelButton panel("Auto Bond Construction");
  panel.resize(100, 28);
  bool loweredInAction = true;
  QObject::connect(&panel, &PanelButton::released, [&] { loweredInAction = panel.IsLowered(); });
  QTest::mousePress(&panel, Qt::LeftButton);
  EXPECT_TRUE(panel.IsLowered());
  QTest::mouseRelease(&panel, Qt::LeftButton);
  EXPECT_FALSE(panel.IsLowered());
  EXPECT_FALSE(loweredInAction);
}

TEST(ScriptedDialogs, AnswersInOrderAndCancelsWhenTheScriptRunsOut) {
  ScriptedDialogs dialogs;
  dialogs.ChooseFile("/tmp/a.out", 2);
  FileDialog open(FileDialog::Kind::Open);
  open.Filter = "x|*.x";
  EXPECT_TRUE(open.Execute(nullptr));
  EXPECT_EQ(open.FileName, QStringLiteral("/tmp/a.out"));
  EXPECT_EQ(open.FilterIndex, 2);
  EXPECT_FALSE(open.Execute(nullptr));
  EXPECT_EQ(open.FileName, QStringLiteral("/tmp/a.out"));  // a cancel keeps the last name
  EXPECT_FALSE(AskOkCancel(nullptr, "sure?"));
  dialogs.AnswerMessage(true);
  EXPECT_TRUE(AskOkCancel(nullptr, "sure?"));
  ColorChooser colour;
  colour.Color = QColor(191, 191, 191);
  EXPECT_FALSE(colour.Execute(nullptr));
  ASSERT_EQ(dialogs.Calls.size(), 5u);
  EXPECT_EQ(dialogs.Calls[1].Filter, QStringLiteral("x|*.x"));
  EXPECT_EQ(dialogs.Calls[4].Color, QColor(191, 191, 191));
}

// An object whose event handler throws, as a faulty handler would.
class Throwing : public QObject {
 public:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::User) throw std::runtime_error("handler failed");
    return QObject::event(event);
  }
};

TEST(Application, AnExceptionOfAHandlerIsShownAndTheProgramGoesOn) {
  ScriptedDialogs dialogs;
  Throwing receiver;
  QEvent event(QEvent::User);
  QCoreApplication::sendEvent(&receiver, &event);
  QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
  QCoreApplication::processEvents();
  const auto messages = dialogs.CallsOf(ScriptedDialogs::Kind::Message);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].Text, QStringLiteral("handler failed"));
}

}  // namespace
