// Construction of the console window: its components, menus and the binding
// of their events to the handlers.
#include "UnitMolecules.h"

#include <algorithm>

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "SpeedButtonGlyphs.h"
#include "platform/Numbers.h"
#include "platform/ui/Chart.h"
#include "platform/ui/FormFont.h"
#include "platform/ui/ListView.h"
#include "platform/ui/PanelButton.h"
#include "platform/ui/StringGrid.h"

TFormMolecules* FormMolecules = nullptr;

namespace {

// The designed width of `column`, or what the list's face needs for its
// caption or for `widest`, the widest text it holds.
int FittedWidth(const ListView* list, int column, const QString& widest) {
  const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
  const int text = list->fontMetrics().horizontalAdvance(widest) + 2 * margin;
  return std::max({list->columnWidth(column), text, list->header()->sectionSizeHint(column)});
}

QLabel* BoldLabel(const QString& caption, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  return label;
}

}  // namespace

TFormMolecules::TFormMolecules(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("Quivera Console"));
  setGeometry(3, 0, 370, 475);
  setFont(FormFont(font()));

  BuildActions();
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  BuildAnimationPanel();
  layout->addWidget(PanelAnimation);

  PanelMolecules = new QWidget(central);
  auto* listLayout = new QVBoxLayout(PanelMolecules);
  listLayout->setContentsMargins(0, 0, 0, 0);
  listLayout->setSpacing(0);
  PanelMoleculesLabel = new QFrame(PanelMolecules);
  PanelMoleculesLabel->setFrameShape(QFrame::Panel);
  PanelMoleculesLabel->setFrameShadow(QFrame::Raised);
  auto* labelLayout = new QHBoxLayout(PanelMoleculesLabel);
  labelLayout->setContentsMargins(4, 2, 4, 2);
  LabelMolecules = BoldLabel(QStringLiteral("Molecules"), PanelMoleculesLabel);
  labelLayout->addWidget(LabelMolecules);
  listLayout->addWidget(PanelMoleculesLabel);
  ListViewMolecules = new ListView(PanelMolecules);
  ListViewMolecules->SetColumns({{QStringLiteral("index"), 45},
                                 {QStringLiteral("Name"), ListView::AutoSize},
                                 {QStringLiteral("FileName"), ListView::AutoSize}});
  listLayout->addWidget(ListViewMolecules);
  PopupMenuListViewMolecules = new QMenu(this);

  PageControlSelected = new QTabWidget(central);
  PageControlSelected->setUsesScrollButtons(false);
  TabSheetInfo = BuildInfoTab();
  TabSheetBonds = BuildBondsTab();
  TabSheetNormalModes = BuildNormalModesTab();
  PageControlSelected->addTab(TabSheetInfo, QStringLiteral("Information"));
  PageControlSelected->addTab(TabSheetBonds, QStringLiteral("Bonds"));
  PageControlSelected->addTab(TabSheetNormalModes, QStringLiteral("NormalModes"));
  PageControlSelected->setCurrentWidget(TabSheetInfo);
  // The mode list's columns grow where the console's face (in effect now that
  // the tabs have their place) needs it for the captions and for values below
  // 10000 in the "0.0000" picture.
  for (int column = 1; column <= 4; ++column) {
    const QString widest = column == 1 ? QString() : QStringLiteral("0000.0000");
    ListViewNormalModes->setColumnWidth(column, FittedWidth(ListViewNormalModes, column, widest));
  }

  SplitterTop = new QSplitter(Qt::Vertical, central);
  SplitterTop->setChildrenCollapsible(false);
  SplitterTop->addWidget(PanelMolecules);
  SplitterTop->addWidget(PageControlSelected);
  SplitterTop->setStretchFactor(0, 1);
  SplitterTop->setStretchFactor(1, 0);
  SplitterTop->setSizes({475 - 258, 258});
  layout->addWidget(SplitterTop, 1);
  setCentralWidget(central);

  // Data defaults and what the edits show of them.
  EditNormalModeArrowMagnitude->setText(QString::fromStdString(FormatFloat("0.##", ModeArrowMagnitude)));
  EditNormalModeArrowRadius->setText(QString::fromStdString(FormatFloat("0.##", ModeArrowRadius)));
  CheckBoxNormalModeArrow->setChecked(ShowModeArrows);
  ConnectHandlers();
}

