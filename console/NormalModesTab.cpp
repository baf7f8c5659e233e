// The NormalModes tab: the selected molecule's modes listed, their stick
// spectrum, and the controls of their vibration in the view.
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include "UnitMolecules.h"
#include "platform/Numbers.h"
#include "platform/TextCodec.h"
#include "platform/ui/Chart.h"
#include "platform/ui/Icons.h"
#include "platform/ui/ListView.h"

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

QString Picture(const char* picture, double value) {
  return QString::fromStdString(FormatFloat(picture, value));
}

// The edit's number; none when a float cannot hold it, since the drawing and
// the exports would take it as infinite. Such a value is not stored.
std::optional<double> ReadEdit(const QLineEdit* edit) {
  const double value = ReadDouble(edit->text().toStdString());
  if (!FitsFloat(value)) return std::nullopt;
  return value;
}

QString ModeValue(double value) { return QString::fromStdString(FormatModeValue(value)); }

// A value of a table that the job may not have printed (Raman activities of
// an IR-only job): an empty cell then.
QString Cell(const std::vector<float>& table, std::size_t j) {
  return j < table.size() ? ModeValue(table[j]) : QString();
}

// Indices j of the file tables that belong to a display-model mode.
std::vector<std::size_t> MatchingEntries(const NormalModes& tables, std::int32_t modeNumber) {
  std::vector<std::size_t> entries;
  for (std::size_t j = 0; j < tables.ModeNumbers.size(); ++j)
    if (static_cast<std::int64_t>(tables.ModeNumbers[j]) == modeNumber) entries.push_back(j);
  return entries;
}

}  // namespace

bool TFormMolecules::HasNormalModes() const {
  return SelectedMolFile && SelectedMolGL && !SelectedMolGL->Modes.empty() &&
         !SelectedMolFile->ModeData.ModeNumbers.empty();
}

// One bar per file entry of each mode, at the scaled wavenumber: IR
// intensities red, Raman activities blue; the highlighted mode takes the
// other quantity's colour. An entry without a value, or with one not known,
// gives no bar; the axis then scales to the known ones.
void TFormMolecules::FillWavenumberBars(std::optional<std::int32_t> highlighted) {
  ChartNormalModes->ClearBars();
  if (!HasNormalModes()) return;
  const NormalModes& tables = SelectedMolFile->ModeData;
  const bool ir = RadioButtonIRInten->isChecked();
  const std::vector<float>& values = ir ? tables.IRIntensities : tables.RamanActivities;
  for (const NormalMode& mode : SelectedMolGL->Modes) {
    const bool chosen = highlighted && mode.ModeNumber == *highlighted;
    const QColor color = (ir != chosen) ? kRed : kBlue;
    const double x = mode.Frequency * SelectedMolGL->ScalingFactor;
    for (std::size_t j : MatchingEntries(tables, mode.ModeNumber))
      if (j < values.size() && NormalModes::IsKnown(values[j]) && NormalModes::IsKnown(x))
        ChartNormalModes->AddBar(x, values[j], color);
  }
}

void TFormMolecules::RefreshNormalModeList() {
  // Runs the factor's change handler, which stores the factor as shown and
  // refreshes the rows.
  if (HasNormalModes()) EditScalingFactor->setText(Picture("0.0###", SelectedMolGL->ScalingFactor));
  RefreshNormalModeRows();
}

void TFormMolecules::RefreshNormalModeRows() {
  if (!HasNormalModes()) {
    // The list and the chart keep what they showed, out of sight.
    PageControlSelected->setTabVisible(PageControlSelected->indexOf(TabSheetNormalModes), false);
    return;
  }
  PageControlSelected->setTabVisible(PageControlSelected->indexOf(TabSheetNormalModes), true);

  ListViewNormalModes->Clear();
  const NormalModes& tables = SelectedMolFile->ModeData;
  for (const NormalMode& mode : SelectedMolGL->Modes) {
    QStringList cells;
    for (std::size_t j : MatchingEntries(tables, mode.ModeNumber)) {
      cells << (j < tables.Symmetries.size()
                    ? QString::fromStdString(Cp932ToUtf8(tables.Symmetries[j]))
                    : QString())
            << ModeValue(mode.Frequency * SelectedMolGL->ScalingFactor)
            << Cell(tables.IRIntensities, j) << Cell(tables.RamanActivities, j);
    }
    ListViewNormalModes->AddItem(Picture("0", mode.ModeNumber),
                                 mode.Animate ? IMAGE_ANIMATED : IMAGE_NOT_ANIMATED, cells);
  }
  FillWavenumberBars(std::nullopt);
}

