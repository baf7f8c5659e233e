// Conversions of a record into a Gaussian input, through a temporary display
// model that places the Z-matrix atoms.
#include <algorithm>
#include <string>
#include <vector>

#include "AtomLabels.h"
#include "MolFile.h"
#include "ReaderSupport.h"
#include "core/Elements.h"
#include "display/MolGL.h"
#include "display/ZMatrixPlacement.h"
#include "platform/Numbers.h"

namespace {

std::string Fixed(double value) { return FormatFixed(value, 11); }

std::string Symbol(std::uint32_t atomicNumber) {
  const auto it = ElementTable.NumberToSymbol.find(atomicNumber);
  return it == ElementTable.NumberToSymbol.end() ? std::string() : it->second;
}

std::string Coordinates(const Position<double>& p) {
  return "  " + Fixed(p.x) + "  " + Fixed(p.y) + "  " + Fixed(p.z);
}

// "  <symbol><number>  <value>" for one Z-matrix entry, its value times
// `unit`; a reference to a dummy or unresolved atom is the bare number.
std::string Reference(const Identifier& ids, const ZMatrix::Pair& pair, double unit) {
  const auto number = ids.AtomicNumbers.find(pair.Reference);
  const std::string symbol = number == ids.AtomicNumbers.end() ? "" : Symbol(number->second);
  return "  " + symbol + std::to_string(static_cast<std::int64_t>(pair.Reference) + 1) + "  " +
         Fixed(pair.Value * unit);
}

// In angstroms, which the written route leaves Gaussian to take; angles are
// degrees in both programs.
void AppendMopacAtoms(const MolFile& file, std::vector<std::string>& lines) {
  const Identifier& ids = file.AtomIds;
  const ZMatrix& z = file.ZMatrixData;
  const double length = file.Units.Length;
  for (std::int32_t id : ids.Ids) {
    const auto kind = ids.Kinds.find(id);
    if (kind == ids.Kinds.end() || (kind->second != ZMATRIX && kind->second != CARTESIAN)) continue;
    const auto number = ids.AtomicNumbers.find(id);
    std::string line = SymbolOrX(number == ids.AtomicNumbers.end() ? 0 : number->second) +
                       std::to_string(static_cast<std::int64_t>(id) + 1);
    if (kind->second == CARTESIAN) {
      // A wholly Cartesian MOPAC geometry.
      const auto position = file.CartesianData.Positions.find(id);
      lines.push_back(line + Coordinates(position == file.CartesianData.Positions.end() ? Position<double>{}
                                                                                        : length * position->second));
      continue;
    }
    const auto bond = z.Bonds.find(id);
    const auto angle = z.Angles.find(id);
    const auto dihedral = z.Dihedrals.find(id);
    if (bond != z.Bonds.end()) {
      line += Reference(ids, bond->second, length);
      if (angle != z.Angles.end()) {
        line += Reference(ids, angle->second, 1.0);
        if (dihedral != z.Dihedrals.end()) line += Reference(ids, dihedral->second, 1.0);
      }
    }
    lines.push_back(std::move(line));
  }
}

// A blank line ends a Gaussian title, and the next line would be read as the
// charge: a name of several lines is written on one, each run of line
// breaks as a blank. A loop, not a regular expression: those recurse once
// per character matched, and a pasted name of many line breaks would
// overflow the stack.
std::string Title(const std::string& name) {
  std::string title;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const bool lineBreak = name[i] == '\r' || name[i] == '\n';
    if (!lineBreak) title += name[i];
    else if (i == 0 || (name[i - 1] != '\r' && name[i - 1] != '\n')) title += ' ';
  }
  return title.find_first_not_of(" \t") == std::string::npos ? "Comment by Quivera" : title;
}

}  // namespace

void MolFile::ToGaussianInput() {
  std::vector<std::string> lines{"#T HF/STO-3G TEST", "", Title(Name), "",
                                 std::to_string(Charge) + ' ' + std::to_string(Multiplicity)};
  // A MOPAC geometry whose later atoms are Cartesian is written as positions:
  // Gaussian would build its internal atoms in a frame of its own.
  if (FileType == MOPAC_INPUT && ZMatrixFrameOf(*this) == ZMatrixFrame::Display) {
    AppendMopacAtoms(*this, lines);
  } else {
    MolGL model;
    ToMolGL(model);
    for (const Atom& atom : model.Atoms) lines.push_back(SymbolOrX(atom.AtomicNumber) + Coordinates(atom.BasePosition));
  }
  // The blank line that ends the molecule section, and the empty last line
  // that makes Save end it with a line end (Save writes them between lines).
  lines.emplace_back();
  lines.emplace_back();
  Lines = std::move(lines);
  FileType = GAUSSIAN_INPUT;
  Parse();
}