TFormMolecules::~TFormMolecules() = default;

void TFormMolecules::BuildActions() {
  auto action = [this](const QString& caption, const QString& category, const QKeySequence& shortcut = {}) {
    auto* a = new QAction(caption, this);
    a->setData(category);  // the category is only a note
    a->setShortcut(shortcut);
    addAction(a);
    return a;
  };
  const QString file = QStringLiteral("ファイル");
  const QString view = QStringLiteral("表示");
  ActionNewMolecule = action(QStringLiteral("新規作成 (&N)"), file, QKeySequence(QStringLiteral("Ctrl+N")));
  ActionOpenMolecule = action(QStringLiteral("分子データを開く (&O)"), file, QKeySequence(QStringLiteral("Ctrl+O")));
  ActionSaveMolecule =
      action(QStringLiteral("選択中のデータを上書き保存 (&S)"), file, QKeySequence(QStringLiteral("Ctrl+S")));
  ActionSaveMoleculeAs =
      action(QStringLiteral("選択中のデータに名前をつけて保存 (&S)"), file, QKeySequence(QStringLiteral("Ctrl+Alt+S")));
  ActionExit = action(QStringLiteral("終了 (&X)"), file, QKeySequence(QStringLiteral("Ctrl+Q")));
  HelpAbout = action(QStringLiteral("Quiveraについて (&Z)"), QStringLiteral("ヘルプ"));
  ShowFormGL = action(QStringLiteral("３Ｄウィンドウ"), view);
  ShowFormMoleculeEdit = action(QStringLiteral("エディタ・インスペクタ"), view);
  ShowSetting = action(QStringLiteral("環境設定"), view);
  ActionSaveFreqResult = action(QStringLiteral("振動計算結果を保存"), file);
  ActionExportModel = action(QStringLiteral("表示中のモデルの書き出し"), file);
  ShowFormGL->setCheckable(true);
  ShowFormGL->setChecked(true);
  ShowFormMoleculeEdit->setCheckable(true);
  ShowFormMoleculeEdit->setChecked(true);

  MenuTitleFile = menuBar()->addMenu(QStringLiteral("ファイル (&F)"));
  MenuTitleFile->addActions({ActionNewMolecule, ActionOpenMolecule, ActionSaveMolecule, ActionSaveMoleculeAs,
                             ActionExportModel, ActionExit});
  MenuTitleFileWindow = menuBar()->addMenu(QStringLiteral("表示 (&S)"));
  MenuTitleFileWindow->addActions({ShowFormGL, ShowFormMoleculeEdit});
  MenuTitleFileWindow->addSeparator();
  MenuTitleFileWindow->addAction(ShowSetting);
  MenuTitleHelp = menuBar()->addMenu(QStringLiteral("ヘルプ (&H)"));
  MenuTitleHelp->addAction(HelpAbout);
}

