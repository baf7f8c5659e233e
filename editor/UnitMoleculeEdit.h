// The molecule editor: a private copy of the selected molecule, shown as
// grids and as its file text. Every accepted grid edit, import and conversion
// is written back over the console's selected molecule at once.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <QMainWindow>

#include "molfile/MolFile.h"

class StringGrid;
class QAction;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QStatusBar;
class QTabWidget;

class TFormMoleculeEdit : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFormMoleculeEdit(QWidget* parent = nullptr);

  // Shows no molecule, as at start: the console has none selected.
  void ShowNoMolecule();

  // --- Components -----------------------------------------------------------
  QTabWidget* PageControl;
  QWidget* TabSheetCartesianData;
  QLabel* LabelAtomsCartesian;
  QSplitter* SplitterNormalMode;
  StringGrid* StringGridCartesianData;
  QWidget* PanelNormalModes;
  QSplitter* SplitterNormalModeDisplacements;
  QWidget* PanelEachNormalModes;
  QLabel* LabelNormalModes;
  StringGrid* StringGridNormalModes;
  QWidget* PanelNormalModeDisplacements;
  QLabel* LabelNormalModeDisplacements;
  StringGrid* StringGridNormalModeDisplacements;

  QWidget* TabSheetZMatrixData;
  QSplitter* SplitterZMatrix;
  QWidget* PanelZMatrix;
  QLabel* LabelAtomsZMatrix;
  StringGrid* StringGridZMatrixData;
  QWidget* PanelVariables;
  QLabel* LabelVariables;
  StringGrid* StringGridZMatrixVariables;

  QWidget* TabSheetFile;
  QWidget* PanelFileType;
  QLabel* LabelFileType;
  QComboBox* ComboBoxFileType;
  QPushButton* ButtonImportData;
  QPlainTextEdit* RichEditFileData;
  QStatusBar* StatusBar1;

  QAction* FileConvertToGJF;
  QAction* CoordinateConvertToXYZ;

  // --- Data -----------------------------------------------------------------
  MolFile EditedMolFile;

  // --- Grids (refill, column widths, the normal-mode choice) ----------------
  // Refills the grids from EditedMolFile.
  void UpdateGrids();
  // Shows again the coordinates of the Cartesian atoms that name variables.
  void ShowNamedCoordinates();
  void FormResize();
  void SplitterZMatrixMoved();
  void SplitterNormalModeDisplacementsMoved();
  // Shows the displacements of the mode numbered in column 0 of `row`.
  void StringGridNormalModesSelectCell(int column, int row);

  // --- File text page and import --------------------------------------------
  // Enables the file page's controls.
  void ShowFileControls();
  // Shows EditedMolFile's text and type on the file page.
  void ShowFileData();
  void TabSheetFileShow();
  // Parses the page's text into EditedMolFile as the type it holds.
  void ImportFileText();
  void ButtonImportDataClick();

  // --- Conversions -------------------------------------------------------------
  void FileConvertToGJFExecute();
  void CoordinateConvertToXYZExecute();
  // "n: name": the caption for molecule `index` of the console's list.
  void SetCaption(int index, const std::string& name);

  // --- Cell edits --------------------------------------------------------------
  void StringGridCartesianDataSetEditText(int column, int row, const QString& value);
  void StringGridZMatrixDataSetEditText(int column, int row, const QString& value);
  void StringGridZMatrixVariablesSetEditText(int column, int row, const QString& value);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Column-width rules, one per grid, applied whenever its width changes.
  void FitCartesianColumns();
  void FitZMatrixColumns();
  void FitNormalModeColumns();
  void FitVariableColumns();
  void FitDisplacementColumns();
  // Every grid's rule, after its texts changed.
  void FitAllColumns();

  // Whether the console has a selected molecule to write back over.
  static bool HasSelection();
  // Takes the selected molecule's name and path, which the console may have
  // changed (Save As, the name edit) since the copy was made.
  void TakeSelectedNames();
  // Copies EditedMolFile over the selected molecule (its connections stay),
  // rebuilds the selected display model and lets the console show it.
  void CopyBackToSelected();
  // Puts the copy's text into the file page.
  void FillFileText();
  // The page has come into sight: fills it if ShowFileData left it empty.
  void FillFileTextWhenShown();
  // Sets the conversion action for the selected molecule's Z-matrix.
  void EnableCartesianConversion();
  // Rewrites atom `id`'s line for a Gaussian input (and, with `mopacToo`,
  // a MOPAC input); other types keep their text.
  void RegenerateLine(std::uint32_t id, bool mopacToo);
  // Atom `id` is now labelled `label`: rows of the Z-matrix grid whose atom
  // names it by label show the label, and their lines are rewritten.
  void ShowLabelInReferences(std::int32_t id, const std::string& label, bool mopacToo);

  // A typed number that a double cannot hold: the edit ends, the cell, the
  // copy and the selected molecule are as they were before it began, the
  // user is told once the editor's key handling has returned, and true tells
  // the handler to take nothing.
  bool RefusedBeyondRange(StringGrid* grid, int column, int row, const std::string& number);
  // A handler is about to change the copy: the first time in an edit, the
  // copy as it was is kept, for a refusal to put back.
  void KeepBeforeEdit();
  // The copy is refilled or replaced: an open cell edit belongs to what it
  // showed before, and ends without being taken.
  void EndCellEdits();

  // ShowFileData's text waits for the file page to come into sight.
  bool fileTextPending_ = false;
  // The copy before the open cell edit changed it; none while it has not.
  std::optional<MolFile> beforeEdit_;
};

extern TFormMoleculeEdit* FormMoleculeEdit;
