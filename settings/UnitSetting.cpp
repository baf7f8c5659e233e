#include "UnitSetting.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "FontLists.h"
#include "UnitGL.h"
#include "UnitMolecules.h"

TFormSetting* FormSetting = nullptr;

namespace {

QFont TextFont() {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(27);
  return font;
}

}  // namespace

TFormSetting::TFormSetting(const QStringList& arguments, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("環境設定"));
  setAttribute(Qt::WA_QuitOnClose, false);
  auto* layout = new QVBoxLayout(this);
  LabelTimeFont = new QLabel(QStringLiteral("Time"), this);
  LabelTimeFont->setFont(TextFont());
  LabelFreqFont = new QLabel(QStringLiteral("Frequency"), this);
  LabelFreqFont->setFont(TextFont());
  CheckBoxAutoBondingCartesian =
      new QCheckBox(QStringLiteral("Gaussian出力ファイルを読み込む時に自動的に結合を生成"), this);
  CheckBoxAutoBondingCartesian->setChecked(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(LabelTimeFont);
  layout->addWidget(LabelFreqFont);
  layout->addWidget(CheckBoxAutoBondingCartesian);
  layout->addWidget(buttons);
  FormCreate(arguments);
}

void TFormSetting::FormCreate(const QStringList& arguments) {
  if (FormGL && FormGL->MakeCurrent()) {
    BuildFontLists(LabelTimeFont->font(), TimeFontListBase);
    BuildFontLists(LabelFreqFont->font(), FreqFontListBase);
  }
  if (FormMolecules) FormMolecules->OpenCommandLineFile(arguments);
}

void TFormSetting::FormShow() { CheckBoxAutoBondingCartesian->setChecked(FormMolecules->AutoBondGaussianOutput); }

void TFormSetting::ApplySettings() { FormMolecules->AutoBondGaussianOutput = CheckBoxAutoBondingCartesian->isChecked(); }

void TFormSetting::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}