void TFormMolecules::BuildAnimationPanel() {
  PanelAnimation = new QFrame(this);
  PanelAnimation->setFrameShape(QFrame::Panel);
  PanelAnimation->setFrameShadow(QFrame::Raised);
  PanelAnimation->setFixedHeight(35);
  auto* row = new QHBoxLayout(PanelAnimation);
  row->setContentsMargins(4, 2, 4, 2);
  row->setSpacing(1);
  CheckBoxAnimation = new QCheckBox(QStringLiteral("Animation"), PanelAnimation);
  QFont bold = CheckBoxAnimation->font();
  bold.setBold(true);
  CheckBoxAnimation->setFont(bold);
  CheckBoxAnimation->setChecked(true);
  row->addWidget(CheckBoxAnimation);
  row->addSpacing(6);
  auto button = [this, row](SpeedGlyph glyph, const QString& hint) {
    auto* b = new QToolButton(PanelAnimation);
    b->setFixedSize(26, 26);
    b->setIcon(SpeedButtonIcon(glyph));
    b->setToolTip(hint);
    b->setAutoRaise(false);
    row->addWidget(b);
    return b;
  };
  SpeedButtonGoTop = button(SpeedGlyph::GoTop, QStringLiteral("Go Top"));
  SpeedButtonFastReverse = button(SpeedGlyph::FastReverse, QStringLiteral("Fast Reverse"));
  SpeedButtonReverse1Frame = button(SpeedGlyph::Reverse1Frame, QStringLiteral("Reverse 1 Frame"));
  SpeedButtonReversePlay = button(SpeedGlyph::ReversePlay, QStringLiteral("Reverse Play"));
  SpeedButtonStop = button(SpeedGlyph::Stop, QStringLiteral("Stop"));
  SpeedButtonPlay = button(SpeedGlyph::Play, QStringLiteral("Play"));
  SpeedButtonForward1Frame = button(SpeedGlyph::Forward1Frame, QStringLiteral("Forward 1 Frame"));
  SpeedButtonFastForward = button(SpeedGlyph::FastForward, QStringLiteral("Fast Forward"));
  SpeedButtonGoEnd = button(SpeedGlyph::GoEnd, QStringLiteral("Go End"));
  row->addStretch(1);
  PanelAnimation->hide();
}

QWidget* TFormMolecules::BuildInfoTab() {
  auto* tab = new QWidget();
  auto* tabLayout = new QVBoxLayout(tab);
  tabLayout->setContentsMargins(0, 0, 0, 0);
  PanelInfo = new QWidget(tab);
  tabLayout->addWidget(PanelInfo);
  auto* grid = new QGridLayout(PanelInfo);
  grid->setContentsMargins(6, 6, 6, 6);
  grid->setVerticalSpacing(4);
  LabelNameMolecule = new QLabel(QStringLiteral("Name"), PanelInfo);
  EditNameMolecule = new QLineEdit(PanelInfo);
  LabelModelType = new QLabel(QStringLiteral("ModelType"), PanelInfo);
  ComboBoxModelType = new QComboBox(PanelInfo);
  ComboBoxModelType->setEditable(true);
  ComboBoxModelType->setInsertPolicy(QComboBox::NoInsert);
  ComboBoxModelType->addItems({QStringLiteral("Ball and Stick"), QStringLiteral("Ball and Colored Stick"),
                               QStringLiteral("Space Filling"), QStringLiteral("Colored Sticks"),
                               QStringLiteral("Sticks"), QStringLiteral("Colored Wire"), QStringLiteral("Wire")});
  ComboBoxModelType->setEditText(QString());
  CheckBoxShowMolecule = new QCheckBox(QStringLiteral("Show Molecule"), PanelInfo);
  LabelPosition = new QLabel(QStringLiteral("Position"), PanelInfo);
  StringGridPosition = new StringGrid(3, 2, 0, 1, PanelInfo);
  StringGridPosition->SetCell(0, 0, QStringLiteral("X"));
  StringGridPosition->SetCell(1, 0, QStringLiteral("Y"));
  StringGridPosition->SetCell(2, 0, QStringLiteral("Z"));
  for (int c = 0; c < 3; ++c) StringGridPosition->SetColWidth(c, 86);
  StringGridPosition->setFixedHeight(2 * StringGridPosition->rowHeight(1) + 4);
  CheckBoxShowDummyAtoms = new QCheckBox(QStringLiteral("Show Dummy Atoms"), PanelInfo);
  CheckBoxShowDetail = new QCheckBox(QStringLiteral("Show Detail"), PanelInfo);
  LabelRotMatrix = new QLabel(QStringLiteral("Rotation/Translation Matrix"), PanelInfo);
  StringGridRotMatrix = new StringGrid(5, 5, 1, 1, PanelInfo);
  for (int i = 0; i < 4; ++i) {
    StringGridRotMatrix->SetCell(i + 1, 0, QStringLiteral("[][%1]").arg(i));
    StringGridRotMatrix->SetCell(0, i + 1, QStringLiteral("[%1][]").arg(i));
  }
  StringGridRotMatrix->SetColWidth(0, 48);
  for (int c = 1; c < 5; ++c) StringGridRotMatrix->SetColWidth(c, 65);
  StringGridRotMatrix->setFixedHeight(5 * StringGridRotMatrix->rowHeight(1) + 4);
  LabelRotMatrix->hide();
  StringGridRotMatrix->hide();

  grid->addWidget(LabelNameMolecule, 0, 0);
  grid->addWidget(EditNameMolecule, 0, 1);
  grid->addWidget(LabelModelType, 1, 0);
  grid->addWidget(ComboBoxModelType, 1, 1);
  grid->addWidget(CheckBoxShowMolecule, 2, 0, 1, 2);
  grid->addWidget(LabelPosition, 3, 0, 1, 2);
  grid->addWidget(StringGridPosition, 4, 0, 1, 2);
  grid->addWidget(CheckBoxShowDummyAtoms, 5, 0, 1, 2);
  grid->addWidget(CheckBoxShowDetail, 6, 0, 1, 2);
  grid->addWidget(LabelRotMatrix, 7, 0, 1, 2);
  grid->addWidget(StringGridRotMatrix, 8, 0, 1, 2);
  grid->setRowStretch(9, 1);
  grid->setColumnStretch(1, 1);
  return tab;
}

