// The settings dialog: the view's options, the fonts of its texts, the
// recording sizes, the drawing resolution and the element colours and radii.
// Each showing loads the controls from the forms; OK stores them back. Its
// creation handler also finishes start-up: it builds the view's font display
// lists and opens the command-line file.
#pragma once

#include <array>
#include <cstdint>

#include <QDialog>
#include <QFont>
#include <QStringList>

#include "core/Elements.h"
#include "platform/ui/Dialogs.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
class QWidget;
class PanelButton;

class TFormSetting : public QDialog {
  Q_OBJECT

 public:
  // `arguments` are the program's, the program itself first.
  explicit TFormSetting(const QStringList& arguments, QWidget* parent = nullptr);

  // --- Components -----------------------------------------------------------
  QTabWidget* PageControl;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;
  QPushButton* HelpBtn;

  // "設定"
  QWidget* TabSheetSetting;
  QLineEdit* EditTimeStep;
  QLineEdit* EditAVIwidth;
  QLineEdit* EditAVIheight;
  QComboBox* ComboBoxBitDepth;
  QCheckBox* CheckBoxUseWindowSize;
  QPushButton* ButtonSetWindowSize;
  QLineEdit* EditRecordTime;
  QCheckBox* CheckBoxAutoBondingCartesian;
  QCheckBox* CheckBoxResetAnimationFileLoading;
  QRadioButton* RadioGroupNewFileType;
  QCheckBox* CheckBoxShowOnlySelected;
  QLineEdit* EditAVIvibration;

  // "3D設定"
  QWidget* TabSheet3DSetting;
  PanelButton* PanelBackgroundColor;
  QLabel* LabelTimeFont;
  QPushButton* SpeedButtonTimeFont;
  QLineEdit* EditTimePosX;
  QLineEdit* EditTimePosY;
  QLineEdit* EditArrowLength;
  QLineEdit* EditArrowPosX;
  QLineEdit* EditArrowPosY;
  QLabel* LabelFreqFont;
  QPushButton* SpeedButtonFreqFont;
  QLineEdit* EditFreqPosX;
  QLineEdit* EditFreqPosY;
  QSlider* TrackBarResolution;

  // "半径と色"
  QWidget* TabSheetRadiusColor;
  // Panel of element Z at index Z - 1.
  std::array<PanelButton*, 109> ElementPanels{};
  QComboBox* ComboBoxElements;
  PanelButton* PanelElementColor;
  QLineEdit* EditElementRadius;

  ColorChooser ColorDialog;
  FontChooser FontDialog;

  // --- Data -----------------------------------------------------------------
  // The working copy of DefaultElements that the element page edits.
  Elements ElementData;

  // --- Operations -----------------------------------------------------------
  void FormCreate(const QStringList& arguments);
  void FormShow();
  void LoadSettings();
  // Stores the dialog's values into the forms (after OK).
  void ApplySettings();

  void PanelBackgroundColorMouseUp();
  void SpeedButtonTimeFontClick();
  void SpeedButtonFreqFontClick();
  void ButtonSetWindowSizeClick();

  void ComboBoxElementsChange();
  void ComboBoxElementsExit();
  void ShowElement(std::uint32_t number);
  void SetElementRadius(std::uint32_t number, double radius);
  void SetElementColor(std::uint32_t number, std::uint32_t colorValue);
  void EditElementRadiusChange();
  void PanelElementColorMouseUp();
  void ElementPanelMouseUp(std::uint32_t number);
  void PanelElementColorDblClick();
  void RaiseElementPanels();

  // The panel of element 1 .. 109, or null.
  PanelButton* ElementPanel(std::uint32_t number) const;

  // Cancel, Escape and the close box: the font buttons changed the labels at
  // once, so their fonts go back to those of the showing.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* BuildSettingPage();
  QWidget* Build3DSettingPage();
  QWidget* BuildRadiusColorPage();
  void ChooseFont(QLabel* label);
  // The element number that the element box's text begins with.
  std::uint32_t BoxElementNumber() const;
  // The two halves of ShowElement: the box's text (its change not run), and
  // the swatch and the radius.
  void ShowElementName(std::uint32_t number);
  void ShowElementValues(std::uint32_t number);

  QFont shownTimeFont_;
  QFont shownFreqFont_;
  QString shownTimeCaption_;
  QString shownFreqCaption_;
};

extern TFormSetting* FormSetting;
