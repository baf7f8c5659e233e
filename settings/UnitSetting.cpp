#include "UnitSetting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include "SettingValues.h"
#include "console/UnitMolecules.h"
#include "display/view/FontLists.h"
#include "display/view/UnitGL.h"
#include "platform/ui/PanelButton.h"

TFormSetting* FormSetting = nullptr;

namespace {

QFont DesignTextFont() {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(27);
  return font;
}

QLineEdit* NumberEdit(QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setMaximumWidth(70);
  return edit;
}

// "x [edit]  y [edit]" after a caption, in one row of `grid`.
void AddPositionRow(QGridLayout* grid, int row, QWidget* parent, QLineEdit*& x, QLineEdit*& y) {
  grid->addWidget(new QLabel(QStringLiteral("位置"), parent), row, 0);
  x = NumberEdit(parent);
  y = NumberEdit(parent);
  grid->addWidget(x, row, 1);
  grid->addWidget(y, row, 2);
}

}  // namespace

TFormSetting::TFormSetting(const QStringList& arguments, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Quiveraの設定"));
  setAttribute(Qt::WA_QuitOnClose, false);
  auto* layout = new QVBoxLayout(this);
  PageControl = new QTabWidget(this);
  TabSheetSetting = BuildSettingPage();
  TabSheet3DSetting = Build3DSettingPage();
  TabSheetRadiusColor = BuildRadiusColorPage();
  PageControl->addTab(TabSheetSetting, QStringLiteral("設定"));
  PageControl->addTab(TabSheet3DSetting, QStringLiteral("3D設定"));
  PageControl->addTab(TabSheetRadiusColor, QStringLiteral("半径と色"));
  layout->addWidget(PageControl);

  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton(QStringLiteral("キャンセル"), this);
  HelpBtn = new QPushButton(QStringLiteral("ヘルプ(&H)"), this);
  bottom->addWidget(OKBtn);
  bottom->addWidget(CancelBtn);
  bottom->addWidget(HelpBtn);
  layout->addLayout(bottom);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &TFormSetting::reject);

  shownTimeFont_ = LabelTimeFont->font();
  shownFreqFont_ = LabelFreqFont->font();
  shownTimeCaption_ = LabelTimeFont->text();
  shownFreqCaption_ = LabelFreqFont->text();
  FormCreate(arguments);
}

QWidget* TFormSetting::BuildSettingPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);

  auto* timeRow = new QHBoxLayout;
  timeRow->addWidget(new QLabel(QStringLiteral("表示（描画）時間間隔"), page));
  EditTimeStep = NumberEdit(page);
  timeRow->addWidget(EditTimeStep);
  timeRow->addWidget(new QLabel(QStringLiteral("fs"), page));
  timeRow->addStretch(1);
  layout->addLayout(timeRow);

  auto* capture = new QGroupBox(QStringLiteral("動画・画像保存(AVI・BMP Files)"), page);
  auto* captureGrid = new QGridLayout(capture);
  EditAVIwidth = NumberEdit(capture);
  EditAVIheight = NumberEdit(capture);
  captureGrid->addWidget(EditAVIwidth, 0, 0);
  captureGrid->addWidget(new QLabel(QStringLiteral("×"), capture), 0, 1);
  captureGrid->addWidget(EditAVIheight, 0, 2);
  ComboBoxBitDepth = new QComboBox(capture);
  ComboBoxBitDepth->addItems({QStringLiteral("8bit"), QStringLiteral("16bit"), QStringLiteral("24bit")});
  ComboBoxBitDepth->setCurrentIndex(2);
  ComboBoxBitDepth->setEnabled(false);
  captureGrid->addWidget(ComboBoxBitDepth, 0, 3);
  CheckBoxUseWindowSize = new QCheckBox(QStringLiteral("ウィンドウサイズを用いる"), capture);
  captureGrid->addWidget(CheckBoxUseWindowSize, 1, 0, 1, 4);
  ButtonSetWindowSize = new QPushButton(QStringLiteral("画面サイズを上記サイズにセット"), capture);
  captureGrid->addWidget(ButtonSetWindowSize, 2, 0, 1, 4);
  captureGrid->addWidget(new QLabel(QStringLiteral("動画録画時間"), capture), 3, 0);
  EditRecordTime = NumberEdit(capture);
  captureGrid->addWidget(EditRecordTime, 3, 1, 1, 2);
  captureGrid->addWidget(new QLabel(QStringLiteral("fs"), capture), 3, 3);
  layout->addWidget(capture);
  connect(ButtonSetWindowSize, &QPushButton::clicked, this, &TFormSetting::ButtonSetWindowSizeClick);

  CheckBoxAutoBondingCartesian =
      new QCheckBox(QStringLiteral("Gaussian出力ファイルを読み込む時に自動的に結合を生成"), page);
  CheckBoxAutoBondingCartesian->setChecked(true);
  CheckBoxResetAnimationFileLoading =
      new QCheckBox(QStringLiteral("アニメーションファイル読み込み時にそれまでのファイルをリセット"), page);
  layout->addWidget(CheckBoxAutoBondingCartesian);
  layout->addWidget(CheckBoxResetAnimationFileLoading);

  auto* newFileType = new QGroupBox(QStringLiteral("新規作成のファイル形式"), page);
  auto* newFileLayout = new QVBoxLayout(newFileType);
  RadioGroupNewFileType = new QRadioButton(QStringLiteral("Gaussian 入力形式"), newFileType);
  RadioGroupNewFileType->setChecked(true);
  newFileLayout->addWidget(RadioGroupNewFileType);
  layout->addWidget(newFileType);

  CheckBoxShowOnlySelected =
      new QCheckBox(QStringLiteral("選択した分子のみを表示する （非アニメーション表示時）"), page);
  CheckBoxShowOnlySelected->setChecked(true);
  layout->addWidget(CheckBoxShowOnlySelected);

  auto* series = new QGroupBox(QStringLiteral("振動モードの連番画像保存"), page);
  auto* seriesLayout = new QHBoxLayout(series);
  seriesLayout->addWidget(new QLabel(QStringLiteral("画像/周期の枚数保存"), series));
  EditAVIvibration = NumberEdit(series);
  seriesLayout->addWidget(EditAVIvibration);
  seriesLayout->addStretch(1);
  layout->addWidget(series);
  layout->addStretch(1);
  return page;
}