QWidget* TFormMolecules::BuildBondsTab() {
  auto* tab = new QWidget();
  auto* tabLayout = new QVBoxLayout(tab);
  tabLayout->setContentsMargins(0, 0, 0, 0);
  tabLayout->setSpacing(0);
  PanelBond = new QWidget(tab);
  auto* row = new QHBoxLayout(PanelBond);
  row->setContentsMargins(6, 4, 6, 4);
  Label1 = new QLabel(QStringLiteral("結合の色"), PanelBond);
  PanelBondColor = new PanelButton(QString(), PanelBond);
  PanelBondColor->setFixedSize(16, 16);
  LabelBondRadius = new QLabel(QStringLiteral("結合の半径"), PanelBond);
  EditBondRadius = new QLineEdit(PanelBond);
  EditBondRadius->setMaximumWidth(60);
  row->addWidget(Label1);
  row->addWidget(PanelBondColor);
  row->addSpacing(12);
  row->addWidget(LabelBondRadius);
  row->addWidget(EditBondRadius);
  row->addStretch(1);
  tabLayout->addWidget(PanelBond);
  ListViewBonds = new ListView(tab);
  ListViewBonds->SetColumns({{QStringLiteral("index"), 40},
                             {QStringLiteral("From"), ListView::AutoSize},
                             {QStringLiteral("To"), ListView::AutoSize}});
  ListViewBonds->setContextMenuPolicy(Qt::CustomContextMenu);
  PopupMenuBonds = new QMenu(ListViewBonds);
  PoupItemDeleteSelectedBond = PopupMenuBonds->addAction(QStringLiteral("選択した結合を消去"));
  tabLayout->addWidget(ListViewBonds, 1);
  PanelBondAutoButton = new PanelButton(QStringLiteral("Auto Bond Construction"), tab);
  PanelBondAutoButton->setFixedHeight(28);
  tabLayout->addWidget(PanelBondAutoButton);
  return tab;
}

