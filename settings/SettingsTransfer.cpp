// Loading the dialog's controls from the forms at each showing, storing
// them back after OK, and the buttons of the first two pages.
#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QSlider>
#include <QTabBar>

#include "SettingValues.h"
#include "UnitSetting.h"
#include "console/UnitMolecules.h"
#include "core/ColorValues.h"
#include "display/view/FontLists.h"
#include "display/view/UnitGL.h"
#include "platform/Numbers.h"
#include "platform/ui/PanelButton.h"
#include "platform/ui/PanelColors.h"

namespace {

void ShowNumber(QLineEdit* edit, const char* picture, double value) {
  edit->setText(QString::fromStdString(FormatFloat(picture, value)));
}

std::string TextOf(const QLineEdit* edit) { return edit->text().toStdString(); }

// The font's size in points: fonts given in pixels count 96 pixels to the inch.
double PointsOf(const QFont& font) {
  return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
}

// A normal-mode series steps the clock by the time of one image and puts
// the user's step back when it ends: that is the step the dialog edits.
long double& UsersTimeStep() { return FormGL->TimeStepSaved ? FormGL->SavedTimeStep : FormGL->TimeStep; }

}  // namespace

void TFormSetting::LoadSettings() {
  CheckBoxShowOnlySelected->setChecked(FormGL->ShowOnlySelected);
  ShowNumber(EditTimeStep, "0.0", static_cast<double>(UsersTimeStep()));
  ShowNumber(EditTimePosX, "0.0", FormGL->TimeTextPosition[0]);
  ShowNumber(EditTimePosY, "0.0", FormGL->TimeTextPosition[1]);
  ShowNumber(EditFreqPosX, "0.0", FormGL->FreqTextPosition[0]);
  ShowNumber(EditFreqPosY, "0.0", FormGL->FreqTextPosition[1]);
  ShowNumber(EditArrowPosX, "0.0", FormGL->ArrowPosition[0]);
  ShowNumber(EditArrowPosY, "0.0", FormGL->ArrowPosition[1]);
  ShowNumber(EditArrowLength, "0.0", FormGL->ArrowLength);
  ShowNumber(EditRecordTime, "0.0", static_cast<double>(FormGL->RecordTime));
  const float* background = FormGL->BackgroundColor;
  PanelBackgroundColor->SetColor(PanelColor(ColorValueOf({background[0], background[1], background[2], 1.0f})));
  CheckBoxResetAnimationFileLoading->setChecked(FormMolecules->ResetOnAnimationLoad);
  CheckBoxAutoBondingCartesian->setChecked(FormMolecules->AutoBondGaussianOutput);
  CheckBoxUseWindowSize->setChecked(FormGL->UseWindowSize);
  ShowNumber(EditAVIwidth, "0", FormGL->ImageWidth);
  ShowNumber(EditAVIheight, "0", FormGL->ImageHeight);
  ShowNumber(EditAVIvibration, "0", FormGL->FramesPerPeriod);

  ElementData = DefaultElements;
  for (const auto& [number, symbol] : ElementData.NumberToSymbol) {
    if (PanelButton* panel = ElementPanel(number)) panel->SetColor(PanelColor(ColorValueOf(ElementData.Colors[number])));
  }

  // What a Cancel puts back on the font labels.
  shownTimeFont_ = LabelTimeFont->font();
  shownFreqFont_ = LabelFreqFont->font();
  shownTimeCaption_ = LabelTimeFont->text();
  shownFreqCaption_ = LabelFreqFont->text();
}