QWidget* TFormSetting::Build3DSettingPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);

  auto* background = new QHBoxLayout;
  background->addWidget(new QLabel(QStringLiteral("背景色"), page));
  PanelBackgroundColor = new PanelButton(QString(), page);
  PanelBackgroundColor->setFixedSize(42, 20);
  background->addWidget(PanelBackgroundColor);
  background->addStretch(1);
  layout->addLayout(background);
  connect(PanelBackgroundColor, &PanelButton::released, this, &TFormSetting::PanelBackgroundColorMouseUp);

  // One group per text: its font with a button to change it, and its place.
  const auto textGroup = [&](const QString& title, QLabel*& label, QPushButton*& button, QLineEdit*& x,
                             QLineEdit*& y) {
    auto* group = new QGroupBox(title, page);
    auto* grid = new QGridLayout(group);
    label = new QLabel(QStringLiteral("MS Sans Serif　20pt"), group);
    label->setFont(DesignTextFont());
    button = new QPushButton(QStringLiteral("…"), group);
    grid->addWidget(label, 0, 0, 1, 3);
    grid->addWidget(button, 0, 3);
    AddPositionRow(grid, 1, group, x, y);
    layout->addWidget(group);
  };
  textGroup(QStringLiteral("時間の表示位置・フォント"), LabelTimeFont, SpeedButtonTimeFont, EditTimePosX,
            EditTimePosY);
  connect(SpeedButtonTimeFont, &QPushButton::clicked, this, &TFormSetting::SpeedButtonTimeFontClick);

  auto* arrow = new QGroupBox(QStringLiteral("軸方向矢印の表示位置・長さ"), page);
  auto* arrowGrid = new QGridLayout(arrow);
  arrowGrid->addWidget(new QLabel(QStringLiteral("矢印の長さ"), arrow), 0, 0);
  EditArrowLength = NumberEdit(arrow);
  arrowGrid->addWidget(EditArrowLength, 0, 1);
  arrowGrid->addWidget(new QLabel(QStringLiteral("Å"), arrow), 0, 2);
  AddPositionRow(arrowGrid, 1, arrow, EditArrowPosX, EditArrowPosY);
  layout->addWidget(arrow);

  textGroup(QStringLiteral("振動数の表示位置・フォント"), LabelFreqFont, SpeedButtonFreqFont, EditFreqPosX,
            EditFreqPosY);
  connect(SpeedButtonFreqFont, &QPushButton::clicked, this, &TFormSetting::SpeedButtonFreqFontClick);

  auto* resolution = new QGroupBox(QStringLiteral("モデルの解像度"), page);
  auto* resolutionRow = new QHBoxLayout(resolution);
  TrackBarResolution = new QSlider(Qt::Horizontal, resolution);
  TrackBarResolution->setRange(LowestResolution, HighestResolution);
  TrackBarResolution->setValue(0);
  TrackBarResolution->setTickPosition(QSlider::TicksBothSides);
  resolutionRow->addWidget(new QLabel(QStringLiteral("Low"), resolution));
  resolutionRow->addWidget(TrackBarResolution);
  resolutionRow->addWidget(new QLabel(QStringLiteral("High"), resolution));
  layout->addWidget(resolution);
  layout->addStretch(1);
  return page;
}

void TFormSetting::FormCreate(const QStringList& arguments) {
  if (FormGL && FormGL->MakeCurrent()) {
    BuildFontLists(LabelTimeFont->font(), TimeFontListBase);
    BuildFontLists(LabelFreqFont->font(), FreqFontListBase);
  }
  if (FormMolecules) FormMolecules->OpenCommandLineFile(arguments);
}

void TFormSetting::FormShow() { LoadSettings(); }

void TFormSetting::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TFormSetting::reject() {
  LabelTimeFont->setFont(shownTimeFont_);
  LabelTimeFont->setText(shownTimeCaption_);
  LabelFreqFont->setFont(shownFreqFont_);
  LabelFreqFont->setText(shownFreqCaption_);
  QDialog::reject();
}
