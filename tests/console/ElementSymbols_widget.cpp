// The colours-and-radii page: every element symbol is readable whole on its
// panel at the designed 19 x 24 pixels.
#include <QFontInfo>
#include <QLabel>
#include <QTabWidget>

#include "platform/ui/PanelButton.h"
#include "settings/UnitSetting.h"
#include "tests/console/support/FormsFixture.h"

namespace {

class ElementSymbols : public FormsFixture {};

TEST_F(ElementSymbols, EverySymbolFitsItsPanelAtAReadableSize) {
  Start();
  FormSetting->PageControl->setCurrentWidget(FormSetting->TabSheetRadiusColor);
  FormSetting->show();
  for (PanelButton* panel : FormSetting->ElementPanels) {
    auto* symbol = panel->findChild<QLabel*>();
    ASSERT_NE(symbol, nullptr);
    SCOPED_TRACE(symbol->text().toStdString());
    EXPECT_EQ(panel->size(), QSize(19, 24));
    EXPECT_TRUE(panel->contentsRect().contains(symbol->geometry()));
    EXPECT_LE(symbol->fontMetrics().horizontalAdvance(symbol->text()), symbol->contentsRect().width());
    EXPECT_GE(QFontInfo(symbol->font()).pixelSize(), 9);
  }
  FormSetting->hide();
}

}  // namespace
