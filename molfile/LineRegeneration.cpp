// After the editor changes an atom in the tables, its one line of text is
// written again from them, in Gaussian input or MOPAC form, so that Save and
// the text view say what the tables say. Only the line the atom owns changes.
#include <cstdint>
#include <string>

#include "MolFile.h"
#include "platform/Numbers.h"

namespace {

// Fixed notation, eleven decimals: 1.5 is 1.50000000000.
std::string Fixed11(double value) { return FormatFixed(value, 11); }

// Ten significant digits, the point and trailing zeros always shown.
std::string General10(double value) { return FormatSignificant(value, 10); }

// The 1-based number of a reference atom, 0 for an unresolved one.
std::string ReferenceNumber(std::int32_t reference) {
  return FormatFloat("0", reference < 0 ? 0.0 : static_cast<double>(reference) + 1);
}

// The line an atom owns, with its table key. Null where the atom has no line
// (or no kind or label): indexing would give it line 0, the route line.
std::string* OwnedLine(MolFile& file, std::uint32_t id, std::int32_t& key) {
  const Identifier& atoms = file.AtomIds;
  const auto lineIndex = atoms.LineIndexes.find(id);
  if (lineIndex == atoms.LineIndexes.end() || lineIndex->second >= file.Lines.size()) return nullptr;
  if (id > static_cast<std::uint32_t>(INT32_MAX)) return nullptr;
  key = static_cast<std::int32_t>(id);
  if (!atoms.Kinds.contains(key) || !atoms.Labels.contains(key)) return nullptr;
  return &file.Lines[lineIndex->second];
}

}  // namespace

void MolFile::UpdateAtomLine(std::uint32_t id) {
  std::int32_t key = 0;
  std::string* owned = OwnedLine(*this, id, key);
  if (!owned) return;

  std::string line = AtomIds.Labels.at(key);
  const std::uint32_t kind = AtomIds.Kinds.at(key);
  if (kind == CARTESIAN) {
    const auto position = CartesianData.Positions.find(key);
    if (position == CartesianData.Positions.end()) return;
    const Position<double>& p = position->second;
    line += "  " + Fixed11(p.x) + "  " + Fixed11(p.y) + "  " + Fixed11(p.z);
  } else if (kind == ZMATRIX) {
    line += ' ';
    const auto style = ZMatrixData.ReferenceStyles.find(key);
    const int referenceStyle = style == ZMatrixData.ReferenceStyles.end() ? 0 : style->second;
    if (referenceStyle == 1 || referenceStyle == 2) {
      for (const auto* entries : {&ZMatrixData.Bonds, &ZMatrixData.Angles, &ZMatrixData.Dihedrals}) {
        const auto entry = entries->find(key);
        if (entry == entries->end()) continue;
        const ZMatrix::Pair& pair = entry->second;
        if (referenceStyle == 1) {
          line += ReferenceNumber(pair.Reference);
        } else {
          // An unresolved reference writes no label.
          const auto referenced = AtomIds.Labels.find(pair.Reference);
          if (referenced != AtomIds.Labels.end()) line += referenced->second;
        }
        line += ' ' + pair.Text;  // as written: a variable stays a name
        if (entries != &ZMatrixData.Dihedrals) line += ' ';
      }
    }
  } else {
    return;
  }
  *owned = line;
}

void MolFile::UpdateMopacAtomLine(std::uint32_t id) {
  std::int32_t key = 0;
  std::string* owned = OwnedLine(*this, id, key);
  if (!owned || AtomIds.Kinds.at(key) != ZMATRIX) return;

  // Values with their optimisation flags, then the three reference numbers.
  std::string values = AtomIds.Labels.at(key) + "  ";
  std::string references;
  for (const auto* entries : {&ZMatrixData.Bonds, &ZMatrixData.Angles, &ZMatrixData.Dihedrals}) {
    const auto entry = entries->find(key);
    const bool present = entry != entries->end();
    values += present ? General10(entry->second.Value) + "  1 " : General10(0) + "  0 ";
    if (!references.empty()) references += ' ';
    references += present ? ReferenceNumber(entry->second.Reference) : "0";
  }
  *owned = values + references;
}