void TFormSetting::ApplySettings() {
  UsersTimeStep() = ReadTimeStep(TextOf(EditTimeStep));
  FormGL->FramesPerPeriod = ReadFramesPerPeriod(TextOf(EditAVIvibration));
  FormGL->RecordTime = ReadDouble(TextOf(EditRecordTime));
  FormGL->ImageWidth = ReadImageSide(TextOf(EditAVIwidth));
  FormGL->ImageHeight = ReadImageSide(TextOf(EditAVIheight));
  FormGL->RecordWidth = FormGL->ImageWidth;
  FormGL->RecordHeight = FormGL->ImageHeight;
  FormGL->UseWindowSize = CheckBoxUseWindowSize->isChecked();
  FormGL->ShowOnlySelected = CheckBoxShowOnlySelected->isChecked();
  FormMolecules->ResetOnAnimationLoad = CheckBoxResetAnimationFileLoading->isChecked();
  FormMolecules->AutoBondGaussianOutput = CheckBoxAutoBondingCartesian->isChecked();

  DefaultElements = ElementData;
  for (MolGL& model : FormGL->MolGLs) model.ElementData = ElementData;

  // Opaque: the view's surface has an alpha channel, so a clear alpha of 0
  // would let whatever lies behind the window show through.
  const GraphicHandler::Color<float> background = ColorOfValue(ValueOf(PanelBackgroundColor->Color()));
  FormGL->BackgroundColor[0] = background.r;
  FormGL->BackgroundColor[1] = background.g;
  FormGL->BackgroundColor[2] = background.b;
  FormGL->BackgroundColor[3] = background.a;

  FormGL->TimeTextPosition[0] = ReadFloatSetting(TextOf(EditTimePosX));
  FormGL->TimeTextPosition[1] = ReadFloatSetting(TextOf(EditTimePosY));
  FormGL->FreqTextPosition[0] = ReadFloatSetting(TextOf(EditFreqPosX));
  FormGL->FreqTextPosition[1] = ReadFloatSetting(TextOf(EditFreqPosY));
  FormGL->ArrowPosition[0] = ReadFloatSetting(TextOf(EditArrowPosX));
  FormGL->ArrowPosition[1] = ReadFloatSetting(TextOf(EditArrowPosY));
  FormGL->ArrowLength = ReadFloatSetting(TextOf(EditArrowLength));

  // The lists belong to the view's context; without one there is nothing to
  // rebuild (and GL calls would go to no context or another one).
  if (FormGL->MakeCurrent()) {
    BuildFontLists(LabelTimeFont->font(), TimeFontListBase);
    BuildFontLists(LabelFreqFont->font(), FreqFontListBase);
  }

  const Tessellation row = ResolutionRow(TrackBarResolution->value());
  const auto setTessellation = [&row](auto& target) {
    target.SphereSlices = row.SphereSlices;
    target.SphereStacks = row.SphereStacks;
    target.CylinderSlices = row.CylinderSlices;
    target.CylinderStacks = row.CylinderStacks;
  };
  for (MolGL& model : FormGL->MolGLs) setTessellation(model);
  setTessellation(FormMolecules->Animation);

  FormGL->TabControlGL->setVisible(!FormGL->AnimationMode && FormGL->ShowOnlySelected);
}

void TFormSetting::PanelBackgroundColorMouseUp() {
  if (ColorDialog.Execute(this)) PanelBackgroundColor->SetColor(ColorDialog.Color);
}

void TFormSetting::ChooseFont(QLabel* label) {
  FontDialog.Font = label->font();
  if (!FontDialog.Execute(this)) return;
  label->setFont(FontDialog.Font);
  label->setText(FontDialog.Font.family() + QStringLiteral(" ") +
                 QString::fromStdString(FormatFloat("0", PointsOf(FontDialog.Font))) + QStringLiteral("pt"));
}

void TFormSetting::SpeedButtonTimeFontClick() { ChooseFont(LabelTimeFont); }

void TFormSetting::SpeedButtonFreqFontClick() { ChooseFont(LabelFreqFont); }

void TFormSetting::ButtonSetWindowSizeClick() {
  const int width = ReadImageSide(TextOf(EditAVIwidth));
  const int height = ReadImageSide(TextOf(EditAVIheight));
  // The drawing area takes the size; the window around it grows or shrinks
  // by as much, so the menu, the tab strip and the status bar keep theirs.
  QWidget* area = FormGL->SurfaceContainer;
  FormGL->resize(FormGL->width() + width - area->width(), FormGL->height() + height - area->height());
  FormGL->layout()->activate();
  FormGL->FormResize();
  FormGL->RenderScene();
}
