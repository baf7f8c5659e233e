// The Bonds tab: list, automatic bonds, colour, radius and deletion.
#include <QAction>
#include <QLineEdit>
#include <QTest>

#include "console/UnitMolecules.h"
#include "display/view/UnitGL.h"
#include "platform/ui/ListView.h"
#include "platform/ui/PanelButton.h"
#include "tests/console/support/FormsFixture.h"

namespace {

class BondsTab : public FormsFixture {
 protected:
  void OpenZMatrixWater() { OpenThroughDialog(WriteFile("water.gjf", ZMatrixInput), 1); }
  ListView& Bonds() { return *FormMolecules->ListViewBonds; }
  QString Row(int row) {
    return Bonds().Caption(row) + " " + Bonds().Item(row)->text(1) + " " + Bonds().Item(row)->text(2);
  }
};

}  // namespace

TEST_F(BondsTab, AutoBondReplacesTheFileBondsByDistanceBonds) {
  Start();
  OpenZMatrixWater();
  ASSERT_EQ(Bonds().Count(), 2);
  EXPECT_EQ(Row(0), "1 1: O 2: H");
  EXPECT_EQ(Bonds().ImageIndex(0), 0);
  // The two hydrogens are 1.52 apart: too far for a bond by distance.
  FormMolecules->SelectedMolGL->AddBond(1, 2);
  QTest::mouseClick(FormMolecules->PanelBondAutoButton, Qt::LeftButton);
  ASSERT_EQ(Bonds().Count(), 2);
  EXPECT_EQ(Row(0), "1 1: O 2: H");
  EXPECT_EQ(Row(1), "2 1: O 3: H");
  EXPECT_EQ(FormMolecules->SelectedMolGL->Bonds.size(), 2u);
  // The editor refreshes the list on every key: the same rows stay, selected;
  // a new label is written.
  Bonds().SelectRow(1);
  FormMolecules->RefreshBondList();
  EXPECT_EQ(Bonds().Selected(), Bonds().Item(1));
  FormMolecules->SelectedMolFile->AtomIds.Labels[2] = "H3";
  FormMolecules->RefreshBondList();
  EXPECT_EQ(Row(1), "2 1: O 3: H3");
}

TEST_F(BondsTab, AutoBondOnAMoleculeWithoutAtoms) {
  Start();
  FormMolecules->ActionNewMolecule->trigger();
  QTest::mouseClick(FormMolecules->PanelBondAutoButton, Qt::LeftButton);
  EXPECT_EQ(Bonds().Count(), 0);
  EXPECT_TRUE(FormMolecules->SelectedMolGL->Bonds.empty());
}

TEST_F(BondsTab, DeletingRenumbersAndKeepsTheOrder) {
  Start();
  OpenZMatrixWater();
  FormMolecules->SelectedMolGL->AddBond(1, 2);
  FormMolecules->RefreshBondList();
  ASSERT_EQ(Bonds().Count(), 3);

  FormMolecules->PoupItemDeleteSelectedBond->trigger();  // no row selected
  EXPECT_EQ(Bonds().Count(), 3);

  Bonds().SelectRow(1);
  FormMolecules->PoupItemDeleteSelectedBond->trigger();
  ASSERT_EQ(Bonds().Count(), 2);
  EXPECT_EQ(Row(0), "1 1: O 2: H");
  EXPECT_EQ(Row(1), "2 2: H 3: H");
}

TEST_F(BondsTab, ARadiusAFloatCannotHoldIsNotStored) {
  Start();
  OpenZMatrixWater();
  FormMolecules->EditBondRadius->setText("0.2");
  EXPECT_EQ(FormMolecules->SelectedMolGL->BondRadius, 0.2f);
  FormMolecules->EditBondRadius->setText("1e300");  // infinite once narrowed
  EXPECT_EQ(FormMolecules->SelectedMolGL->BondRadius, 0.2f);
  FormMolecules->EditBondRadius->setText("1e39");
  EXPECT_EQ(FormMolecules->SelectedMolGL->BondRadius, 0.2f);
}

TEST_F(BondsTab, AtomWithoutLabelShowsOnlyItsNumber) {
  Start();
  OpenZMatrixWater();
  auto& labels = FormMolecules->SelectedMolFile->AtomIds.Labels;
  labels.erase(1);
  FormMolecules->RefreshBondList();
  EXPECT_EQ(Row(0), "1 1: O 2: ");
  EXPECT_EQ(labels.count(1), 0u) << "no label is made up";
}

TEST_F(BondsTab, ColourDialogOpensTruncatedAndStoresOnOk) {
  Start();
  OpenZMatrixWater();
  PanelButton& panel = *FormMolecules->PanelBondColor;
  QTest::mouseClick(&panel, Qt::LeftButton);  // cancelled
  auto calls = dialogs.CallsOf(ScriptedDialogs::Kind::Color);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].Color, QColor(191, 191, 191));
  EXPECT_EQ(FormMolecules->SelectedMolGL->BondColor.r, 0.75f);

  dialogs.ChooseColor(QColor(255, 128, 0));
  QTest::mouseClick(&panel, Qt::LeftButton);
  const auto& color = FormMolecules->SelectedMolGL->BondColor;
  EXPECT_EQ(color.r, 1.0f);
  EXPECT_EQ(color.g, 128 / 255.0f);
  EXPECT_EQ(color.b, 0.0f);
  EXPECT_EQ(color.a, 1.0f);
  EXPECT_EQ(panel.Color(), QColor(255, 128, 0));
}

TEST_F(BondsTab, PanelsWithoutAMoleculeOnlyRiseAgain) {
  Start();
  for (PanelButton* panel : {FormMolecules->PanelBondColor, FormMolecules->PanelBondAutoButton}) {
    QTest::mousePress(panel, Qt::LeftButton);
    EXPECT_TRUE(panel->IsLowered());
    QTest::mouseRelease(panel, Qt::LeftButton);
    EXPECT_FALSE(panel->IsLowered());
  }
  EXPECT_TRUE(dialogs.CallsOf(ScriptedDialogs::Kind::Color).empty());
}

TEST_F(BondsTab, RadiusReadsTheLeadingNumber) {
  Start();
  OpenZMatrixWater();
  EXPECT_EQ(FormMolecules->EditBondRadius->text(), "0.12");
  FormMolecules->EditBondRadius->setText("abc");
  EXPECT_EQ(FormMolecules->SelectedMolGL->BondRadius, 0.0f);
  FormMolecules->EditBondRadius->setText("0.3mm");
  EXPECT_EQ(FormMolecules->SelectedMolGL->BondRadius, 0.3f);
}

// A chain of 1005 carbons: atom numbers from 1000 on, out of view, fit their columns.
TEST_F(BondsTab, AtomNumbersFromAThousandShowWhole) {
  Start();
  std::string chain = "# hf\n\nchain\n\n0 1\n";
  for (int i = 0; i < 1005; ++i) chain += "C " + std::to_string(i * 1.5) + " 0.0 0.0\n";
  OpenThroughDialog(WriteFile("chain.gjf", chain + "\n"), 1);
  QTest::mouseClick(FormMolecules->PanelBondAutoButton, Qt::LeftButton);
  const int wide = Bonds().fontMetrics().horizontalAdvance(QStringLiteral("1005: C"));
  for (int column : {1, 2}) EXPECT_GT(Bonds().columnWidth(column), wide) << column;
}
