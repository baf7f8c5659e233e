// The element page: a periodic table of panels painted in the elements'
// colours, and an element box, a colour swatch and a radius edit that edit
// the dialog's own copy of the element table.
#include <functional>

#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>

#include "SettingValues.h"
#include "UnitSetting.h"
#include "core/ColorValues.h"
#include "platform/Numbers.h"
#include "platform/ui/PanelButton.h"
#include "platform/ui/PanelColors.h"

namespace {

// An element panel also answers a double click. Qt gives the second press
// of a double click as the double click alone; it is handled as a press
// after the double-click action, so the panel ends pressed as usual.
class ElementPanelButton : public PanelButton {
 public:
  using PanelButton::PanelButton;
  std::function<void()> DoubleClicked;

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    if (DoubleClicked) DoubleClicked();
    mousePressEvent(event);
  }
};

QString SymbolOf(std::uint32_t number) {
  const auto found = ElementTable.NumberToSymbol.find(number);
  return found == ElementTable.NumberToSymbol.end() ? QString() : QString::fromStdString(found->second);
}

// `page` at the largest size up to its own at which every element symbol fits
// `room` pixels: the designed panels are too narrow for "Mg" or "Sm" in most
// faces at the page's size.
QFont SymbolFont(const QFont& page, int room) {
  QFont font = page;
  for (int size = page.pixelSize(); size > 1; --size) {
    font.setPixelSize(size);
    const QFontMetrics metrics(font);
    bool fits = true;
    for (std::uint32_t number = 1; number <= LastElementNumber && fits; ++number) {
      fits = metrics.horizontalAdvance(SymbolOf(number)) <= room;
    }
    if (fits) break;
  }
  return font;
}

QLabel* PlacedLabel(const QString& caption, int left, int top, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->move(left, top);
  return label;
}

}  // namespace

QWidget* TFormSetting::BuildRadiusColorPage() {
  auto* page = new QWidget(this);
  QFont small = page->font();
  small.setPixelSize(11);
  page->setFont(small);
  page->setMinimumSize(17 + PanelWidth * 18 + 8, 212 + PanelHeight + 8);

  QFont symbols;
  for (std::uint32_t number = 1; number <= LastElementNumber; ++number) {
    PanelPlace place;
    PanelPlaceOf(number, place);
    auto* panel = new ElementPanelButton(SymbolOf(number), page);
    // The symbol is centred in the whole panel inside its bevel, without padding.
    panel->layout()->setContentsMargins(0, 0, 0, 0);
    if (number == 1) symbols = SymbolFont(small, PanelWidth - 2 * panel->frameWidth());
    panel->setFont(symbols);
    panel->setGeometry(place.Left, place.Top, PanelWidth, PanelHeight);
    panel->DoubleClicked = [this] { PanelElementColorDblClick(); };
    connect(panel, &PanelButton::released, this, [this, number] { ElementPanelMouseUp(number); });
    ElementPanels[number - 1] = panel;
  }
  PlacedLabel(QStringLiteral("La"), 59, 140, page);
  PlacedLabel(QStringLiteral("Ac"), 58, 164, page);
  static constexpr int rowTops[7] = {19, 44, 68, 93, 117, 140, 164};
  for (int row = 0; row < 7; ++row) PlacedLabel(QString::number(row + 1), 5, rowTops[row], page);
  for (int group = 1; group <= 18; ++group) {
    const int top = group == 1 || group == 18 ? 1 : group == 2 ? 24 : group >= 13 ? 25 : 72;
    PlacedLabel(QString::number(group), 17 + PanelWidth * (group - 1) + 5, top, page);
  }

  auto* conf = new QFrame(page);
  conf->setFrameShape(QFrame::Panel);
  conf->setFrameShadow(QFrame::Sunken);
  conf->setGeometry(61, 9, 180, 55);
  ComboBoxElements = new QComboBox(conf);
  ComboBoxElements->setEditable(true);
  ComboBoxElements->setInsertPolicy(QComboBox::NoInsert);
  ComboBoxElements->setCompleter(nullptr);
  for (std::uint32_t number = 0; number <= LastElementNumber; ++number) {
    ComboBoxElements->addItem(QString::fromStdString(ElementItemText(number, SymbolOf(number).toStdString())));
  }
  ComboBoxElements->setCurrentIndex(-1);
  ComboBoxElements->setEditText(QString());
  ComboBoxElements->setGeometry(4, 6, 86, 20);
  PlacedLabel(QStringLiteral("色"), 95, 8, conf);
  PanelElementColor = new PanelButton(QString(), conf);
  PanelElementColor->setGeometry(111, 5, 42, 20);
  PlacedLabel(QStringLiteral("半径"), 84, 32, conf);
  EditElementRadius = new QLineEdit(conf);
  EditElementRadius->setGeometry(111, 29, 42, 20);
  PlacedLabel(QStringLiteral("pm"), 156, 32, conf);

  connect(ComboBoxElements, &QComboBox::editTextChanged, this, &TFormSetting::ComboBoxElementsChange);
  connect(ComboBoxElements->lineEdit(), &QLineEdit::editingFinished, this, &TFormSetting::ComboBoxElementsExit);
  connect(PanelElementColor, &PanelButton::released, this, &TFormSetting::PanelElementColorMouseUp);
  connect(EditElementRadius, &QLineEdit::textChanged, this, &TFormSetting::EditElementRadiusChange);
  return page;
}

