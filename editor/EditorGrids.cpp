// Filling the editor's grids from its copy of the molecule, and the chosen
// mode's displacements.
#include <cstddef>
#include <string>
#include <vector>

#include <QLabel>

#include "CellText.h"
#include "UnitMoleculeEdit.h"
#include "platform/Numbers.h"
#include "platform/TextCodec.h"
#include "platform/ui/StringGrid.h"

namespace {

QString Picture(const char* picture, double value) { return QString::fromStdString(FormatFloat(picture, value)); }

QString Text(const std::string& bytes) { return QString::fromStdString(Cp932ToUtf8(bytes)); }

void ShowCoordinates(StringGrid* grid, int row, const Position<double>& p) {
  grid->SetCell(3, row, Picture("0.000000", p.x));
  grid->SetCell(4, row, Picture("0.000000", p.y));
  grid->SetCell(5, row, Picture("0.000000", p.z));
}

// `rows` rows of data below the headings (one empty row when there are
// none), every data cell emptied, so that nothing of an earlier molecule
// stays in a row the new one fills only in part.
void Reset(StringGrid* grid, std::size_t rows) {
  grid->SetRowCount(rows == 0 ? 2 : static_cast<int>(rows) + 1);
  for (int row = 1; row < grid->rowCount(); ++row) {
    for (int column = 0; column < grid->columnCount(); ++column) grid->SetCell(column, row, QString());
  }
}

// The ids of `file`'s atoms of `kind`, in file order: one grid row each.
std::vector<std::int32_t> AtomsOfKind(MolFile& file, std::uint32_t kind) {
  std::vector<std::int32_t> ids;
  for (std::int32_t id : file.AtomIds.Ids) {
    if (file.AtomIds.Kinds[id] == kind) ids.push_back(id);
  }
  return ids;
}

// Element `index` of a table that may be shorter than the mode list.
template <typename T>
const T* At(const std::vector<T>& table, std::size_t index) {
  return index < table.size() ? &table[index] : nullptr;
}

QString Picture4(const std::vector<float>& table, std::size_t index) {
  const float* value = At(table, index);
  return value ? QString::fromStdString(FormatModeValue(*value)) : QString();
}

}  // namespace