QWidget* TFormMolecules::BuildNormalModesTab() {
  auto* tab = new QWidget();
  auto* tabLayout = new QVBoxLayout(tab);
  tabLayout->setContentsMargins(2, 2, 2, 2);
  tabLayout->setSpacing(2);

  SplitterNormalModes = new QSplitter(Qt::Horizontal, tab);
  SplitterNormalModes->setChildrenCollapsible(false);
  PanelNormalModesValues = new QWidget(SplitterNormalModes);
  auto* listLayout = new QVBoxLayout(PanelNormalModesValues);
  listLayout->setContentsMargins(0, 0, 0, 0);
  ListViewNormalModes = new ListView(PanelNormalModesValues);
  ListViewNormalModes->SetColumns({{QStringLiteral("mode"), 45},
                                   {QStringLiteral("Symmetry"), 45},
                                   {QStringLiteral("Applied Freq."), 85},
                                   {QStringLiteral("IR Inten."), 60},
                                   {QStringLiteral("Raman Activ."), 60}});
  listLayout->addWidget(ListViewNormalModes);
  ChartNormalModes = new Chart(SplitterNormalModes);
  ChartNormalModes->SetBottomAxis(QStringLiteral("wavenumber"), 0.0, 4500.0, true);
  ChartNormalModes->SetMinorTicks(9);
  ChartNormalModes->SetBarWidthPercent(2.0);
  ChartNormalModes->SetLineColor(QColor(0, 128, 64));
  ChartNormalModes->setMinimumWidth(60);
  SplitterNormalModes->addWidget(PanelNormalModesValues);
  SplitterNormalModes->addWidget(ChartNormalModes);
  tabLayout->addWidget(SplitterNormalModes, 1);

  PopupMenuChartNM = new QMenu(ChartNormalModes);
  PoupItemUndoZoom = PopupMenuChartNM->addAction(QStringLiteral("ズームを初期設定に戻す"));
  PoupItemLoadSpectrum = PopupMenuChartNM->addAction(QStringLiteral("スペクトルデータ読み込み"));
  PoupItemClearSpectrum = PopupMenuChartNM->addAction(QStringLiteral("スペクトルデータ消去"));
  PoupItemSaveFreqAsText = ActionSaveFreqResult;
  PopupMenuChartNM->addAction(PoupItemSaveFreqAsText);
  ChartNormalModes->SetPopupMenu(PopupMenuChartNM);

  auto* values = new QGridLayout();
  values->setHorizontalSpacing(4);
  values->setVerticalSpacing(2);
  RadioButtonIRInten = new QRadioButton(QStringLiteral("IR Inten."), tab);
  RadioButtonIRInten->setChecked(true);
  RadioButtonRamanActiv = new QRadioButton(QStringLiteral("Raman Activ."), tab);
  CheckBoxNMSelectedAnimation = new QCheckBox(QStringLiteral("振動のアニメーション"), tab);
  LabelNMMagnitude = new QLabel(QStringLiteral("×"), tab);
  EditNMMagnitude = new QLineEdit(tab);
  LabelScalingFactor = new QLabel(QStringLiteral("Scaling Factor"), tab);
  EditScalingFactor = new QLineEdit(tab);
  CheckBoxNormalModeArrow = new QCheckBox(QStringLiteral("矢印を表示"), tab);
  LabelNormalModeArrowMagnitude = new QLabel(QStringLiteral("長さ×"), tab);
  EditNormalModeArrowMagnitude = new QLineEdit(tab);
  LabelNormalModeArrowRadius = new QLabel(QStringLiteral("太さ×"), tab);
  EditNormalModeArrowRadius = new QLineEdit(tab);
  for (QLineEdit* edit : {EditNMMagnitude, EditScalingFactor, EditNormalModeArrowMagnitude, EditNormalModeArrowRadius}) {
    edit->setMaximumWidth(56);
  }
  values->addWidget(RadioButtonIRInten, 0, 0);
  values->addWidget(RadioButtonRamanActiv, 0, 1);
  values->addWidget(LabelScalingFactor, 0, 2);
  values->addWidget(EditScalingFactor, 0, 3);
  values->addWidget(CheckBoxNMSelectedAnimation, 1, 0, 1, 2);
  values->addWidget(LabelNMMagnitude, 1, 2, Qt::AlignRight);
  values->addWidget(EditNMMagnitude, 1, 3);
  values->addWidget(CheckBoxNormalModeArrow, 2, 0);
  auto* arrows = new QHBoxLayout();
  arrows->addWidget(LabelNormalModeArrowMagnitude);
  arrows->addWidget(EditNormalModeArrowMagnitude);
  arrows->addWidget(LabelNormalModeArrowRadius);
  arrows->addWidget(EditNormalModeArrowRadius);
  values->addLayout(arrows, 2, 1, 1, 3);
  tabLayout->addLayout(values);
  return tab;
}

