// The settings dialog shown through the console's command: what it loads,
// what OK stores, what Cancel leaves, and the element page.
#include <functional>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include "console/UnitMolecules.h"
#include "display/view/UnitGL.h"
#include "platform/ui/PanelButton.h"
#include "settings/UnitAbout.h"
#include "settings/UnitSetting.h"
#include "tests/console/support/FormsFixture.h"

namespace {

class Settings : public FormsFixture {
 protected:
  void SetUp() override {
    savedDefaults_ = DefaultElements;
    Start();
  }
  void TearDown() override {
    FormsFixture::TearDown();
    DefaultElements = savedDefaults_;
  }

  // Runs the console's settings command: `act` runs while the dialog is
  // shown, then OK or Cancel is clicked (also when `act` failed).
  static void RunSettings(const std::function<void()>& act, bool ok) {
    QTimer::singleShot(0, FormSetting, [&] {
      act();
      (ok ? FormSetting->OKBtn : FormSetting->CancelBtn)->click();
    });
    FormMolecules->ShowSettingExecute();
  }

  void OpenTwoMolecules() {
    OpenThroughDialog(WriteFile("a.gjf", CartesianInput), 1);
    OpenThroughDialog(WriteFile("b.gjf", ZMatrixInput), 1);
    ASSERT_EQ(FormGL->MolGLs.size(), 2u);
  }

  static void Type(QLineEdit* edit, const QString& text) { edit->setText(text); }

  static void ReleaseOn(PanelButton* panel, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(panel, button);
    QTest::mouseRelease(panel, button);
  }

