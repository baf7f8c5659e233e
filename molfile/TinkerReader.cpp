// TINKER XYZ: a count-and-title line, then one Cartesian atom per line:
// serial number, atom name, x, y, z, force-field type and bonded serials.
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "AtomLabels.h"
#include "MolFile.h"
#include "ReaderSupport.h"
#include "platform/Numbers.h"

namespace {

bool IsSerialNumber(const std::string& token) {
  for (const char c : token)
    if (!IsDigit(c)) return false;
  return !token.empty();
}

// The periodic box (three edges, three angles) that TINKER writes after the
// title: six tokens, every one of them a number and nothing else.
bool IsBoxLine(const std::vector<std::string>& tokens) {
  if (tokens.size() != 6) return false;
  for (const std::string& token : tokens) {
    std::size_t used = 0;
    ReadDouble(token, &used);
    if (used != token.size()) return false;
  }
  return true;
}

// Only a line that begins with a serial number is an atom; true when it was
// one.
bool ParseTinkerAtoms(Cartesian& cartesian, std::uint32_t i, const std::vector<std::string>& tokens,
                      Identifier& atoms) {
  if (tokens.size() < 5 || !IsSerialNumber(tokens[0])) return false;
  const std::int32_t id = AddAtom(atoms, i, CARTESIAN, tokens[0], NormalizeAtomLabel(tokens[1]));
  SetPosition(cartesian, id, tokens[2], tokens[3], tokens[4]);
  for (std::size_t k = 6; k < tokens.size(); ++k) atoms.Connections.emplace(id, tokens[k]);
  return true;
}

}  // namespace

void MolFile::ReadTinkerXyz(const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  Name = lines[0];  // the count and the title
  std::vector<std::string> tokens;
  Tokenize(lines[0], tokens);
  // A count makes the molecule that many atoms: an archive's next frame,
  // whose title may hold five words or more, is not read. Without a count
  // every atom line counts.
  const bool counted = !tokens.empty() && IsSerialNumber(tokens[0]);
  std::uint32_t left = counted ? ReadUnsigned(tokens[0]) : std::numeric_limits<std::uint32_t>::max();
  for (std::size_t i = 1; i < lines.size() && left > 0; ++i) {
    tokens.clear();
    Tokenize(lines[i], tokens);
    if (counted && i == 1 && IsBoxLine(tokens)) continue;
    if (ParseTinkerAtoms(CartesianData, static_cast<std::uint32_t>(i), tokens, AtomIds) && counted) --left;
  }
}
