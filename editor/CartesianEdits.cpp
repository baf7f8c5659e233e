// Typing into the Cartesian grid: labels and coordinates of existing atoms,
// written back over the selected molecule on every accepted keystroke; and
// what the Z-matrix grids' edits share with it (lines, refused numbers).
#include <algorithm>

#include <QTimer>

#include "CellText.h"
#include "UnitMoleculeEdit.h"
#include "molfile/AtomLabels.h"
#include "platform/Numbers.h"
#include "platform/TextCodec.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/StringGrid.h"

void TFormMoleculeEdit::RegenerateLine(std::uint32_t id, bool mopacToo) {
  if (EditedMolFile.FileType == GAUSSIAN_INPUT) {
    EditedMolFile.UpdateAtomLine(id);
  } else if (mopacToo && EditedMolFile.FileType == MOPAC_INPUT) {
    EditedMolFile.UpdateMopacAtomLine(id);
  }
}

void TFormMoleculeEdit::ShowLabelInReferences(std::int32_t id, const std::string& label, bool mopacToo) {
  ZMatrix& z = EditedMolFile.ZMatrixData;
  int column = 3;
  for (const auto* entries : {&z.Bonds, &z.Angles, &z.Dihedrals}) {
    for (const auto& [atom, pair] : *entries) {
      if (pair.Reference != id || z.ReferenceStyles[atom] != 2) continue;
      for (int row = 1; row < StringGridZMatrixData->rowCount(); ++row) {
        if (AtomIdOfCell(StringGridZMatrixData->Cell(0, row)) == atom) {
          StringGridZMatrixData->SetCell(column, row, QString::fromStdString(Cp932ToUtf8(label)));
          StringGridZMatrixData->WidenToCell(column, row);
        }
      }
      RegenerateLine(static_cast<std::uint32_t>(atom), mopacToo);
    }
    column += 2;
  }
}

bool TFormMoleculeEdit::RefusedBeyondRange(StringGrid* grid, int column, int row, const std::string& number) {
  if (!BeyondDoubleRange(number)) return false;
  const QString typed = grid->Cell(column, row);
  // No later key of this edit may be taken while the message waits.
  grid->EndEdit();
  grid->SetCell(column, row, grid->TextBeforeEdit());
  if (beforeEdit_) {
    EditedMolFile = std::move(*beforeEdit_);
    beforeEdit_.reset();
    TakeSelectedNames();
    CopyBackToSelected();
  }
  // A modal box run from inside the editor's key handling lets Qt delete
  // the editor under it: the message waits until that has returned.
  QTimer::singleShot(0, this, [this, typed] {
    ShowMessage(this, QStringLiteral("%1 は扱える数の範囲を超えています。値は変わりません。").arg(typed));
  });
  return true;
}

void TFormMoleculeEdit::KeepBeforeEdit() {
  if (!beforeEdit_) beforeEdit_ = EditedMolFile;
}

void TFormMoleculeEdit::EndCellEdits() {
  for (StringGrid* grid : {StringGridCartesianData, StringGridZMatrixData, StringGridZMatrixVariables}) grid->EndEdit();
  beforeEdit_.reset();
}

void TFormMoleculeEdit::StringGridCartesianDataSetEditText(int column, int row, const QString& value) {
  // Nothing to write back to: the edit is not taken.
  if (!HasSelection()) return;
  StringGrid* grid = StringGridCartesianData;
  const bool coordinate = column >= 3 && column <= 5;
  const std::string text =
      coordinate ? NumberCellText(value, NumberFirst, NumberLast) : FilterCell(value, LabelFirst, LabelLast);
  if (row < 1 || text.empty()) return;
  for (int c = 0; c <= 5; ++c) {
    if (grid->Cell(c, row).isEmpty()) return;
  }
  const int id = AtomIdOfCell(grid->Cell(0, row));
  // A row left from before a refill may name no atom of the copy.
  const std::vector<std::int32_t>& ids = EditedMolFile.AtomIds.Ids;
  if (std::find(ids.begin(), ids.end(), id) == ids.end()) return;
  if (coordinate && RefusedBeyondRange(grid, column, row, text)) return;

  KeepBeforeEdit();
  TakeSelectedNames();
  Identifier& atoms = EditedMolFile.AtomIds;
  const std::int32_t type = EditedMolFile.FileType;
  const bool output =
      type == GAUSSIAN_OUTPUT || type == GAUSSIAN_OUTPUT_RESERVED || type == GAUSSIAN_OUTPUT_ANIMATION;
  if (column == 1) {
    grid->SetCell(1, row, QString::fromStdString(FormatFloat("0", atoms.AtomicNumbers[id])));
  } else if (column == 2 && output) {
    grid->SetCell(2, row, QString::fromStdString(Cp932ToUtf8(atoms.Labels[id])));
  } else if (column == 2) {
    const std::uint32_t number = TypedAtomicNumber(EditedMolFile.FileType, text, AtomicNumberFromLabel);
    atoms.AtomicNumbers[id] = number;
    grid->SetCell(1, row, QString::fromStdString(FormatFloat("0", number)));
    grid->WidenToCell(1, row);
    // A TINKER label stays the serial number, by which connections name
    // atoms; the element goes into the atom's name column.
    if (type != TINKER_XYZ) {
      atoms.Labels[id] = text;
      ShowLabelInReferences(id, text, false);
    }
  } else if (coordinate) {
    Position<double>& position = EditedMolFile.CartesianData.Positions[id];
    const double number = ReadDouble(text);
    if (column == 3) position.x = number;
    if (column == 4) position.y = number;
    if (column == 5) position.z = number;
  }
  // A MOPAC line is written in MOPAC's form only where the atom is Cartesian.
  RegenerateLine(static_cast<std::uint32_t>(id), EditedMolFile.AtomIds.Kinds[id] == CARTESIAN);
  // A TINKER file's atoms are their own text: a move or a new element rewrites it.
  if ((coordinate || column == 2) && type == TINKER_XYZ) {
    EditedMolFile.UpdateTinkerAtomLine(static_cast<std::uint32_t>(id));
  }
  CopyBackToSelected();
}