  Elements savedDefaults_;
};

TEST_F(Settings, ShowingLoadsTheFormsFields) {
  FormGL->TimeStep = 0.123L;
  FormGL->RecordTime = 250.0L;
  FormGL->ImageWidth = 640;
  FormGL->TimeTextPosition[0] = -12.25f;
  FormGL->ArrowLength = 7.0f;
  FormGL->ShowOnlySelected = false;
  FormGL->UseWindowSize = true;
  FormGL->BackgroundColor[0] = 1.0f;
  FormMolecules->ResetOnAnimationLoad = true;
  FormMolecules->AutoBondGaussianOutput = false;
  RunSettings([] {
    EXPECT_EQ(FormSetting->EditTimeStep->text(), "0.1");
    EXPECT_EQ(FormSetting->EditRecordTime->text(), "250.0");
    EXPECT_EQ(FormSetting->EditAVIwidth->text(), "640");
    EXPECT_EQ(FormSetting->EditTimePosX->text(), "-12.3");  // halves away from zero
    EXPECT_EQ(FormSetting->EditArrowLength->text(), "7.0");
    EXPECT_FALSE(FormSetting->CheckBoxShowOnlySelected->isChecked());
    EXPECT_TRUE(FormSetting->CheckBoxUseWindowSize->isChecked());
    EXPECT_TRUE(FormSetting->CheckBoxResetAnimationFileLoading->isChecked());
    EXPECT_FALSE(FormSetting->CheckBoxAutoBondingCartesian->isChecked());
    EXPECT_EQ(FormSetting->PanelBackgroundColor->Color(), QColor(255, 165, 244));
  }, true);
  // OK stores what was shown: the time step rounded to one decimal.
  EXPECT_EQ(FormGL->TimeStep, static_cast<long double>(0.1));
  EXPECT_EQ(FormGL->TimeTextPosition[0], -12.3f);
  EXPECT_FALSE(FormGL->ShowOnlySelected);
  EXPECT_TRUE(FormMolecules->ResetOnAnimationLoad);
  EXPECT_FALSE(FormMolecules->AutoBondGaussianOutput);
}

TEST_F(Settings, OkStoresTheControlsAndTheResolutionOfEveryModel) {
  OpenTwoMolecules();
  dialogs.ChooseColor(QColor(10, 20, 30));
  RunSettings([this] {
    Type(FormSetting->EditAVIwidth, "800");
    Type(FormSetting->EditAVIheight, "600");
    Type(FormSetting->EditFreqPosY, "-2");
    ReleaseOn(FormSetting->PanelBackgroundColor);
    FormSetting->TrackBarResolution->setValue(2);
  }, true);
  EXPECT_EQ(FormGL->RecordWidth, 800);
  EXPECT_EQ(FormGL->RecordHeight, 600);
  EXPECT_EQ(FormGL->FreqTextPosition[1], -2.0f);
  EXPECT_EQ(FormGL->FreqTextPosition[2], 0.0f);
  EXPECT_FLOAT_EQ(FormGL->BackgroundColor[0], 10 / 255.0f);
  EXPECT_FLOAT_EQ(FormGL->BackgroundColor[2], 30 / 255.0f);
  EXPECT_EQ(FormGL->BackgroundColor[3], 1.0f);
  for (const MolGL& model : FormGL->MolGLs) {
    EXPECT_EQ(model.SphereSlices, 42);
    EXPECT_EQ(model.CylinderStacks, 16);
  }
  EXPECT_EQ(FormMolecules->Animation.SphereStacks, 36);
  EXPECT_EQ(FormMolecules->Animation.CylinderSlices, 32);
  // A molecule opened afterwards starts with the models' own tessellation.
  OpenThroughDialog(WriteFile("c.gjf", CartesianInput), 1);
  EXPECT_EQ(FormGL->MolGLs.back().SphereSlices, 18);
  EXPECT_EQ(FormGL->MolGLs.back().CylinderSlices, 8);
}

TEST_F(Settings, ARunningSeriesKeepsItsStepAndTheUsersStepComesBackAfter) {
  FormGL->TimeStep = 0.02L;  // the series' step
  FormGL->TimeStepSaved = true;
  FormGL->SavedTimeStep = 3.0L;
  RunSettings([] {
    EXPECT_EQ(FormSetting->EditTimeStep->text(), "3.0");
    Type(FormSetting->EditTimeStep, "0.5");
  }, true);
  EXPECT_EQ(FormGL->TimeStep, 0.02L);
  EXPECT_EQ(FormGL->SavedTimeStep, static_cast<long double>(0.5));
  FormGL->TimeStepSaved = false;
}

TEST_F(Settings, UnusableNumbersAreNotStored) {
  RunSettings([] {
    Type(FormSetting->EditTimeStep, "abc");
    Type(FormSetting->EditAVIwidth, "-640");
    Type(FormSetting->EditAVIheight, "1e9");
    Type(FormSetting->EditAVIvibration, "0");
    Type(FormSetting->EditTimePosX, "1e300");
    Type(FormSetting->EditArrowLength, "12abc");
  }, true);
  EXPECT_EQ(FormGL->TimeStep, 0.01L);
  EXPECT_EQ(FormGL->ImageWidth, 1);
  EXPECT_EQ(FormGL->ImageHeight, 1);  // "1e9" is 1 as an integer
  EXPECT_EQ(FormGL->FramesPerPeriod, 1);
  EXPECT_EQ(FormGL->TimeTextPosition[0], 0.0f);
  EXPECT_EQ(FormGL->ArrowLength, 12.0f);
  RunSettings([] { EXPECT_EQ(FormSetting->EditTimeStep->text(), "0.0"); }, false);
}

TEST_F(Settings, CancelChangesNothing) {
  OpenTwoMolecules();
  const long double step = FormGL->TimeStep;
  const QFont timeFont = FormSetting->LabelTimeFont->font();
  const QString timeCaption = FormSetting->LabelTimeFont->text();
  QFont chosen(QStringLiteral("Serif"));
  chosen.setPointSize(30);
  dialogs.ChooseFont(chosen);
  dialogs.ChooseColor(QColor(1, 2, 3));
  dialogs.ChooseColor(QColor(5, 6, 7));
  RunSettings([&] {
    Type(FormSetting->EditTimeStep, "9");
    FormSetting->CheckBoxShowOnlySelected->setChecked(false);
    FormSetting->CheckBoxAutoBondingCartesian->setChecked(false);
    FormSetting->SpeedButtonTimeFont->click();
    EXPECT_EQ(FormSetting->LabelTimeFont->text(), chosen.family() + " 30pt");
    ReleaseOn(FormSetting->PanelBackgroundColor);
    ReleaseOn(FormSetting->ElementPanel(8));
    ReleaseOn(FormSetting->PanelElementColor);
    Type(FormSetting->EditElementRadius, "99");
    FormSetting->TrackBarResolution->setValue(-2);
  }, false);
  EXPECT_EQ(FormGL->TimeStep, step);
  EXPECT_TRUE(FormGL->ShowOnlySelected);
  EXPECT_TRUE(FormMolecules->AutoBondGaussianOutput);
  EXPECT_FLOAT_EQ(FormGL->BackgroundColor[0], 100 / 255.0f);
  EXPECT_EQ(FormSetting->LabelTimeFont->font(), timeFont);
  EXPECT_EQ(FormSetting->LabelTimeFont->text(), timeCaption);
  const Elements fresh;
  EXPECT_EQ(DefaultElements.Radii.at(8), fresh.Radii.at(8));
  EXPECT_EQ(DefaultElements.Colors.at(8).r, fresh.Colors.at(8).r);
  for (const MolGL& model : FormGL->MolGLs) {
    EXPECT_EQ(model.ElementData.Radii.at(8), fresh.Radii.at(8));
    EXPECT_EQ(model.SphereSlices, 18);
  }
  // The next showing paints the panels with the stored colours again.
  RunSettings([] { EXPECT_EQ(FormSetting->ElementPanel(8)->Color(), QColor(210, 0, 0)); }, false);
}

TEST_F(Settings, ElementEditsReachDefaultsAndEveryModelButNotTheReadersTable) {
  OpenTwoMolecules();
  const double readersOxygen = ElementTable.Radii.at(8);
  dialogs.ChooseColor(QColor(210, 0, 0));
  RunSettings([this] {
    ReleaseOn(FormSetting->ElementPanel(8));
    Type(FormSetting->EditElementRadius, "150");
    ReleaseOn(FormSetting->PanelElementColor);
    // A molecule that arrives while the dialog is open gets the edits too.
    OpenThroughDialog(WriteFile("late.gjf", CartesianInput), 1);
  }, true);
  ASSERT_EQ(FormGL->MolGLs.size(), 3u);
  const GraphicHandler::Color<float> red{210 * (1.0f / 255), 0, 0, 1};
  for (const Elements* table : {&DefaultElements, &FormGL->MolGLs[0].ElementData, &FormGL->MolGLs[1].ElementData,
                                &FormGL->MolGLs[2].ElementData}) {
    EXPECT_EQ(table->Radii.at(8), 150.0);
    EXPECT_FLOAT_EQ(table->Colors.at(8).r, red.r);
    EXPECT_EQ(table->Colors.at(8).a, 1.0f);
  }
  EXPECT_EQ(ElementTable.Radii.at(8), readersOxygen);
  // A new model copies the stored table.
  OpenThroughDialog(WriteFile("after.gjf", CartesianInput), 1);
  EXPECT_EQ(FormGL->MolGLs.back().ElementData.Radii.at(8), 150.0);
}

TEST_F(Settings, TabStripFollowsShowOnlySelectedOutsideAnimation) {
  OpenTwoMolecules();
  FormGL->show();
  RunSettings([] { FormSetting->CheckBoxShowOnlySelected->setChecked(false); }, true);
  EXPECT_FALSE(FormGL->TabControlGL->isVisible());
  RunSettings([] { FormSetting->CheckBoxShowOnlySelected->setChecked(true); }, true);
  EXPECT_TRUE(FormGL->TabControlGL->isVisible());
  FormGL->AnimationMode = true;
  RunSettings([] {}, true);
  EXPECT_FALSE(FormGL->TabControlGL->isVisible());
}

TEST_F(Settings, FontButtonsShowTheChosenFontAndOkKeepsIt) {
  QFont chosen(QStringLiteral("Serif"));
  chosen.setPixelSize(40);
  dialogs.ChooseFont(chosen);
  RunSettings([] { FormSetting->SpeedButtonFreqFont->click(); }, true);
  EXPECT_EQ(FormSetting->LabelFreqFont->font(), chosen);
  EXPECT_EQ(FormSetting->LabelFreqFont->text(), chosen.family() + " 30pt");  // 40 px at 96 dpi
  // A cancelled font dialog leaves the label.
  RunSettings([] { FormSetting->SpeedButtonFreqFont->click(); }, true);
  EXPECT_EQ(FormSetting->LabelFreqFont->font(), chosen);
}

// --- The element page --------------------------------------------------------

class ElementPage : public Settings {
 protected:
  // Shows the dialog without waiting in it; OK or Cancel as the command does.
  void SetUp() override {
    Settings::SetUp();
    FormSetting->show();
  }
  void TearDown() override {
    FormSetting->reject();
    Settings::TearDown();
  }
  static int LoweredPanels() {
    int lowered = 0;
    for (PanelButton* panel : FormSetting->ElementPanels) lowered += panel->IsLowered();
    return lowered;
  }
  static void TypeElement(const QString& text) {
    FormSetting->ComboBoxElements->clearEditText();
    QTest::keyClicks(FormSetting->ComboBoxElements->lineEdit(), text);
    emit FormSetting->ComboBoxElements->lineEdit()->editingFinished();
  }
};

TEST_F(ElementPage, TypingANumberSelectsItsElement) {
  TypeElement("12");  // typed key by key over the box's text, then left: "1" is not made "1  H" under the "2"
  EXPECT_EQ(FormSetting->ComboBoxElements->currentText(), "12  Mg");
  TypeElement("8");
  EXPECT_EQ(FormSetting->ComboBoxElements->currentText(), "8  O");
  EXPECT_TRUE(FormSetting->ElementPanel(8)->IsLowered());
  EXPECT_EQ(LoweredPanels(), 1);
  EXPECT_EQ(FormSetting->PanelElementColor->Color(), QColor(210, 0, 0));  // 0.824 x 255 truncated
  EXPECT_EQ(FormSetting->EditElementRadius->text(), "60.4");
  // Showing an element stores the radius shown, which reads back exactly.
  TypeElement("1");
  EXPECT_EQ(FormSetting->EditElementRadius->text(), "37.3");
  EXPECT_EQ(FormSetting->ElementData.Radii.at(1), 37.3);
  TypeElement("abc");
  EXPECT_EQ(FormSetting->ComboBoxElements->currentText(), "dummy atom");
  EXPECT_EQ(LoweredPanels(), 0);
  EXPECT_EQ(FormSetting->EditElementRadius->text(), "50");
}

TEST_F(ElementPage, NumbersOutsideTheTableAddNoRows) {
  const std::size_t rows = FormSetting->ElementData.Radii.size();
  for (const char* text : {"200", "-5"}) {
    TypeElement(text);
    EXPECT_EQ(FormSetting->ComboBoxElements->currentText(), "");
    EXPECT_EQ(FormSetting->PanelElementColor->Color(), QColor(0, 0, 0));
    EXPECT_EQ(FormSetting->EditElementRadius->text(), "0");
    EXPECT_EQ(LoweredPanels(), 0);
  }
  EXPECT_EQ(FormSetting->ElementData.Radii.size(), rows);
  EXPECT_EQ(FormSetting->ElementData.Colors.size(), rows);
  // With the box empty, a radius goes to the dummy atom.
  FormSetting->EditElementRadius->setText("70");
  EXPECT_EQ(FormSetting->ElementData.Radii.at(0), 70.0);
}

TEST_F(ElementPage, RadiusEditStoresEveryUsableValue) {
  TypeElement("6");
  double& carbon = FormSetting->ElementData.Radii.at(6);
  const auto type = [](const char* text) { FormSetting->EditElementRadius->setText(text); };
  // Deleting "150" from its end stores 15, then 1; the empty text nothing.
  for (const char* text : {"150", "15", "1", ""}) type(text);
  EXPECT_EQ(carbon, 1.0);
  type("1e2");
  EXPECT_EQ(carbon, 100.0);
  for (const char* text : {"12abc", "abc", "-5", "1e40"}) type(text);
  EXPECT_EQ(carbon, 12.0);
}

TEST_F(ElementPage, ChosenColourIsStoredAndShownAgain) {
  dialogs.ChooseColor(QColor(210, 0, 0));
  TypeElement("6");
  ReleaseOn(FormSetting->PanelElementColor);
  const GraphicHandler::Color<float> carbon = FormSetting->ElementData.Colors.at(6);
  EXPECT_EQ(carbon.r, static_cast<float>(210 * (1.0L / 255)));
  EXPECT_EQ(carbon.g, 0.0f);
  EXPECT_EQ(carbon.a, 1.0f);
  EXPECT_EQ(FormSetting->ElementPanel(6)->Color(), QColor(210, 0, 0));
  TypeElement("7");
  TypeElement("6");
  EXPECT_EQ(FormSetting->PanelElementColor->Color(), QColor(210, 0, 0));
  // The colour dialog opens on its last choice, and a cancel stores nothing.
  ReleaseOn(FormSetting->PanelElementColor);
  EXPECT_EQ(dialogs.CallsOf(ScriptedDialogs::Kind::Color).back().Color, QColor(210, 0, 0));
  EXPECT_EQ(FormSetting->ElementData.Colors.at(6).r, carbon.r);
}

TEST_F(ElementPage, AnyButtonReleaseOnAPanelSelectsIt) {
  ReleaseOn(FormSetting->ElementPanel(26), Qt::RightButton);
  EXPECT_EQ(FormSetting->ComboBoxElements->currentText(), "26  Fe");
  EXPECT_TRUE(FormSetting->ElementPanel(26)->IsLowered());
  ReleaseOn(FormSetting->ElementPanel(79), Qt::MiddleButton);
  EXPECT_EQ(FormSetting->ComboBoxElements->currentText(), "79  Au");
  EXPECT_FALSE(FormSetting->ElementPanel(26)->IsLowered());
  EXPECT_EQ(LoweredPanels(), 1);
}

TEST_F(ElementPage, DoubleClickColoursThePanelAndLeavesItSelected) {
  dialogs.ChooseColor(QColor(0, 200, 100));
  PanelButton* gold = FormSetting->ElementPanel(79);
  // As Qt delivers a double click: the second press comes as the double click.
  const QPointF at(5, 5);
  for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
    const bool down = type != QEvent::MouseButtonRelease;
    QMouseEvent event(type, at, gold->mapToGlobal(at), Qt::LeftButton, down ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(gold, &event);
  }
  EXPECT_EQ(gold->Color(), QColor(0, 200, 100));
  EXPECT_FLOAT_EQ(FormSetting->ElementData.Colors.at(79).g, 200 / 255.0f);
  EXPECT_TRUE(gold->IsLowered());
  EXPECT_EQ(FormSetting->ComboBoxElements->currentText(), "79  Au");
}

TEST(AboutBox, ShowsTheProgramsNameAndVersion) {
  TAboutBox box;
  EXPECT_EQ(box.windowTitle(), "バージョン情報");
  EXPECT_EQ(box.ProductName->text(), "Quivera");
  EXPECT_EQ(box.Version->text(), "Developing Preview Version 0.921");
  EXPECT_FALSE(box.ProgramIcon->pixmap().isNull());
  QTimer::singleShot(0, &box, [&box] { box.OKButton->click(); });
  EXPECT_EQ(box.exec(), QDialog::Accepted);
}

}  // namespace