void TFormMolecules::ClearNormalModesTab() {
  PageControlSelected->setTabVisible(PageControlSelected->indexOf(TabSheetNormalModes), true);
  ListViewNormalModes->Clear();
  ChartNormalModes->ClearBars();
  EditScalingFactor->clear();
  EditNMMagnitude->clear();
  CheckBoxNMSelectedAnimation->setChecked(false);
}

void TFormMolecules::RefreshWavenumberBars() { FillWavenumberBars(std::nullopt); }

void TFormMolecules::RadioButtonIRIntenClick() { RefreshWavenumberBars(); }

void TFormMolecules::RadioButtonRamanActivClick() { RefreshWavenumberBars(); }

void TFormMolecules::ListViewNormalModesSelectItem(QTreeWidgetItem* item, bool selected) {
  if (!selected || !item) return;
  SelectedModeNumber = ReadInt(item->text(0).toStdString());
  ChartNormalModes->ClearBars();
  if (!HasNormalModes()) return;
  // Setting the box runs its click handler, which stores the same state.
  if (const NormalMode* mode = SelectedNormalMode())
    CheckBoxNMSelectedAnimation->setChecked(mode->Animate);
  FillWavenumberBars(SelectedModeNumber);
}

void TFormMolecules::SetSelectedModeAnimated(bool animate) {
  SelectedNormalMode()->Animate = animate;
  ListViewNormalModes->SetImageIndex(ListViewNormalModes->SelectedRow(),
                                     animate ? IMAGE_ANIMATED : IMAGE_NOT_ANIMATED);
}

bool TFormMolecules::CanAnimateSelectedMode() const {
  return ListViewNormalModes->Selected() && SelectedMolFile && SelectedMolGL && SelectedNormalMode();
}

void TFormMolecules::CheckBoxNMSelectedAnimationClick() {
  if (CanAnimateSelectedMode()) SetSelectedModeAnimated(CheckBoxNMSelectedAnimation->isChecked());
}

void TFormMolecules::ListViewNormalModesDblClick() {
  if (!CanAnimateSelectedMode()) return;
  const bool animate = ListViewNormalModes->ImageIndex(ListViewNormalModes->SelectedRow()) != IMAGE_ANIMATED;
  CheckBoxNMSelectedAnimation->setChecked(animate);
  SetSelectedModeAnimated(animate);
}

std::optional<float> TFormMolecules::TypedScalingFactor() const {
  const auto factor = ReadEdit(EditScalingFactor);
  if (!SelectedMolFile || !SelectedMolGL || !factor || static_cast<float>(*factor) == 0.0f) return std::nullopt;
  return static_cast<float>(*factor);
}

// Taken at every key, while the box keeps what is typed: rewritten at once,
// "1" would become "1.0" and the "5" then typed would make it 1.05.
void TFormMolecules::EditScalingFactorChange() {
  if (const auto factor = TypedScalingFactor()) {
    SelectedMolGL->ScalingFactor = *factor;
    RefreshNormalModeRows();
  }
}

// Left after typing (or Enter), the box shows the factor taken in the list's
// picture: "1.50" becomes "1.5". A text that gave none stays as typed.
void TFormMolecules::EditScalingFactorExit() {
  if (EditScalingFactor->isModified() && TypedScalingFactor()) RefreshNormalModeList();
}

void TFormMolecules::EditNMMagnitudeChange() {
  const auto magnitude = ReadEdit(EditNMMagnitude);
  if (SelectedMolFile && SelectedMolGL && magnitude) SelectedMolGL->NMMagnitude = *magnitude;
}

void TFormMolecules::EditNormalModeArrowMagnitudeChange() {
  if (const auto magnitude = ReadEdit(EditNormalModeArrowMagnitude)) ModeArrowMagnitude = static_cast<float>(*magnitude);
}

void TFormMolecules::EditNormalModeArrowRadiusChange() {
  if (const auto radius = ReadEdit(EditNormalModeArrowRadius)) ModeArrowRadius = static_cast<float>(*radius);
}

void TFormMolecules::CheckBoxNormalModeArrowClick() { ShowModeArrows = CheckBoxNormalModeArrow->isChecked(); }

void TFormMolecules::CheckBoxShowDummyAtomsClick() {
  if (SelectedMolFile && SelectedMolGL) SelectedMolGL->ShowDummyAtoms = CheckBoxShowDummyAtoms->isChecked();
}

void TFormMolecules::PoupItemUndoZoomClick() { ChartNormalModes->UndoZoom(); }

void TFormMolecules::PoupItemClearSpectrumClick() { ChartNormalModes->ClearLine(); }
