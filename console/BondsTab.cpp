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

// "3: C1": the atom's id + 1 and its label as the file keeps it.
QString AtomText(const MolFile& file, const Atom& atom) {
  QString text = QString::fromStdString(FormatFloat("0", atom.Id + 1)) + QStringLiteral(": ");
  const auto label = file.AtomIds.Labels.find(atom.Id);
  if (label != file.AtomIds.Labels.end()) text += QString::fromStdString(Cp932ToUtf8(label->second));
  return text;
}

}  // namespace

void TFormMolecules::RefreshBondList() {
  ListViewBonds->Clear();
  if (!SelectedMolFile || !SelectedMolGL) return;
  const std::vector<Atom>& atoms = SelectedMolGL->Atoms;
  for (std::size_t k = 0; k < SelectedMolGL->Bonds.size(); ++k) {
    const Bond& bond = SelectedMolGL->Bonds[k];
    QStringList ends;
    for (std::size_t end : {bond.Atom1, bond.Atom2})
      ends << (end < atoms.size() ? AtomText(*SelectedMolFile, atoms[end]) : QString());
    ListViewBonds->AddItem(QString::fromStdString(FormatFloat("0", static_cast<double>(k + 1))), IMAGE_BOND,
                           ends);
  }
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
