// Typing into the Z-matrix grid (labels, reference atoms, values) and into
// the variables grid (values), written back over the selected molecule.
#include <algorithm>
#include <iterator>
#include <cstddef>

#include "CellText.h"
#include "UnitMoleculeEdit.h"
#include "molfile/AtomLabels.h"
#include "platform/Numbers.h"
#include "platform/TextCodec.h"
#include "platform/ui/StringGrid.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A value cell takes only a number: a digit first, or "-" or "." and then a
// digit. A variable name or a lone sign is not one.
bool IsNumberText(const std::string& text) {
  if (text.empty()) return false;
  if (IsDigit(text[0])) return true;
  return text.size() >= 2 && (text[0] == '-' || text[0] == '.') && IsDigit(text[1]);
}

// The atom a typed reference names: a 1-based number, overridden by the last
// atom whose label is the whole text; -1 for none.
std::int32_t ReferencedAtom(const Identifier& atoms, const std::string& text) {
  std::int32_t reference = -1;
  if (text[0] >= '1' && text[0] <= '9') reference = ReadInt(text) - 1;
  for (const auto& [id, label] : atoms.Labels) {
    if (label == text) reference = id;
  }
  return reference;
}

}  // namespace

void TFormMoleculeEdit::StringGridZMatrixDataSetEditText(int column, int row, const QString& value) {
  if (!HasSelection()) return;
  StringGrid* grid = StringGridZMatrixData;
  const bool valueColumn = column == 4 || column == 6 || column == 8;
  const std::string text =
      valueColumn ? NumberCellText(value, LabelFirst, LabelLast) : FilterCell(value, LabelFirst, LabelLast);
  const int id = AtomIdOfCell(grid->Cell(0, row));
  // The first atom has no distance, the second no angle, the third no
  // dihedral, whatever is typed there. An empty "atom" cell (id -1) rules
  // out nothing.
  const auto place = static_cast<std::uint32_t>(id);
  if (place == 0) grid->SetCell(3, row, QString()), grid->SetCell(4, row, QString());
  if (place <= 1) grid->SetCell(5, row, QString()), grid->SetCell(6, row, QString());
  if (place <= 2) grid->SetCell(7, row, QString()), grid->SetCell(8, row, QString());

  if (row < 1 || text.empty()) return;
  for (int c = 0; c <= 2; ++c) {
    if (grid->Cell(c, row).isEmpty()) return;
  }
  if (place >= 1) {
    const int last = place == 1 ? 3 : place == 2 ? 5 : 7;
    if (grid->Cell(last, row).isEmpty() || grid->Cell(last + 1, row).isEmpty()) return;
  }
  const std::vector<std::int32_t>& ids = EditedMolFile.AtomIds.Ids;
  if (std::find(ids.begin(), ids.end(), id) == ids.end()) return;

  TakeSelectedNames();
  Identifier& atoms = EditedMolFile.AtomIds;
  ZMatrix& z = EditedMolFile.ZMatrixData;
  // Columns 3 and 4 belong to the distance, 5 and 6 to the angle, 7 and 8
  // to the dihedral.
  std::map<std::int32_t, ZMatrix::Pair>* entries = column <= 4 ? &z.Bonds : column <= 6 ? &z.Angles : &z.Dihedrals;
  const auto entry = entries->find(id);
  const bool hasEntry = entry != entries->end();
  if (hasEntry && valueColumn && IsNumberText(text) && RefusedBeyondRange(grid, column, row, text)) return;
  KeepBeforeEdit();

  if (column == 1) {
    grid->SetCell(1, row, QString::fromStdString(FormatFloat("0", atoms.AtomicNumbers[id])));
  } else if (column == 2) {
    const std::uint32_t number = TypedAtomicNumber(EditedMolFile.FileType, text, ParseAtomLabel);
    atoms.AtomicNumbers[id] = number;
    atoms.Labels[id] = text;
    grid->SetCell(1, row, QString::fromStdString(FormatFloat("0", number)));
    grid->WidenToCell(1, row);
    ShowLabelInReferences(id, text, true);
  } else if (hasEntry && (column == 3 || column == 5 || column == 7)) {
    const std::int32_t reference = ReferencedAtom(atoms, text);
    // Only an atom earlier in the file can be a reference.
    if (reference >= 0 && reference < id) entry->second.Reference = reference;
  } else if (hasEntry && valueColumn) {
    if (IsNumberText(text)) {
      // A number typed over a name replaces it: no variable sets it again.
      entry->second.Value = ReadDouble(text);
      entry->second.Text = NumberTaken(text);
      entry->second.IsVariable = false;
    }
  }
  RegenerateLine(static_cast<std::uint32_t>(id), true);
  CopyBackToSelected();
}

void TFormMoleculeEdit::StringGridZMatrixVariablesSetEditText(int column, int row, const QString& value) {
  if (!HasSelection()) return;
  StringGrid* grid = StringGridZMatrixVariables;
  const std::string text =
      column == 1 ? NumberCellText(value, NumberFirst, NumberLast) : FilterCell(value, NumberFirst, LabelLast);
  ZMatrix& z = EditedMolFile.ZMatrixData;
  // Rows follow the variables in key order.
  auto variable = z.Variables.end();
  if (row >= 1 && static_cast<std::size_t>(row) <= z.Variables.size()) {
    variable = std::next(z.Variables.begin(), row - 1);
  }
  const bool accepted = row >= 1 && !text.empty() && !grid->Cell(0, row).isEmpty() &&
                        !grid->Cell(1, row).isEmpty() && variable != z.Variables.end();
  if (accepted && column == 0) {
    // Names are read-only.
    grid->SetCell(0, row, QString::fromStdString(Cp932ToUtf8(variable->second.Text)));
  } else if (accepted && column == 1) {
    if (RefusedBeyondRange(grid, column, row, text)) return;
    KeepBeforeEdit();
    variable->second.Value = ReadDouble(text);
    // The entries and coordinates take the value as the reader would give it them.
    EditedMolFile.ResolveVariables();
    ShowNamedCoordinates();
    // The number as typed goes into the variable's own line, so Save keeps it.
    if (EditedMolFile.FileType == GAUSSIAN_INPUT) EditedMolFile.UpdateVariableLine(variable->first, NumberTaken(text));
  }
  TakeSelectedNames();
  CopyBackToSelected();
}
