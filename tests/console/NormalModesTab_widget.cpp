// The NormalModes tab: the mode list, the stick spectrum, the measured
// spectrum over it and the vibration controls.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <sstream>

#include "console/UnitMolecules.h"
#include "display/view/UnitGL.h"
#include "platform/Numbers.h"
#include "platform/ui/Chart.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Dialogs.h"
#include "tests/console/support/FormsFixture.h"
#include "tests/support/StrictRun.h"

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

class NormalModesTab : public FormsFixture {
 protected:
  // Water's output without the lines that start with `prefix`.
  static std::string WaterWithout(const std::string& prefix) {
    std::istringstream in(ExampleText("water.out"));
    std::string text, line;
    while (std::getline(in, line))
      if (line.rfind(prefix, 0) != 0) text += line + "\n";
    return text;
  }
  void OpenOutput(const std::string& text, const QString& name = "water.out") {
    OpenThroughDialog(WriteFile(name, text), 2);
  }
  TFormMolecules& Form() { return *FormMolecules; }
  const std::vector<Chart::Bar>& Bars() { return Form().ChartNormalModes->Bars(); }
  QString Cell(int row, int column) { return Form().ListViewNormalModes->Item(row)->text(column); }
  bool TabShown() {
    return Form().PageControlSelected->isTabVisible(Form().PageControlSelected->indexOf(Form().TabSheetNormalModes));
  }
};

}  // namespace

TEST_F(NormalModesTab, RowsAndBarsOfARamanOutput) {
  Start();
  OpenOutput(ExampleText("water.out"));
  ASSERT_TRUE(TabShown());
  ListView& list = *Form().ListViewNormalModes;
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(Cell(0, 0), "1");
  EXPECT_EQ(Cell(0, 1), "A1");
  EXPECT_EQ(Cell(0, 2), "1827.1595");  // 1827.1596 in single precision
  EXPECT_EQ(Cell(0, 3), "99.7386");
  EXPECT_EQ(Cell(0, 4), "6.5232");
  EXPECT_EQ(Cell(2, 1), "B2");
  for (int row = 0; row < 3; ++row) EXPECT_EQ(list.ImageIndex(row), 4);
  EXPECT_EQ(Form().EditScalingFactor->text(), "1.0");

  ASSERT_EQ(Bars().size(), 3u);
  EXPECT_FLOAT_EQ(Bars()[0].X, 1827.1596f);
  EXPECT_FLOAT_EQ(Bars()[0].Y, 99.7386f);
  for (const auto& bar : Bars()) EXPECT_EQ(bar.Color, kRed);

  Form().RadioButtonRamanActiv->click();
  ASSERT_EQ(Bars().size(), 3u);
  EXPECT_FLOAT_EQ(Bars()[1].Y, 67.7148f);
  for (const auto& bar : Bars()) EXPECT_EQ(bar.Color, kBlue);
}

TEST_F(NormalModesTab, MissingTablesGiveEmptyCellsAndNoBars) {
  Start();
  OpenOutput(WaterWithout(" Raman Activ"));
  ASSERT_EQ(Form().ListViewNormalModes->Count(), 3);
  EXPECT_EQ(Cell(1, 3), "18.5627");
  EXPECT_EQ(Cell(1, 1), "A1");
  EXPECT_EQ(Cell(1, 4), "");
  EXPECT_EQ(Bars().size(), 3u);
  Form().RadioButtonRamanActiv->click();
  EXPECT_TRUE(Bars().empty());
  Form().ListViewNormalModes->SelectRow(1);
  EXPECT_TRUE(Bars().empty());
}

TEST_F(NormalModesTab, AValueOfStarsIsListedAsStarsAndGetsNoBar) {
  Start();
  std::string text = ExampleText("water.out");
  const std::size_t strongest = text.find("99.7386");
  ASSERT_NE(strongest, std::string::npos);
  OpenOutput(text.replace(strongest, 7, "*******"));
  ASSERT_EQ(Form().ListViewNormalModes->Count(), 3);
  EXPECT_EQ(Cell(0, 3), "**********");
  EXPECT_EQ(Cell(0, 2), "1827.1595");
  // The axis scales to the strongest band that is known.
  ASSERT_EQ(Bars().size(), 2u);
  EXPECT_FLOAT_EQ(Form().ChartNormalModes->LeftRange().Max, 58.6392f);
  Form().ListViewNormalModes->SelectRow(0);
  EXPECT_EQ(Bars().size(), 2u);
  Form().RadioButtonRamanActiv->click();
  EXPECT_EQ(Bars().size(), 3u);
}

