#include "UnitMoleculeEdit.h"

#include <algorithm>
#include <initializer_list>

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "console/UnitMolecules.h"
#include "platform/ui/FormFont.h"
#include "platform/ui/PlainTextEdit.h"
#include "platform/ui/StringGrid.h"

TFormMoleculeEdit* FormMoleculeEdit = nullptr;

namespace {

constexpr int kRowHeight = 18;
constexpr char kCaption[] = "Quivera Editor";

QVBoxLayout* Column(QWidget* owner) {
  auto* layout = new QVBoxLayout(owner);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  return layout;
}

QLabel* Caption(const QString& text, QWidget* owner) {
  auto* label = new QLabel(text, owner);
  QFont font = label->font();
  font.setPixelSize(13);
  label->setFont(font);
  return label;
}

StringGrid* Grid(int columns, int fixedColumns, std::initializer_list<const char*> headings, QWidget* owner) {
  auto* grid = new StringGrid(columns, 2, fixedColumns, 1, owner);
  grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
  int column = 0;
  for (const char* heading : headings) grid->SetCell(column++, 0, QString::fromUtf8(heading));
  return grid;
}

}  // namespace

TFormMoleculeEdit::TFormMoleculeEdit(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QLatin1String(kCaption));
  resize(490, 315);
  // The console's face at the designed 12 pixels, for the form and its grids.
  QFont formFont = FormFont(font());
  formFont.setPixelSize(12);
  setFont(formFont);
  setAttribute(Qt::WA_QuitOnClose, false);
  PageControl = new QTabWidget(this);
  setCentralWidget(PageControl);
  StatusBar1 = statusBar();

  // Cartesian page: the atoms above, the normal modes and a mode's
  // displacements below.
  TabSheetCartesianData = new QWidget();
  QVBoxLayout* cartesian = Column(TabSheetCartesianData);
  LabelAtomsCartesian = Caption(QStringLiteral("Cartesian Coordinate Atoms"), TabSheetCartesianData);
  cartesian->addWidget(LabelAtomsCartesian);
  SplitterNormalMode = new QSplitter(Qt::Vertical, TabSheetCartesianData);
  SplitterNormalMode->setHandleWidth(3);
  cartesian->addWidget(SplitterNormalMode, 1);
  StringGridCartesianData = Grid(6, 1, {"atom", "atomic number", "ID", "X", "Y", "Z"}, SplitterNormalMode);
  PanelNormalModes = new QWidget(SplitterNormalMode);
  SplitterNormalModeDisplacements = new QSplitter(Qt::Horizontal, PanelNormalModes);
  SplitterNormalModeDisplacements->setHandleWidth(3);
  Column(PanelNormalModes)->addWidget(SplitterNormalModeDisplacements);
  PanelEachNormalModes = new QWidget(SplitterNormalModeDisplacements);
  QVBoxLayout* modes = Column(PanelEachNormalModes);
  LabelNormalModes = Caption(QStringLiteral("NormalModes"), PanelEachNormalModes);
  StringGridNormalModes = Grid(8, 0,
                               {"mode", "Symmetry", "Frequencies", "Red. masses", "Frc.consts", "IR Inten",
                                "Raman Activ", "Depolar"},
                               PanelEachNormalModes);
  modes->addWidget(LabelNormalModes);
  modes->addWidget(StringGridNormalModes, 1);
  PanelNormalModeDisplacements = new QWidget(SplitterNormalModeDisplacements);
  QVBoxLayout* displacements = Column(PanelNormalModeDisplacements);
  LabelNormalModeDisplacements = new QLabel(QStringLiteral("Mode "), PanelNormalModeDisplacements);
  StringGridNormalModeDisplacements = Grid(4, 0, {"atom", "X", "Y", "Z"}, PanelNormalModeDisplacements);
  displacements->addWidget(LabelNormalModeDisplacements);
  displacements->addWidget(StringGridNormalModeDisplacements, 1);
  SplitterNormalModeDisplacements->setStretchFactor(0, 1);
  SplitterNormalModeDisplacements->setStretchFactor(1, 0);
  SplitterNormalModeDisplacements->setSizes({490 - 185, 185});
  SplitterNormalMode->setStretchFactor(0, 1);
  SplitterNormalMode->setStretchFactor(1, 0);
  SplitterNormalMode->setSizes({150, 111});
  for (StringGrid* shown : {StringGridNormalModes, StringGridNormalModeDisplacements}) {
    shown->setEditTriggers(QAbstractItemView::NoEditTriggers);
  }

  // Z-matrix page: the atoms on the left, the variables on the right.
  TabSheetZMatrixData = new QWidget();
  SplitterZMatrix = new QSplitter(Qt::Horizontal, TabSheetZMatrixData);
  SplitterZMatrix->setHandleWidth(3);
  Column(TabSheetZMatrixData)->addWidget(SplitterZMatrix);
  PanelZMatrix = new QWidget(SplitterZMatrix);
  QVBoxLayout* zmatrix = Column(PanelZMatrix);
  LabelAtomsZMatrix = Caption(QStringLiteral("Z-Matrix Coordinate Atoms"), PanelZMatrix);
  StringGridZMatrixData = Grid(9, 1,
                               {"atom", "atomic number", "ID", "connect", "distance", "angle", "angle data",
                                "dihedral", "dihedral data"},
                               PanelZMatrix);
  zmatrix->addWidget(LabelAtomsZMatrix);
  zmatrix->addWidget(StringGridZMatrixData, 1);
  PanelVariables = new QWidget(SplitterZMatrix);
  QVBoxLayout* variables = Column(PanelVariables);
  LabelVariables = Caption(QStringLiteral("Variables"), PanelVariables);
  StringGridZMatrixVariables = Grid(2, 0, {"Variable", "Value"}, PanelVariables);
  variables->addWidget(LabelVariables);
  variables->addWidget(StringGridZMatrixVariables, 1);
  SplitterZMatrix->setStretchFactor(0, 1);
  SplitterZMatrix->setStretchFactor(1, 0);
  SplitterZMatrix->setSizes({490 - 110, 110});

  // File page: the type and the import button above the text.
  TabSheetFile = new QWidget();
  QVBoxLayout* file = Column(TabSheetFile);
  PanelFileType = new QWidget(TabSheetFile);
  PanelFileType->setFixedHeight(25);
  auto* controls = new QHBoxLayout(PanelFileType);
  controls->setContentsMargins(2, 0, 2, 0);
  LabelFileType = new QLabel(QStringLiteral("Format Type"), PanelFileType);
  QFont bold = LabelFileType->font();
  bold.setBold(true);
  LabelFileType->setFont(bold);
  ComboBoxFileType = new QComboBox(PanelFileType);
  ComboBoxFileType->setEditable(true);
  ComboBoxFileType->setFixedWidth(200);
  ComboBoxFileType->addItems({QStringLiteral("Gaussian Input"), QStringLiteral("Gaussian Output (Last Orientation Only)"),
                              QStringLiteral("MOPAC Input"), QStringLiteral("TINKER XYZ")});
  ComboBoxFileType->setEditText(QStringLiteral("Select File Type"));
  ButtonImportData = new QPushButton(QStringLiteral("Apply below data as this format"), PanelFileType);
  // At least the designed 180 pixels, wider where the font needs it: the caption must not be clipped.
  ButtonImportData->setFixedSize(std::max(180, ButtonImportData->sizeHint().width()), 22);
  controls->addWidget(LabelFileType);
  controls->addWidget(ComboBoxFileType);
  controls->addWidget(ButtonImportData);
  controls->addStretch(1);
  file->addWidget(PanelFileType);
  RichEditFileData = new PlainTextEdit(TabSheetFile);
  RichEditFileData->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setPixelSize(13);
  RichEditFileData->setFont(fixed);
  RichEditFileData->setContextMenuPolicy(Qt::NoContextMenu);  // its popup menu is empty
  file->addWidget(RichEditFileData, 1);
  for (QWidget* control : {static_cast<QWidget*>(LabelFileType), static_cast<QWidget*>(ComboBoxFileType),
                           static_cast<QWidget*>(ButtonImportData), static_cast<QWidget*>(RichEditFileData)}) {
    control->setEnabled(false);
  }

  PageControl->addTab(TabSheetCartesianData, QStringLiteral("Cartesian Coordinate"));
  PageControl->addTab(TabSheetZMatrixData, QStringLiteral("Z-Matrix Coordinate"));
  PageControl->addTab(TabSheetFile, QStringLiteral("Edit View"));
  PageControl->setCurrentWidget(TabSheetCartesianData);

  // Column widths as designed, or as the texts need; the value columns
  // follow the grids' widths.
  FitAllColumns();
  for (StringGrid* grid : {StringGridCartesianData, StringGridZMatrixData, StringGridNormalModes,
                           StringGridZMatrixVariables, StringGridNormalModeDisplacements}) {
    grid->installEventFilter(this);
  }
  RichEditFileData->installEventFilter(this);

  FileConvertToGJF = new QAction(QStringLiteral("Gaussian 入力ファイルに変換"), this);
  CoordinateConvertToXYZ = new QAction(QStringLiteral("Cartesian座標に変換"), this);
  FileConvertToGJF->setEnabled(false);
  CoordinateConvertToXYZ->setEnabled(false);
  QMenu* fileMenu = menuBar()->addMenu(QStringLiteral("ファイル (&F)"));
  if (FormMolecules) {
    fileMenu->addActions({FormMolecules->ActionNewMolecule, FormMolecules->ActionOpenMolecule,
                          FormMolecules->ActionSaveMolecule, FormMolecules->ActionSaveMoleculeAs});
    fileMenu->addSeparator();
    fileMenu->addAction(FormMolecules->ActionExit);
  }
  menuBar()->addMenu(QStringLiteral("ファイル形式変換 (&F)"))->addAction(FileConvertToGJF);
  menuBar()->addMenu(QStringLiteral("座標形式変換 (&C)"))->addAction(CoordinateConvertToXYZ);
  QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ (&H)"));
  if (FormMolecules) help->addAction(FormMolecules->HelpAbout);

  // The conversion to a Gaussian input replaces the copy without refilling
  // the grids: an open cell edit ends first.
  connect(FileConvertToGJF, &QAction::triggered, this, &TFormMoleculeEdit::EndCellEdits);
  connect(FileConvertToGJF, &QAction::triggered, this, &TFormMoleculeEdit::FileConvertToGJFExecute);
  connect(CoordinateConvertToXYZ, &QAction::triggered, this, &TFormMoleculeEdit::CoordinateConvertToXYZExecute);
  connect(ButtonImportData, &QPushButton::clicked, this, &TFormMoleculeEdit::ButtonImportDataClick);
  connect(PageControl, &QTabWidget::currentChanged, this, [this] {
    if (PageControl->currentWidget() == TabSheetFile) TabSheetFileShow();
  });
  // Keys move the current cell; a click selects a cell even when it is the
  // current one already (its mode may not be the one shown since a refill).
  connect(StringGridNormalModes, &QTableWidget::currentCellChanged, this,
          [this](int row, int column) { StringGridNormalModesSelectCell(column, row); });
  connect(StringGridNormalModes, &QTableWidget::cellPressed, this,
          [this](int row, int column) { StringGridNormalModesSelectCell(column, row); });
  connect(StringGridCartesianData, &StringGrid::setEditText, this,
          &TFormMoleculeEdit::StringGridCartesianDataSetEditText);
  connect(StringGridZMatrixData, &StringGrid::setEditText, this, &TFormMoleculeEdit::StringGridZMatrixDataSetEditText);
  connect(StringGridZMatrixVariables, &StringGrid::setEditText, this,
          &TFormMoleculeEdit::StringGridZMatrixVariablesSetEditText);
  // A refused number puts back the copy as it stood when its edit began.
  for (StringGrid* grid : {StringGridCartesianData, StringGridZMatrixData, StringGridZMatrixVariables}) {
    connect(grid, &StringGrid::editBegun, this, [this] { beforeEdit_.reset(); });
  }
  // A typed text, as its handler left it, may be wider than its column. Only
  // that cell is measured: measuring every row made each key of a big
  // molecule take seconds. The handlers widen the columns of the other cells
  // they write themselves.
  for (StringGrid* grid : {StringGridCartesianData, StringGridZMatrixData}) {
    connect(grid, &StringGrid::setEditText, grid, &StringGrid::WidenToCell);
  }
  connect(StringGridZMatrixVariables, &StringGrid::setEditText, this, &TFormMoleculeEdit::FitVariableColumns);
  connect(SplitterZMatrix, &QSplitter::splitterMoved, this, &TFormMoleculeEdit::SplitterZMatrixMoved);
  connect(SplitterNormalModeDisplacements, &QSplitter::splitterMoved, this,
          &TFormMoleculeEdit::SplitterNormalModeDisplacementsMoved);
}