void TFormMoleculeEdit::UpdateGrids() {
  EndCellEdits();
  MolFile& file = EditedMolFile;
  LabelNormalModeDisplacements->setText(QStringLiteral("Mode"));
  Reset(StringGridNormalModeDisplacements, 0);

  const std::vector<std::int32_t> cartesian = AtomsOfKind(file, CARTESIAN);
  Reset(StringGridCartesianData, cartesian.size());
  int row = 1;
  for (std::int32_t id : cartesian) {
    const Position<double>& p = file.CartesianData.Positions[id];
    StringGrid* grid = StringGridCartesianData;
    grid->SetCell(0, row, Picture("0", id + 1.0));
    grid->SetCell(1, row, Picture("0", file.AtomIds.AtomicNumbers[id]));
    grid->SetCell(2, row, Text(file.AtomIds.Labels[id]));
    ShowCoordinates(grid, row, p);
    ++row;
  }

  const std::vector<std::int32_t> zmatrix = AtomsOfKind(file, ZMATRIX);
  Reset(StringGridZMatrixData, zmatrix.size());
  row = 1;
  for (std::int32_t id : zmatrix) {
    StringGrid* grid = StringGridZMatrixData;
    grid->SetCell(0, row, Picture("0", id + 1.0));
    grid->SetCell(1, row, Picture("0", file.AtomIds.AtomicNumbers[id]));
    grid->SetCell(2, row, Text(file.AtomIds.Labels[id]));
    const std::int32_t style = file.ZMatrixData.ReferenceStyles[id];
    int column = 3;
    for (const auto* entries : {&file.ZMatrixData.Bonds, &file.ZMatrixData.Angles, &file.ZMatrixData.Dihedrals}) {
      const auto entry = entries->find(id);
      if (entry != entries->end() && (style == 1 || style == 2)) {
        const ZMatrix::Pair& pair = entry->second;
        QString reference;
        if (style == 2) {
          // An unresolved reference names no atom.
          const auto label = file.AtomIds.Labels.find(pair.Reference);
          if (label != file.AtomIds.Labels.end()) reference = Text(label->second);
        } else {
          reference = Picture("0", pair.Reference + 1.0);
        }
        grid->SetCell(column, row, reference);
        grid->SetCell(column + 1, row, Text(pair.Text));
      }
      column += 2;
    }
    ++row;
  }

  Reset(StringGridZMatrixVariables, file.ZMatrixData.Variables.size());
  row = 1;
  for (const auto& [key, variable] : file.ZMatrixData.Variables) {
    StringGridZMatrixVariables->SetCell(0, row, Text(variable.Text));
    StringGridZMatrixVariables->SetCell(1, row, Picture("0.0000", variable.Value));
    ++row;
  }

  const NormalModes& modes = file.ModeData;
  Reset(StringGridNormalModes, modes.ModeNumbers.size());
  PanelNormalModes->setVisible(!modes.ModeNumbers.empty());
  for (std::size_t k = 0; k < modes.ModeNumbers.size(); ++k) {
    StringGrid* grid = StringGridNormalModes;
    const int r = static_cast<int>(k) + 1;
    grid->SetCell(0, r, Picture("0", modes.ModeNumbers[k]));
    const std::string* symmetry = At(modes.Symmetries, k);
    grid->SetCell(1, r, symmetry ? Text(*symmetry) : QString());
    grid->SetCell(2, r, Picture4(modes.Frequencies, k));
    grid->SetCell(3, r, Picture4(modes.ReducedMasses, k));
    grid->SetCell(4, r, Picture4(modes.ForceConstants, k));
    grid->SetCell(5, r, Picture4(modes.IRIntensities, k));
    grid->SetCell(6, r, Picture4(modes.RamanActivities, k));
    grid->SetCell(7, r, Picture4(modes.Depolarizations, k));
  }
  FitAllColumns();
}

void TFormMoleculeEdit::ShowNamedCoordinates() {
  const Cartesian& cartesian = EditedMolFile.CartesianData;
  if (cartesian.Names.empty()) return;
  StringGrid* grid = StringGridCartesianData;
  for (int row = 1; row < grid->rowCount(); ++row) {
    const int id = AtomIdOfCell(grid->Cell(0, row));
    if (!cartesian.Names.contains(id)) continue;
    ShowCoordinates(grid, row, cartesian.Positions.at(id));
    for (int column = 3; column <= 5; ++column) grid->WidenToCell(column, row);
  }
}

void TFormMoleculeEdit::StringGridNormalModesSelectCell(int, int row) {
  if (row < 0) return;
  const NormalModes& modes = EditedMolFile.ModeData;
  const std::int32_t number = ReadInt(StringGridNormalModes->Cell(0, row).toStdString());
  for (std::size_t k = 0; k < modes.ModeNumbers.size(); ++k) {
    if (static_cast<std::int64_t>(modes.ModeNumbers[k]) != number) continue;
    LabelNormalModeDisplacements->setText(QStringLiteral("Mode ") + Picture("0", number));
    const NormalModes::Displacement* displacement = At(modes.Displacements, k);
    const std::size_t atoms = displacement ? displacement->AtomNumbers.size() : 0;
    StringGrid* grid = StringGridNormalModeDisplacements;
    grid->SetRowCount(atoms == 0 ? 2 : static_cast<int>(atoms) + 1);
    for (std::size_t j = 0; j < atoms; ++j) {
      const int r = static_cast<int>(j) + 1;
      grid->SetCell(0, r, Picture("0", displacement->AtomNumbers[j]));
      // A row without its vector shows the atom alone.
      const Position<double>* vector = At(displacement->Vectors, j);
      grid->SetCell(1, r, vector ? Picture("0.00", vector->x) : QString());
      grid->SetCell(2, r, vector ? Picture("0.00", vector->y) : QString());
      grid->SetCell(3, r, vector ? Picture("0.00", vector->z) : QString());
    }
  }
  FitDisplacementColumns();
}
