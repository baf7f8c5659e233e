// The Bonds tab: the selected display model's bonds listed, their colour and
// radius, bonds rebuilt by distance, and one bond deleted.
#include <QLineEdit>

#include "UnitMolecules.h"
#include "core/ColorValues.h"
#include "platform/Numbers.h"
#include "platform/TextCodec.h"
#include "platform/ui/Icons.h"
#include "platform/ui/ListView.h"
#include "platform/ui/PanelButton.h"
#include "platform/ui/PanelColors.h"

namespace {

// "3: C1": the atom's id + 1 and its label as the file keeps it; nothing for
// an end outside the model.
QString AtomText(const std::pair<std::int32_t, std::string>& end) {
  if (end.first < 0) return QString();
  return QString::fromStdString(FormatFloat("0", end.first + 1)) + QStringLiteral(": ") +
         QString::fromStdString(Cp932ToUtf8(end.second));
}

}  // namespace

void TFormMolecules::RefreshBondList() {
  std::vector<std::pair<std::int32_t, std::string>> ends;
  if (SelectedMolFile && SelectedMolGL) {
    const std::vector<Atom>& atoms = SelectedMolGL->Atoms;
    const auto& labels = SelectedMolFile->AtomIds.Labels;
    ends.reserve(2 * SelectedMolGL->Bonds.size());
    for (const Bond& bond : SelectedMolGL->Bonds) {
      for (std::size_t end : {bond.Atom1, bond.Atom2}) {
        if (end >= atoms.size()) {
          ends.emplace_back(-1, std::string());
          continue;
        }
        const auto label = labels.find(atoms[end].Id);
        ends.emplace_back(atoms[end].Id, label == labels.end() ? std::string() : label->second);
      }
    }
  }
  // The same rows stay as they are, with their selection.
  if (ends == bondEndsShown_ && static_cast<std::size_t>(ListViewBonds->Count()) * 2 == ends.size())
    return;
  ListViewBonds->Clear();
  bondEndsShown_ = std::move(ends);
  for (std::size_t k = 0; 2 * k < bondEndsShown_.size(); ++k)
    ListViewBonds->AddItem(QString::fromStdString(FormatFloat("0", static_cast<double>(k + 1))), IMAGE_BOND,
                           {AtomText(bondEndsShown_[2 * k]), AtomText(bondEndsShown_[2 * k + 1])});
}

void TFormMolecules::PanelBondAutoButtonMouseUp() {
  if (!SelectedMolFile || !SelectedMolGL) return;
  SelectedMolGL->Bonds.clear();
  SelectedMolGL->AutoBond();
  RefreshBondList();
}

void TFormMolecules::PanelBondColorMouseUp() {
  if (!SelectedMolFile || !SelectedMolGL) return;
  ColorDialog.Color = PanelColor(ColorValueOf(SelectedMolGL->BondColor));
  if (!ColorDialog.Execute(this)) return;
  PanelBondColor->SetColor(ColorDialog.Color);
  SelectedMolGL->BondColor = ColorOfValue(ValueOf(ColorDialog.Color));
}

void TFormMolecules::EditBondRadiusChange() {
  if (!SelectedMolFile || !SelectedMolGL) return;
  // A radius a float cannot hold is not stored: it would be drawn and exported as infinite.
  if (const auto radius = ReadSingle(EditBondRadius->text().toStdString())) SelectedMolGL->BondRadius = *radius;
}

void TFormMolecules::PoupItemDeleteSelectedBondClick() {
  const QTreeWidgetItem* row = ListViewBonds->Selected();
  if (!row || !SelectedMolFile || !SelectedMolGL) return;
  const std::int64_t n = ReadInt(row->text(0).toStdString());
  std::vector<Bond>& bonds = SelectedMolGL->Bonds;
  if (n < 1 || n > static_cast<std::int64_t>(bonds.size())) return;
  bonds.erase(bonds.begin() + (n - 1));
  ShowSelectedMolecule();
}
