// The normal-mode list's columns hold whole values of up to four integral
// digits in the console's face; captions and their order are as designed.
// The row numbers of the mode and bond lists show whole however many rows.
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

// Water with 12 bonds and 120 modes: rows 10 and 11 of the bonds, 100 and 101
// of the modes differ in their last digit only, which a cut number loses.
TEST_F(ModeListColumns, RowNumbersShowWholeHoweverManyRows) {
  Start();
  OpenThroughDialog(QStringLiteral(QUIVERA_EXAMPLES "/water.out"), 2);
  MolGL& model = *FormMolecules->SelectedMolGL;
  for (int k = 0; k < 10; ++k) model.AddBond(1, 2);
  NormalMode mode = model.Modes.back();
  while (model.Modes.size() < 120) {
    ++mode.ModeNumber;
    model.Modes.push_back(mode);
  }
  FormMolecules->resize(900, 600);
  FormMolecules->ShowSelectedMolecule();
  const struct {
    QWidget* Tab;
    ListView* List;
    int Row;  // shows Row + 1
    int Designed;
  } cases[] = {{FormMolecules->TabSheetBonds, FormMolecules->ListViewBonds, 9, 40},
               {FormMolecules->TabSheetNormalModes, FormMolecules->ListViewNormalModes, 99, 45}};
  for (const auto& c : cases) {
    FormMolecules->PageControlSelected->setCurrentWidget(c.Tab);
    ASSERT_GT(c.List->Count(), c.Row + 1);
    EXPECT_EQ(c.List->Caption(c.Row + 1), QString::number(c.Row + 2));
    EXPECT_GT(c.List->columnWidth(0), c.Designed);
    c.List->scrollToItem(c.List->Item(c.Row + 1));
    EXPECT_NE(Shot(c.Row, 0, *c.List), Shot(c.Row + 1, 0, *c.List)) << c.Row + 1;
  }
  // A molecule of two bonds takes the designed width again.
  OpenThroughDialog(WriteFile("water.gjf", ZMatrixInput), 1);
  EXPECT_EQ(FormMolecules->ListViewBonds->columnWidth(0), 40);
}

}  // namespace