void MolFile::ToCartesian() {
  // Only a Gaussian input reads four-token lines back as Cartesian atoms;
  // another format's reader would misread them and lose the molecule.
  if (FileType != GAUSSIAN_INPUT) return;
  if (!HasAtomsToConvert()) return;
  MolGL model;
  ToMolGL(model);
  for (std::int32_t id : AtomIds.Ids) WriteCartesianLine(id, model);
  // Gaussian reads variables only for a molecule that names one (a name left
  // on an atom or a translation vector line): otherwise the block after its
  // blank line is the next section (isotopes, a basis set), where the old
  // definitions must not stand.
  const std::vector<std::uint32_t> section = std::move(ZMatrixData.SectionLineIndexes);
  Parse();
  if (!ZMatrixData.NamedByAtoms)
    for (auto line = section.rbegin(); line != section.rend(); ++line) Lines.erase(Lines.begin() + *line);
  EndMoleculeSection();
  Parse();
}

// Gaussian reads a molecule section up to a blank line. A Z-matrix may have
// gone on with "Variables:" or ended the file; the Cartesian section still
// needs its blank line, and a saved text that ends with it needs a line end
// after it too. A periodic molecule's translation vectors after its atoms
// belong to it, and so do comment lines, which Gaussian passes over
// wherever they stand: the blank line goes after the last of them.
void MolFile::EndMoleculeSection() {
  std::size_t last = 0;
  for (const auto& [id, index] : AtomIds.LineIndexes) last = std::max<std::size_t>(last, index);
  std::vector<std::string> tokens;
  for (std::size_t i = last + 1; i < Lines.size(); ++i) {
    const std::size_t comment = Lines[i].find('!');
    tokens.clear();
    Tokenize(Lines[i].substr(0, comment), tokens);
    const bool commentOnly = tokens.empty() && comment != std::string::npos;
    if (!commentOnly && (tokens.empty() || !IsTranslationVector(tokens[0]))) break;
    last = i;
  }
  const std::size_t next = last + 1;
  tokens.clear();
  if (next < Lines.size()) Tokenize(Lines[next], tokens);
  if (next >= Lines.size() || !tokens.empty()) Lines.insert(Lines.begin() + next, "");
  if (next + 1 == Lines.size()) Lines.emplace_back();
}

void MolFile::WriteCartesianLine(std::int32_t id, const MolGL& model) {
  const auto kind = AtomIds.Kinds.find(id);
  if (kind == AtomIds.Kinds.end()) return;
  // A Cartesian atom's line is rewritten only for the variables it names:
  // it then gives their values.
  if (kind->second == CARTESIAN && CartesianData.Names.contains(id)) UpdateAtomLine(static_cast<std::uint32_t>(id));
  if (kind->second != ZMATRIX) return;
  const auto line = AtomIds.LineIndexes.find(static_cast<std::uint32_t>(id));
  const auto label = AtomIds.Labels.find(id);
  if (id < 0 || static_cast<std::size_t>(id) >= model.Atoms.size()) return;
  if (line == AtomIds.LineIndexes.end() || line->second >= Lines.size() || label == AtomIds.Labels.end())
    return;
  // An ONIOM layer or a fragment after the Z-matrix, and a comment, stay;
  // the flag that may follow a dihedral has no place in a Cartesian line.
  const auto tail = AtomIds.LineTails.find(id);
  std::string extras;
  if (tail != AtomIds.LineTails.end())
    extras = ZMatrixData.Dihedrals.contains(id) ? ZMatrixLineExtras(tail->second) : tail->second;
  // In the file's units, which its route still names.
  const Position<double>& p = model.Atoms[id].BasePosition;
  const double length = Units.Length;
  Lines[line->second] = label->second + Coordinates({p.x / length, p.y / length, p.z / length, p.w}) + extras;
}
