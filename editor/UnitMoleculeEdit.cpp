#include "UnitMoleculeEdit.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "TextCodec.h"
#include "UnitMolecules.h"

TFormMoleculeEdit* FormMoleculeEdit = nullptr;

TFormMoleculeEdit::TFormMoleculeEdit(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("Quivera Editor"));
  resize(490, 315);
  setAttribute(Qt::WA_QuitOnClose, false);
  PageControl = new QTabWidget(this);
  TabSheetCartesianData = new QWidget();
  TabSheetZMatrixData = new QWidget();
  TabSheetFile = new QWidget();
  PageControl->addTab(TabSheetCartesianData, QStringLiteral("Cartesian Coordinate"));
  PageControl->addTab(TabSheetZMatrixData, QStringLiteral("Z-Matrix Coordinate"));
  PageControl->addTab(TabSheetFile, QStringLiteral("Edit View"));
  setCentralWidget(PageControl);

  auto* fileLayout = new QVBoxLayout(TabSheetFile);
  auto* controls = new QHBoxLayout();
  LabelFileType = new QLabel(QStringLiteral("File Type"), TabSheetFile);
  ComboBoxFileType = new QComboBox(TabSheetFile);
  ButtonImportData = new QPushButton(QStringLiteral("Import"), TabSheetFile);
  controls->addWidget(LabelFileType);
  controls->addWidget(ComboBoxFileType, 1);
  controls->addWidget(ButtonImportData);
  fileLayout->addLayout(controls);
  RichEditFileData = new QPlainTextEdit(TabSheetFile);
  RichEditFileData->setLineWrapMode(QPlainTextEdit::NoWrap);
  fileLayout->addWidget(RichEditFileData, 1);
  for (QWidget* control : {static_cast<QWidget*>(LabelFileType), static_cast<QWidget*>(ComboBoxFileType),
                           static_cast<QWidget*>(ButtonImportData), static_cast<QWidget*>(RichEditFileData)}) {
    control->setEnabled(false);
  }

  FileConvertToGJF = new QAction(QStringLiteral("Gaussian 入力ファイルに変換"), this);
  CoordinateConvertToXYZ = new QAction(QStringLiteral("Cartesian座標に変換"), this);
  QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル (&F)"));
  if (FormMolecules) {
    file->addActions({FormMolecules->ActionNewMolecule, FormMolecules->ActionOpenMolecule,
                      FormMolecules->ActionSaveMolecule, FormMolecules->ActionSaveMoleculeAs});
    file->addSeparator();
    file->addAction(FormMolecules->ActionExit);
  }
  menuBar()->addMenu(QStringLiteral("ファイル形式変換 (&F)"))->addAction(FileConvertToGJF);
  menuBar()->addMenu(QStringLiteral("座標形式変換 (&C)"))->addAction(CoordinateConvertToXYZ);
  QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ (&H)"));
  if (FormMolecules) help->addAction(FormMolecules->HelpAbout);
}

void TFormMoleculeEdit::UpdateGrids() {}

void TFormMoleculeEdit::ShowFileControls() {
  if (LabelFileType->isEnabled()) return;
  LabelFileType->setEnabled(true);
  ComboBoxFileType->setEnabled(true);
  ButtonImportData->setEnabled(true);
  RichEditFileData->setEnabled(true);
}

void TFormMoleculeEdit::ShowFileData() {
  QStringList lines;
  for (const std::string& line : EditedMolFile.Lines) lines.append(QString::fromStdString(Cp932ToUtf8(line)));
  RichEditFileData->setPlainText(lines.join(QLatin1Char('\n')));
}

void TFormMoleculeEdit::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (FormMolecules) FormMolecules->ShowFormMoleculeEdit->setChecked(true);
}

void TFormMoleculeEdit::hideEvent(QHideEvent* event) {
  QMainWindow::hideEvent(event);
  if (FormMolecules) FormMolecules->ShowFormMoleculeEdit->setChecked(false);
}