PanelButton* TFormSetting::ElementPanel(std::uint32_t number) const {
  return number >= 1 && number <= LastElementNumber ? ElementPanels[number - 1] : nullptr;
}

std::uint32_t TFormSetting::BoxElementNumber() const {
  return ElementNumberFromText(ComboBoxElements->currentText().toStdString());
}

void TFormSetting::RaiseElementPanels() {
  for (PanelButton* panel : ElementPanels) panel->setFrameShadow(QFrame::Raised);
}

// Typed or picked, the element is shown at once, while the box keeps what is
// typed: rewritten at once, "1" would become "1  H" and the "2" then typed
// would give hydrogen again, never magnesium.
void TFormSetting::ComboBoxElementsChange() {
  const std::uint32_t number = BoxElementNumber();
  RaiseElementPanels();
  if (PanelButton* panel = ElementPanel(number)) panel->setFrameShadow(QFrame::Sunken);
  ShowElementValues(number);
}

// Left after typing, the box names the element it chose: "8" becomes "8  O".
void TFormSetting::ComboBoxElementsExit() {
  if (ComboBoxElements->lineEdit()->isModified()) ShowElementName(BoxElementNumber());
}

void TFormSetting::ShowElement(std::uint32_t number) {
  ShowElementName(number);
  ShowElementValues(number);
}

void TFormSetting::ShowElementName(std::uint32_t number) {
  const QSignalBlocker quiet(ComboBoxElements);
  ComboBoxElements->setEditText(number <= LastElementNumber ? ComboBoxElements->itemText(static_cast<int>(number))
                                                            : QString());
}

void TFormSetting::ShowElementValues(std::uint32_t number) {
  const bool inTable = number <= LastElementNumber;
  // A number outside the table shows black and 0 without adding rows for it.
  const GraphicHandler::Color<float> color = inTable ? ElementData.Colors[number] : GraphicHandler::Color<float>{};
  const double radius = inTable ? ElementData.Radii[number] : 0.0;
  PanelElementColor->SetColor(PanelColor(ColorValueOf(color)));
  // Runs the radius edit's change handling when the text changes, which
  // stores the shown value back (the same value: the text reads back
  // exactly).
  EditElementRadius->setText(QString::fromStdString(FormatGeneral(radius, 15)));
}

void TFormSetting::SetElementRadius(std::uint32_t number, double radius) {
  if (number <= LastElementNumber) ElementData.Radii[number] = radius;
}

void TFormSetting::SetElementColor(std::uint32_t number, std::uint32_t colorValue) {
  if (number > LastElementNumber) return;
  ElementData.Colors[number] = ColorOfValue(colorValue);
  if (PanelButton* panel = ElementPanel(number)) panel->SetColor(PanelColor(colorValue));
}

void TFormSetting::EditElementRadiusChange() {
  const double radius = ReadElementRadius(EditElementRadius->text().toStdString());
  if (radius != 0.0) SetElementRadius(BoxElementNumber(), radius);
}

void TFormSetting::PanelElementColorMouseUp() {
  if (!ColorDialog.Execute(this)) return;
  PanelElementColor->SetColor(ColorDialog.Color);
  SetElementColor(BoxElementNumber(), ValueOf(ColorDialog.Color));
}

void TFormSetting::ElementPanelMouseUp(std::uint32_t number) {
  RaiseElementPanels();
  ElementPanel(number)->setFrameShadow(QFrame::Sunken);
  ShowElement(number);
}

void TFormSetting::PanelElementColorDblClick() {
  const std::uint32_t number = BoxElementNumber();
  if (ColorDialog.Execute(this)) {
    PanelElementColor->SetColor(ColorDialog.Color);
    SetElementColor(number, ValueOf(ColorDialog.Color));
  }
  RaiseElementPanels();
}