TEST_F(NormalModesTab, ScalingFactorRules) {
  Start();
  OpenOutput(ExampleText("water.out"));
  QLineEdit& factor = *Form().EditScalingFactor;
  for (const char* ignored : {"0", "", "abc"}) {
    factor.setText(ignored);
    EXPECT_EQ(Form().SelectedMolGL->ScalingFactor, 1.0) << ignored;
  }
  factor.clear();
  QTest::keyClicks(&factor, "1.5");  // "1" is not rewritten "1.0" under the keys that follow
  EXPECT_EQ(Form().SelectedMolGL->ScalingFactor, 1.5);
  factor.clear();
  QTest::keyClicks(&factor, "0.90");
  QTest::keyClick(&factor, Qt::Key_Return);  // shown in the list's picture once entered
  const double scale = static_cast<double>(0.9f);
  EXPECT_EQ(Form().SelectedMolGL->ScalingFactor, scale);
  EXPECT_EQ(factor.text(), "0.9");
  const double scaled = 1827.1596f * scale;
  EXPECT_DOUBLE_EQ(Bars()[0].X, scaled);
  EXPECT_EQ(Cell(0, 2).toStdString(), FormatFloat("0.0000", scaled));

  factor.setText("-1");
  EXPECT_EQ(Form().SelectedMolGL->ScalingFactor, -1.0);
  EXPECT_LT(Bars()[0].X, 0.0);
  EXPECT_FALSE(Form().ChartNormalModes->grab().isNull());

  factor.setText("1e39");  // infinite in single precision: not stored
  EXPECT_EQ(Form().SelectedMolGL->ScalingFactor, -1.0);
  EXPECT_LT(Bars()[0].X, 0.0);
}

TEST_F(NormalModesTab, VibrationEditsStoreOnlyWhatAFloatHolds) {
  Start();
  OpenOutput(ExampleText("water.out"));
  Form().EditNMMagnitude->setText("2.5");
  Form().EditNormalModeArrowMagnitude->setText("3");
  Form().EditNormalModeArrowRadius->setText("0.5");
  for (const char* huge : {"1e39", "-1e300"}) {
    Form().EditNMMagnitude->setText(huge);
    Form().EditNormalModeArrowMagnitude->setText(huge);
    Form().EditNormalModeArrowRadius->setText(huge);
    EXPECT_EQ(Form().SelectedMolGL->NMMagnitude, 2.5) << huge;
    EXPECT_EQ(Form().ModeArrowMagnitude, 3.0f) << huge;
    EXPECT_EQ(Form().ModeArrowRadius, 0.5f) << huge;
  }
  Form().EditNMMagnitude->setText("-3e38");
  EXPECT_EQ(Form().SelectedMolGL->NMMagnitude, -3e38);
}

TEST_F(NormalModesTab, SelectingARowHighlightsItsBar) {
  Start();
  OpenOutput(ExampleText("water.out"));
  Form().ListViewNormalModes->SelectRow(1);
  EXPECT_EQ(Form().SelectedModeNumber, 2);
  ASSERT_NE(Form().SelectedNormalMode(), nullptr);
  EXPECT_EQ(Form().SelectedNormalMode()->ModeNumber, 2);
  ASSERT_EQ(Bars().size(), 3u);
  EXPECT_EQ(Bars()[0].Color, kRed);
  EXPECT_EQ(Bars()[1].Color, kBlue);
  EXPECT_EQ(Bars()[2].Color, kRed);

  Form().RadioButtonRamanActiv->setChecked(true);
  Form().ListViewNormalModes->SelectRow(2);
  EXPECT_EQ(Bars()[1].Color, kBlue);
  EXPECT_EQ(Bars()[2].Color, kRed);
  Form().RadioButtonIRInten->click();  // drops the highlight
  for (const auto& bar : Bars()) EXPECT_EQ(bar.Color, kRed);
}

TEST_F(NormalModesTab, DoubleClickAndCheckBoxAnimateTheChosenMode) {
  Start();
  OpenOutput(ExampleText("water.out"));
  ListView& list = *Form().ListViewNormalModes;
  emit list.dblClick();  // no row chosen: nothing
  EXPECT_FALSE(Form().SelectedMolGL->Modes[0].Animate);

  list.SelectRow(0);
  emit list.dblClick();
  EXPECT_TRUE(Form().SelectedMolGL->Modes[0].Animate);
  EXPECT_EQ(list.ImageIndex(0), 3);
  EXPECT_TRUE(Form().CheckBoxNMSelectedAnimation->isChecked());
  emit list.dblClick();
  EXPECT_FALSE(Form().SelectedMolGL->Modes[0].Animate);
  EXPECT_EQ(list.ImageIndex(0), 4);

  list.SelectRow(2);
  Form().CheckBoxNMSelectedAnimation->setChecked(true);
  EXPECT_TRUE(Form().SelectedMolGL->Modes[2].Animate);
  EXPECT_EQ(list.ImageIndex(2), 3);
  list.SelectRow(0);  // the box follows the chosen mode
  EXPECT_FALSE(Form().CheckBoxNMSelectedAnimation->isChecked());
  EXPECT_TRUE(Form().SelectedMolGL->Modes[2].Animate);
}

