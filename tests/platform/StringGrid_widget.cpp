#include "platform/ui/StringGrid.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "tests/support/StrictRun.h"

namespace {

// A grid of 12 columns and 60 rows with one fixed row and column, too small
// to show them all: headings "c1".., row numbers "1".., cells "r:c".
class FixedCells : public testing::Test {
 protected:
  void SetUp() override {
    grid.SetCell(0, 0, QStringLiteral("atom"));
    for (int c = 1; c < kColumns; ++c) grid.SetCell(c, 0, QStringLiteral("c%1").arg(c));
    for (int r = 1; r < kRows; ++r) {
      grid.SetCell(0, r, QString::number(r));
      for (int c = 1; c < kColumns; ++c) grid.SetCell(c, r, QStringLiteral("%1:%2").arg(r).arg(c));
    }
    grid.SetColWidth(0, 35);
    for (int c = 1; c < kColumns; ++c) grid.SetColWidth(c, 50 + c);
    grid.resize(300, 200);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
  }

  // The grid as drawn, cut to `area`.
  QImage Shot(const QRect& area) { return grid.grab().toImage().copy(area); }
  // Beside the cells, without the scroll bars.
  QRect HeadingRow() { return {0, 0, grid.viewport()->geometry().right() + 1, grid.frameWidth() + grid.rowHeight(1)}; }
  QRect HeadingColumn() {
    return {0, 0, grid.frameWidth() + grid.ColWidth(0), grid.viewport()->geometry().bottom() + 1};
  }
  QRect Corner() { return HeadingRow() & HeadingColumn(); }

  static constexpr int kColumns = 12;
  static constexpr int kRows = 60;
  StringGrid grid{kColumns, kRows, 1, 1};
};

TEST_F(FixedCells, TheHeadingsStayInViewWhileTheirRowsAndColumnsScrollAlong) {
  const QImage headings = Shot(HeadingRow());
  const QImage numbers = Shot(HeadingColumn());
  grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum());
  EXPECT_EQ(Shot(HeadingRow()), headings);
  EXPECT_NE(Shot(HeadingColumn()), numbers);
  grid.verticalScrollBar()->setValue(0);
  grid.horizontalScrollBar()->setValue(grid.horizontalScrollBar()->maximum());
  EXPECT_EQ(Shot(HeadingColumn()), numbers);
  EXPECT_NE(Shot(HeadingRow()), headings);
  EXPECT_EQ(Shot(Corner()), headings.copy(Corner()));
}

TEST_F(FixedCells, ACellBroughtIntoViewIsNotHiddenUnderTheHeadings) {
  grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum());
  grid.horizontalScrollBar()->setValue(grid.horizontalScrollBar()->maximum());
  grid.setCurrentCell(2, 2);
  grid.scrollToItem(grid.item(1, 1));
  const QRect cell = grid.visualItemRect(grid.item(1, 1));
  EXPECT_EQ(cell.top(), 0);
  EXPECT_EQ(cell.left(), 0);
  // The viewport begins below and beside the headings.
  EXPECT_EQ(grid.viewport()->geometry().top(), HeadingRow().bottom() + 1);
  EXPECT_EQ(grid.viewport()->geometry().left(), HeadingColumn().right() + 1);
}

TEST_F(FixedCells, CellNumbersWidthsAndEditsCountTheHeadingsAsBefore) {
  EXPECT_EQ(grid.Cell(3, 7), QStringLiteral("7:3"));
  grid.SetColWidth(0, 40);
  EXPECT_EQ(grid.viewport()->geometry().left(), grid.frameWidth() + 40);
  QList<int> reported;
  QObject::connect(&grid, &StringGrid::setEditText,
                   [&reported](int column, int row, const QString&) { reported << column << row; });
  grid.verticalScrollBar()->setValue(30);
  grid.setCurrentCell(45, 2);
  grid.editItem(grid.item(45, 2));
  auto* editor = grid.findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  QTest::keyClicks(editor, "9");
  EXPECT_EQ(reported, (QList<int>{2, 45}));
}

TEST(StringGridWithoutFixedColumns, KeepsItsHeadingRowAndTheFullWidthForTheCells) {
  StringGrid grid(2, 40, 0, 1);
  grid.SetCell(0, 0, QStringLiteral("Variable"));
  grid.resize(120, 120);
  grid.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
  EXPECT_EQ(grid.viewport()->geometry().left(), grid.frameWidth());
  EXPECT_EQ(grid.viewport()->geometry().top(), grid.frameWidth() + grid.rowHeight(1));
  const QRect heading(0, 0, grid.viewport()->geometry().right() + 1, grid.viewport()->geometry().top());
  const QImage shown = grid.grab().toImage().copy(heading);
  grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum());
  EXPECT_GT(grid.rowAt(0), 1);
  EXPECT_EQ(grid.grab().toImage().copy(heading), shown);
}

// Two texts that differ only in their last character look different in a
// cell as wide as the designed frequency columns.
TEST(StringGridCells, ANumberAsWideAsItsCellShowsWholeNotShortenedWithDots) {
  StringGrid grid(1, 4, 0, 0);  // row 0 is left to the current cell's frame
  grid.SetColWidth(0, 55);
  grid.resize(100, 100);
  grid.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
  grid.SetCell(0, 1, QStringLiteral("1411.3951"));
  grid.SetCell(0, 2, QStringLiteral("1411.3958"));
  grid.SetCell(0, 3, QStringLiteral("1411.3951"));
  const QImage shown = grid.grab().toImage();
  auto cell = [&](int row) { return shown.copy(grid.visualItemRect(grid.item(row, 0)).translated(grid.viewport()->pos())); };
  EXPECT_NE(cell(1), cell(2));
  EXPECT_EQ(cell(1), cell(3));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RunAllTestsStrictly();
}
