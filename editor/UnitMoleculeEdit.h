// The molecule editor: a private copy of the selected molecule, shown as
// grids and as its file text.
#pragma once

#include <QMainWindow>

#include "MolFile.h"

class QAction;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

class TFormMoleculeEdit : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFormMoleculeEdit(QWidget* parent = nullptr);

  QTabWidget* PageControl;
  QWidget* TabSheetCartesianData;
  QWidget* TabSheetZMatrixData;
  QWidget* TabSheetFile;
  QLabel* LabelFileType;
  QComboBox* ComboBoxFileType;
  QPushButton* ButtonImportData;
  QPlainTextEdit* RichEditFileData;
  QAction* FileConvertToGJF;
  QAction* CoordinateConvertToXYZ;

  MolFile EditedMolFile;

  // Refills the grids from EditedMolFile.
  void UpdateGrids();
  // Enables the file page's controls.
  void ShowFileControls();
  // Shows EditedMolFile's text on the file page.
  void ShowFileData();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
};

extern TFormMoleculeEdit* FormMoleculeEdit;
