// TINKER XYZ: a count-and-title line, then one Cartesian atom per line:
// serial number, atom name, x, y, z, force-field type and bonded serials.
#include <string>
#include <vector>

#include "AtomLabels.h"
#include "MolFile.h"
#include "ReaderSupport.h"

namespace {

bool IsSerialNumber(const std::string& token) {
  for (const char c : token)
    if (!IsDigit(c)) return false;
  return !token.empty();
}

// Periodic files have a box line after the title (six numbers); only a line
// that begins with a serial number is an atom.
void ParseTinkerAtoms(Cartesian& cartesian, std::uint32_t i, const std::vector<std::string>& tokens,
                      Identifier& atoms) {
  if (tokens.size() < 5 || !IsSerialNumber(tokens[0])) return;
  const std::int32_t id = AddAtom(atoms, i, CARTESIAN, tokens[0], NormalizeAtomLabel(tokens[1]));
  SetPosition(cartesian, id, tokens[2], tokens[3], tokens[4]);
  for (std::size_t k = 6; k < tokens.size(); ++k) atoms.Connections.emplace(id, tokens[k]);
}

}  // namespace

void MolFile::ReadTinkerXyz(const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  Name = lines[0];  // the count and the title; the count plays no part
  for (std::size_t i = 1; i < lines.size(); ++i) {
    std::vector<std::string> tokens;
    Tokenize(lines[i], tokens);
    ParseTinkerAtoms(CartesianData, static_cast<std::uint32_t>(i), tokens, AtomIds);
  }
}