TEST_F(NormalModesTab, SelectedModeIsFoundAgainAfterTheModelsMove) {
  Start();
  OpenOutput(ExampleText("water.out"));
  Form().ListViewNormalModes->SelectRow(2);
  for (int i = 0; i < 20; ++i) OpenOutput(ExampleText("water.out"), "more.out");
  Form().ListViewMolecules->SelectRow(0);
  ASSERT_NE(Form().SelectedNormalMode(), nullptr);
  EXPECT_EQ(Form().SelectedNormalMode(), &FormGL->MolGLs[0].Modes[2]);
}

TEST_F(NormalModesTab, MoleculeWithoutModesHidesTheTab) {
  Start();
  OpenOutput(ExampleText("water.out"));
  ASSERT_TRUE(TabShown());
  OpenThroughDialog(WriteFile("in.gjf", CartesianInput), 1);
  EXPECT_FALSE(TabShown());
  EXPECT_EQ(Form().ListViewNormalModes->Count(), 3) << "the hidden list keeps its rows";
}

TEST_F(NormalModesTab, MeasuredSpectrumIsLoadedAndCleared) {
  Start();
  OpenOutput(ExampleText("water.out"));
  Chart& chart = *Form().ChartNormalModes;
  dialogs.ChooseFile(WriteFile("s.txt", "4000 0.5\n1000,0.7\n3000 0.9 1\n2000 0.1"), 1);
  Form().PoupItemLoadSpectrum->trigger();
  ASSERT_EQ(chart.LinePoints().size(), 3u);
  EXPECT_EQ(chart.LinePoints().front().x(), 1000.0);
  EXPECT_EQ(chart.LineColor(), QColor(0, 128, 64));
  const auto call = dialogs.CallsOf(ScriptedDialogs::Kind::File).back();
  EXPECT_EQ(call.Filter,
            "spaces separated file (*.txt)|*.txt;*.dat|J-CAMP DX File (*.dx;*.jdx)|*.dx;*.jdx");

  dialogs.ChooseFile(WriteFile("s.dx", "##DELTAX= 1\n##XYDATA= (X++(Y..Y))\n400+1+2+3\n##END=\n"), 2);
  Form().PoupItemLoadSpectrum->trigger();
  EXPECT_EQ(chart.LinePoints().size(), 3u);

  dialogs.CancelFile();
  Form().PoupItemLoadSpectrum->trigger();
  EXPECT_TRUE(chart.LinePoints().empty()) << "cancel still clears";

  dialogs.ChooseFile(PathOf("s.txt"), 1);
  Form().PoupItemLoadSpectrum->trigger();
  Form().PoupItemClearSpectrum->trigger();
  EXPECT_TRUE(chart.LinePoints().empty());
  EXPECT_TRUE(dialogs.CallsOf(ScriptedDialogs::Kind::Message).empty());

  // Data the reader does not decode draws nothing, and the user is told why.
  const QString path = WriteFile("dif.jdx", "##XYDATA=(X++(Y..Y))\n599.9D15824699M60816J3307342\n");
  dialogs.ChooseFile(path, 2);
  Form().PoupItemLoadSpectrum->trigger();
  EXPECT_TRUE(chart.LinePoints().empty());
  const auto messages = dialogs.CallsOf(ScriptedDialogs::Kind::Message);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages[0].Text.startsWith(path) && messages[0].Text.contains("(SQZ, DIF, DUP)"))
      << messages[0].Text.toStdString();
  dialogs.ChooseFile(WriteFile("comma.jdx", "##FIRSTX= 399,212341\n##XYDATA=(X++(Y..Y))\n399 1 2\n"), 2);
  Form().PoupItemLoadSpectrum->trigger();
  EXPECT_TRUE(dialogs.CallsOf(ScriptedDialogs::Kind::Message).back().Text.contains("##FIRSTX= の値 399,212341 が"));
  dialogs.ChooseFile(WriteFile("um.jdx", "##XUNITS=MICROMETERS\n##DELTAX=-1\n##XYDATA=(X++(Y..Y))\n1 5 6\n"), 2);
  Form().PoupItemLoadSpectrum->trigger();
  EXPECT_TRUE(dialogs.CallsOf(ScriptedDialogs::Kind::Message).back().Text.contains("マイクロメートル"));

  // A file that cannot be read is named, with the system's reason.
  const QString pipe = PathOf("pipe.txt"), locked = WriteFile("locked.txt", "1000 0.5\n");
  ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0666), 0);
  ::chmod(locked.toLocal8Bit().constData(), 0);
  const auto expectRefused = [&](const QString& path, const std::string& reason) {
    dialogs.ChooseFile(path, 1);
    Form().PoupItemLoadSpectrum->trigger();
    EXPECT_EQ(dialogs.CallsOf(ScriptedDialogs::Kind::Message).back().Text, CouldNotReadText(path, reason));
  };
  expectRefused(pipe, "Not a regular file");
  expectRefused("/proc/self/mem", std::strerror(EIO));  // a regular file whose first page cannot be read
  AsOrdinaryUser([&] { expectRefused(locked, std::strerror(EACCES)); });
}
