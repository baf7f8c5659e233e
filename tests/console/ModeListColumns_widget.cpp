// The normal-mode list's columns hold whole values of up to four integral
// digits in the console's face; captions and their order are as designed.
#include <QFontMetrics>
#include <QHeaderView>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>

#include "console/UnitMolecules.h"
#include "platform/ui/ListView.h"
#include "tests/console/support/FormsFixture.h"

namespace {

class ModeListColumns : public FormsFixture {
 protected:
  static ListView& List() { return *FormMolecules->ListViewNormalModes; }
  // Column `column` of row `row` as drawn.
  static QImage Shot(int row, int column, ListView& list = List()) {
    const QRect line = list.visualItemRect(list.Item(row));
    const int left = list.header()->sectionViewportPosition(column);
    return list.viewport()->grab().toImage().copy(left, line.top(), list.columnWidth(column), line.height());
  }
};

TEST_F(ModeListColumns, CaptionsStayAndWidthsGrowOnlyWhereTheFaceNeedsIt) {
  Start();
  ListView& list = List();
  const QStringList captions = {"mode", "Symmetry", "Applied Freq.", "IR Inten.", "Raman Activ."};
  const int designed[] = {45, 45, 85, 60, 60};
  ASSERT_EQ(list.columnCount(), 5);
  const QFontMetrics metrics(list.font());
  const int margins = 2 * (list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1);
  for (int c = 0; c < 5; ++c) {
    EXPECT_EQ(list.headerItem()->text(c), captions[c]);
    EXPECT_GE(list.columnWidth(c), designed[c]) << c;
    if (c >= 1) {
      EXPECT_GE(list.columnWidth(c), list.header()->sectionSizeHint(c)) << c;
    }
    if (c >= 2) {
      EXPECT_GE(list.columnWidth(c), metrics.horizontalAdvance(QStringLiteral("3549.7034")) + margins) << c;
    }
  }
  // Applied Freq. had room to spare and keeps its designed width.
  EXPECT_EQ(list.columnWidth(2), 85);
}

TEST_F(ModeListColumns, AnIntensityOfFourIntegralDigitsShowsWhole) {
  Start();
  OpenThroughDialog(QStringLiteral(QUIVERA_EXAMPLES "/water.out"), 2);
  FormMolecules->PageControlSelected->setCurrentWidget(FormMolecules->TabSheetNormalModes);
  FormMolecules->resize(900, 475);
  FormMolecules->SplitterNormalModes->setSizes({800, 100});
  ASSERT_GE(List().Count(), 3);
  for (int row : {1, 2}) List().Item(row)->setText(3, QStringLiteral("1064.0123"));
  EXPECT_EQ(Shot(1, 3), Shot(2, 3));
  // Only the last digit differs: it must be drawn, not dotted away.
  List().Item(2)->setText(3, QStringLiteral("1064.0128"));
  EXPECT_NE(Shot(1, 3), Shot(2, 3));
}

// Rows 10 and 11 of the bonds, 100 and 101 of the modes differ in their last
// digit only, which a number cut short loses.
TEST_F(ModeListColumns, RowNumbersShowWholeHoweverManyRows) {
  Start();
  OpenThroughDialog(QStringLiteral(QUIVERA_EXAMPLES "/water.out"), 2);
  MolGL& model = *FormMolecules->SelectedMolGL;
  for (int k = 0; k < 10; ++k) model.AddBond(1, 2);
  for (NormalMode mode = model.Modes.back(); model.Modes.size() < 102; model.Modes.push_back(mode)) ++mode.ModeNumber;
  FormMolecules->ShowSelectedMolecule();
  for (const auto& [tab, list, row] : {std::tuple{FormMolecules->TabSheetBonds, FormMolecules->ListViewBonds, 9},
                                       std::tuple{FormMolecules->TabSheetNormalModes, &List(), 99}}) {
    FormMolecules->PageControlSelected->setCurrentWidget(tab);
    list->scrollToItem(list->Item(row + 1));
    EXPECT_NE(Shot(row, 0, *list), Shot(row + 1, 0, *list)) << row + 1;
  }
  OpenThroughDialog(WriteFile("water.gjf", ZMatrixInput), 1);  // two bonds: the designed width again
  EXPECT_EQ(FormMolecules->ListViewBonds->columnWidth(0), 40);
}

}  // namespace
