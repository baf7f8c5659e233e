// The settings dialog. Its creation handler also finishes start-up: it
// builds the view's font display lists and opens the command-line file.
#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLabel;

class TFormSetting : public QDialog {
  Q_OBJECT

 public:
  // `arguments` are the program's, the program itself first.
  explicit TFormSetting(const QStringList& arguments, QWidget* parent = nullptr);

  // The fonts of the time and frequency texts.
  QLabel* LabelTimeFont;
  QLabel* LabelFreqFont;
  QCheckBox* CheckBoxAutoBondingCartesian;

  void FormCreate(const QStringList& arguments);
  // Loads the dialog's controls from the forms' settings.
  void FormShow();
  // Stores the dialog's values into the forms (after OK).
  void ApplySettings();

 protected:
  void showEvent(QShowEvent* event) override;
};

extern TFormSetting* FormSetting;