void TFormMoleculeEdit::ShowNoMolecule() {
  EditedMolFile = MolFile();
  UpdateGrids();
  ShowFileData();  // a copy of no file type turns the file page off
  setWindowTitle(QLatin1String(kCaption));
  FileConvertToGJF->setEnabled(false);
  CoordinateConvertToXYZ->setEnabled(false);
}

void TFormMoleculeEdit::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (FormMolecules) FormMolecules->ShowFormMoleculeEdit->setChecked(true);
}

void TFormMoleculeEdit::hideEvent(QHideEvent* event) {
  QMainWindow::hideEvent(event);
  if (FormMolecules) FormMolecules->ShowFormMoleculeEdit->setChecked(false);
}

void TFormMoleculeEdit::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  FormResize();
}

// Layouts settle the grids' widths after the window's own resize event, and
// pages not shown get theirs when shown: each grid fits its columns whenever
// its width really changes. The file page's text waits for its show event.
bool TFormMoleculeEdit::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show && watched == RichEditFileData) FillFileTextWhenShown();
  if (event->type() == QEvent::Resize) {
    if (watched == StringGridCartesianData) FitCartesianColumns();
    if (watched == StringGridZMatrixData) FitZMatrixColumns();
    if (watched == StringGridNormalModes) FitNormalModeColumns();
    if (watched == StringGridZMatrixVariables) FitVariableColumns();
    if (watched == StringGridNormalModeDisplacements) FitDisplacementColumns();
  }
  return QMainWindow::eventFilter(watched, event);
}