void TFormMolecules::ConnectHandlers() {
  connect(ActionNewMolecule, &QAction::triggered, this, &TFormMolecules::ActionNewMoleculeExecute);
  connect(ActionOpenMolecule, &QAction::triggered, this, &TFormMolecules::ActionOpenMoleculeExecute);
  connect(ActionSaveMolecule, &QAction::triggered, this, &TFormMolecules::ActionSaveMoleculeExecute);
  connect(ActionSaveMoleculeAs, &QAction::triggered, this, &TFormMolecules::ActionSaveMoleculeAsExecute);
  connect(ActionExit, &QAction::triggered, this, &TFormMolecules::ActionExitExecute);
  connect(HelpAbout, &QAction::triggered, this, &TFormMolecules::HelpAboutExecute);
  connect(ShowFormGL, &QAction::triggered, this, &TFormMolecules::ShowFormGLExecute);
  connect(ShowFormMoleculeEdit, &QAction::triggered, this, &TFormMolecules::ShowFormMoleculeEditExecute);
  connect(ShowSetting, &QAction::triggered, this, &TFormMolecules::ShowSettingExecute);
  connect(ActionSaveFreqResult, &QAction::triggered, this, &TFormMolecules::ActionSaveFreqResultExecute);

  connect(ListViewMolecules, &ListView::selectItem, this, &TFormMolecules::ListViewMoleculesSelectItem);
  connect(ListViewMolecules, &ListView::dblClick, this, &TFormMolecules::ListViewMoleculesDblClick);
  connect(CheckBoxShowDetail, &QCheckBox::toggled, this, &TFormMolecules::CheckBoxShowDetailClick);
  connect(EditNameMolecule, &QLineEdit::textChanged, this, &TFormMolecules::EditNameMoleculeChange);
  connect(ComboBoxModelType->lineEdit(), &QLineEdit::textEdited, this, &TFormMolecules::ComboBoxModelTypeChange);
  connect(ComboBoxModelType, &QComboBox::activated, this, &TFormMolecules::ComboBoxModelTypeChange);
  connect(CheckBoxShowMolecule, &QCheckBox::toggled, this, &TFormMolecules::CheckBoxShowMoleculeClick);
  connect(StringGridPosition, &StringGrid::setEditText, this, &TFormMolecules::StringGridPositionSetEditText);
  connect(StringGridRotMatrix, &StringGrid::setEditText, this, &TFormMolecules::StringGridRotMatrixSetEditText);
  connect(CheckBoxShowDummyAtoms, &QCheckBox::toggled, this, &TFormMolecules::CheckBoxShowDummyAtomsClick);

  connect(PanelBondAutoButton, &PanelButton::released, this, &TFormMolecules::PanelBondAutoButtonMouseUp);
  connect(PanelBondColor, &PanelButton::released, this, &TFormMolecules::PanelBondColorMouseUp);
  connect(EditBondRadius, &QLineEdit::textChanged, this, &TFormMolecules::EditBondRadiusChange);
  connect(PoupItemDeleteSelectedBond, &QAction::triggered, this, &TFormMolecules::PoupItemDeleteSelectedBondClick);
  connect(ListViewBonds, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { PopupMenuBonds->popup(ListViewBonds->viewport()->mapToGlobal(at)); });

  connect(ListViewNormalModes, &ListView::selectItem, this, &TFormMolecules::ListViewNormalModesSelectItem);
  connect(ListViewNormalModes, &ListView::dblClick, this, &TFormMolecules::ListViewNormalModesDblClick);
  connect(CheckBoxNMSelectedAnimation, &QCheckBox::toggled, this, &TFormMolecules::CheckBoxNMSelectedAnimationClick);
  connect(EditScalingFactor, &QLineEdit::textChanged, this, &TFormMolecules::EditScalingFactorChange);
  connect(EditScalingFactor, &QLineEdit::editingFinished, this, &TFormMolecules::EditScalingFactorExit);
  connect(EditNMMagnitude, &QLineEdit::textChanged, this, &TFormMolecules::EditNMMagnitudeChange);
  connect(EditNormalModeArrowMagnitude, &QLineEdit::textChanged, this,
          &TFormMolecules::EditNormalModeArrowMagnitudeChange);
  connect(EditNormalModeArrowRadius, &QLineEdit::textChanged, this, &TFormMolecules::EditNormalModeArrowRadiusChange);
  connect(CheckBoxNormalModeArrow, &QCheckBox::toggled, this, &TFormMolecules::CheckBoxNormalModeArrowClick);
  connect(RadioButtonIRInten, &QRadioButton::clicked, this, &TFormMolecules::RadioButtonIRIntenClick);
  connect(RadioButtonRamanActiv, &QRadioButton::clicked, this, &TFormMolecules::RadioButtonRamanActivClick);
  connect(PoupItemUndoZoom, &QAction::triggered, this, &TFormMolecules::PoupItemUndoZoomClick);
  connect(PoupItemLoadSpectrum, &QAction::triggered, this, &TFormMolecules::PoupItemLoadSpectrumClick);
  connect(PoupItemClearSpectrum, &QAction::triggered, this, &TFormMolecules::PoupItemClearSpectrumClick);

  connect(CheckBoxAnimation, &QCheckBox::toggled, this, &TFormMolecules::CheckBoxAnimationClick);
  connect(SpeedButtonGoTop, &QToolButton::clicked, this, &TFormMolecules::SpeedButtonGoTopClick);
  connect(SpeedButtonFastReverse, &QToolButton::clicked, this, &TFormMolecules::SpeedButtonFastReverseClick);
  connect(SpeedButtonReverse1Frame, &QToolButton::clicked, this, &TFormMolecules::SpeedButtonReverse1FrameClick);
  connect(SpeedButtonReversePlay, &QToolButton::clicked, this, &TFormMolecules::SpeedButtonReversePlayClick);
  connect(SpeedButtonStop, &QToolButton::clicked, this, &TFormMolecules::SpeedButtonStopClick);
  connect(SpeedButtonPlay, &QToolButton::clicked, this, &TFormMolecules::SpeedButtonPlayClick);
  connect(SpeedButtonForward1Frame, &QToolButton::clicked, this, &TFormMolecules::SpeedButtonForward1FrameClick);
  connect(SpeedButtonFastForward, &QToolButton::clicked, this, &TFormMolecules::SpeedButtonFastForwardClick);
  connect(SpeedButtonGoEnd, &QToolButton::clicked, this, &TFormMolecules::SpeedButtonGoEndClick);

  PanelMolecules->installEventFilter(this);
  PanelNormalModesValues->installEventFilter(this);
}

bool TFormMolecules::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize) {
    if (watched == PanelMolecules) PanelMoleculesResize();
    if (watched == PanelNormalModesValues) PanelNormalModesValuesResize();
  }
  return QMainWindow::eventFilter(watched, event);
}

void TFormMolecules::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  // The console is the main window: closing it ends the program, whatever
  // other windows are still open.
  if (event->isAccepted()) QCoreApplication::quit();
}
