// The console window: the list of loaded molecules, the selected molecule's
// Information, Bonds and NormalModes tabs, the animation transport and the
// File, View and Help menus. It owns the file models of all molecules; the
// view owns their display models at the same indices.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <QMainWindow>

#include "animation/MolAnimation.h"
#include "display/MolGL.h"
#include "molfile/MolFile.h"
#include "platform/ui/Dialogs.h"

class Chart;
class ListView;
class PanelButton;
class StringGrid;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;
class QSplitter;
class QTabWidget;
class QToolButton;
class QTreeWidgetItem;

class TFormMolecules : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFormMolecules(QWidget* parent = nullptr);
  ~TFormMolecules() override;

  // --- Components -----------------------------------------------------------
  QFrame* PanelAnimation;
  QCheckBox* CheckBoxAnimation;
  QToolButton* SpeedButtonGoTop;
  QToolButton* SpeedButtonFastReverse;
  QToolButton* SpeedButtonReverse1Frame;
  QToolButton* SpeedButtonReversePlay;
  QToolButton* SpeedButtonStop;
  QToolButton* SpeedButtonPlay;
  QToolButton* SpeedButtonForward1Frame;
  QToolButton* SpeedButtonFastForward;
  QToolButton* SpeedButtonGoEnd;

  QWidget* PanelMolecules;
  QFrame* PanelMoleculesLabel;
  QLabel* LabelMolecules;
  ListView* ListViewMolecules;
  QSplitter* SplitterTop;
  QTabWidget* PageControlSelected;

  // Information tab.
  QWidget* TabSheetInfo;
  QWidget* PanelInfo;
  QLabel* LabelNameMolecule;
  QLineEdit* EditNameMolecule;
  QLabel* LabelModelType;
  QComboBox* ComboBoxModelType;
  QCheckBox* CheckBoxShowMolecule;
  QLabel* LabelPosition;
  StringGrid* StringGridPosition;
  QCheckBox* CheckBoxShowDummyAtoms;
  QCheckBox* CheckBoxShowDetail;
  QLabel* LabelRotMatrix;
  StringGrid* StringGridRotMatrix;

  // Bonds tab.
  QWidget* TabSheetBonds;
  QWidget* PanelBond;
  QLabel* Label1;
  PanelButton* PanelBondColor;
  QLabel* LabelBondRadius;
  QLineEdit* EditBondRadius;
  ListView* ListViewBonds;
  QMenu* PopupMenuBonds;
  QAction* PoupItemDeleteSelectedBond;
  PanelButton* PanelBondAutoButton;

  // NormalModes tab.
  QWidget* TabSheetNormalModes;
  QSplitter* SplitterNormalModes;
  QWidget* PanelNormalModesValues;
  ListView* ListViewNormalModes;
  // The stick spectrum: its bars are the wavenumber series, its line the
  // measured spectrum.
  Chart* ChartNormalModes;
  QRadioButton* RadioButtonIRInten;
  QRadioButton* RadioButtonRamanActiv;
  QCheckBox* CheckBoxNMSelectedAnimation;
  QLabel* LabelNMMagnitude;
  QLineEdit* EditNMMagnitude;
  QLabel* LabelScalingFactor;
  QLineEdit* EditScalingFactor;
  QCheckBox* CheckBoxNormalModeArrow;
  QLabel* LabelNormalModeArrowMagnitude;
  QLineEdit* EditNormalModeArrowMagnitude;
  QLabel* LabelNormalModeArrowRadius;
  QLineEdit* EditNormalModeArrowRadius;
  QMenu* PopupMenuChartNM;
  QAction* PoupItemUndoZoom;
  QAction* PoupItemLoadSpectrum;
  QAction* PoupItemClearSpectrum;
  QAction* PoupItemSaveFreqAsText;

  FileDialog OpenDialogMolecule{FileDialog::Kind::Open};
  FileDialog SaveDialogMolecule{FileDialog::Kind::Save};
  FileDialog OpenDialogLoadSpectrum{FileDialog::Kind::Open};
  ColorChooser ColorDialog;
  QMenu* PopupMenuListViewMolecules;

  // Actions of the main menu.
  QAction* ActionNewMolecule;
  QAction* ActionOpenMolecule;
  QAction* ActionSaveMolecule;
  QAction* ActionSaveMoleculeAs;
  QAction* ActionExit;
  QAction* HelpAbout;
  QAction* ShowFormGL;
  QAction* ShowFormMoleculeEdit;
  QAction* ShowSetting;
  QAction* ActionSaveFreqResult;
  QAction* ActionExportModel;
  QMenu* MenuTitleFile;
  QMenu* MenuTitleFileWindow;
  QMenu* MenuTitleHelp;

  // --- Data -----------------------------------------------------------------
  std::vector<MolFile> MolFiles;
  int SelectedIndex = 0;
  // Element SelectedIndex of MolFiles and of the view's MolGLs; set only by
  // ShowSelectedMolecule, null while nothing is selected.
  MolFile* SelectedMolFile = nullptr;
  MolGL* SelectedMolGL = nullptr;
  int SelectedModeNumber = 0;
  float ModeArrowMagnitude = 1.0f;
  float ModeArrowRadius = 0.5f;
  bool ShowModeArrows = false;
  bool ResetOnAnimationLoad = false;
  bool AutoBondGaussianOutput = true;
  MolAnimation Animation;

  // The record of SelectedMolGL's modes numbered SelectedModeNumber, looked
  // up on every call so that it never points into a rebuilt vector; null
  // when there is none.
  NormalMode* SelectedNormalMode() const;

  // --- Molecule list and Information tab ------------------------------------
  void RefreshMoleculeList();
  void ShowSelectedMolecule();
  void ListViewMoleculesSelectItem(QTreeWidgetItem* item, bool selected);
  void ListViewMoleculesDblClick();
  void CheckBoxShowDetailClick();
  void EditNameMoleculeChange();
  void ComboBoxModelTypeChange();
  void CheckBoxShowMoleculeClick();
  void StringGridPositionSetEditText(int column, int row, const QString& text);
  void StringGridRotMatrixSetEditText(int column, int row, const QString& text);

  // Appends a molecule to both vectors. The selection pointers are cleared,
  // since the vectors may move; callers select and show a molecule after.
  // The file model is taken by value: a caller that hands it over with
  // std::move spares a copy of a text that may run to hundreds of megabytes.
  void AppendMolecule(MolFile file, const MolGL& model);
  // Appends a molecule, lists it, selects and shows it, and hands it to the
  // editor with its text shown.
  void AppendAndSelectMolecule(MolFile file, const MolGL& model);
  // Hands a copy of the selected file model to the editor and refreshes it,
  // with the caption "n: name".
  void CopySelectedToEditor();
  // Sets the editor's two conversion actions for the selected molecule.
  void EnableEditorConversions();

  // --- Opening files ---------------------------------------------------------
  void ActionOpenMoleculeExecute();
  // One molecule file of `fileType` appended, selected and given to the
  // editor; `distanceBonds` rebuilds its bonds by distance. A file that
  // cannot be read or gives no atom is said and adds nothing.
  void OpenMoleculeFile(const std::string& path, int fileType, bool distanceBonds);
  // An animation project replaces the one loaded; `distanceBonds` rebuilds
  // the bonds of its Gaussian-output molecules by distance.
  void OpenAnimationFile(const std::string& path, bool distanceBonds);
  // The file named by the first command-line argument (after the program).
  void OpenCommandLineFile(const QStringList& arguments);

  // --- Bonds tab -------------------------------------------------------------
  void RefreshBondList();
  void PanelBondAutoButtonMouseUp();
  void PanelBondColorMouseUp();
  void EditBondRadiusChange();
  void PoupItemDeleteSelectedBondClick();

  // --- NormalModes tab -------------------------------------------------------
  void RefreshNormalModeList();
  void RefreshWavenumberBars();
  void ListViewNormalModesSelectItem(QTreeWidgetItem* item, bool selected);
  void ListViewNormalModesDblClick();
  void CheckBoxNMSelectedAnimationClick();
  void EditScalingFactorChange();
  void EditScalingFactorExit();
  void EditNMMagnitudeChange();
  void EditNormalModeArrowMagnitudeChange();
  void EditNormalModeArrowRadiusChange();
  void CheckBoxNormalModeArrowClick();
  void CheckBoxShowDummyAtomsClick();
  void RadioButtonIRIntenClick();
  void RadioButtonRamanActivClick();
  void PoupItemUndoZoomClick();
  void PoupItemLoadSpectrumClick();
  void PoupItemClearSpectrumClick();

  // --- Animation mode and transport ----------------------------------------
  void CheckBoxAnimationClick();
  void SpeedButtonGoTopClick();
  void SpeedButtonFastReverseClick();
  void SpeedButtonReverse1FrameClick();
  void SpeedButtonReversePlayClick();
  void SpeedButtonStopClick();
  void SpeedButtonPlayClick();
  void SpeedButtonForward1FrameClick();
  void SpeedButtonFastForwardClick();
  void SpeedButtonGoEndClick();

  // --- File actions and window commands ------------------------------------
  void ActionNewMoleculeExecute();
  void ActionSaveMoleculeExecute();
  void ActionSaveMoleculeAsExecute();
  void ActionExitExecute();
  void ActionSaveFreqResultExecute();
  void HelpAboutExecute();
  void ShowSettingExecute();
  void ShowFormGLExecute();
  void ShowFormMoleculeEditExecute();
  void PanelMoleculesResize();
  void PanelNormalModesValuesResize();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The three tabs as at start-up, for no selected molecule.
  void ShowNoMolecule();
  void ClearNormalModesTab();
  // NormalModes tab: whether the selected molecule has modes to list, the
  // bars (one mode highlighted), and the animate flag of the chosen mode.
  bool HasNormalModes() const;
  void FillWavenumberBars(std::optional<std::int32_t> highlighted);
  // The rows and bars at the stored factor, the factor's box left as it is.
  void RefreshNormalModeRows();
  // The factor the box's text gives, when there is a molecule to take it and
  // it is a non-zero float.
  std::optional<float> TypedScalingFactor() const;
  bool CanAnimateSelectedMode() const;
  void SetSelectedModeAnimated(bool animate);
  // Transport.
  void EnableTransport(bool enabled);
  void SetViewTime(std::optional<long double> time);
  void SetPlay(int state);
  void SetFastPlay(int state, int opposite);
  // Saving: writes the selected molecule's text to `path` and takes it as the
  // molecule's path, or says that it could not.
  void SaveSelectedText(const std::string& path);

  // The id and label of the atom at each end of each bond the list shows,
  // two per row (id -1 for an end outside the model). The editor refreshes
  // the list on every key; refilling it with the same rows measured every
  // row's text, seconds for a big molecule.
  std::vector<std::pair<std::int32_t, std::string>> bondEndsShown_;

  void BuildActions();
  void BuildAnimationPanel();
  QWidget* BuildInfoTab();
  QWidget* BuildBondsTab();
  QWidget* BuildNormalModesTab();
  void ConnectHandlers();
};

// Why a reader refused `file`'s text (its RefusedLine is set), after
// `opening`, which names what could not be opened or taken.
QString RefusedTextMessage(const MolFile& file, const QString& opening);

extern TFormMolecules* FormMolecules;
