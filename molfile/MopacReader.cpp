// MOPAC input: keyword, title and comment lines, then one internal-coordinate
// (Z-matrix) atom per geometry line: label, bond length, flag, angle, flag,
// dihedral, flag and three reference-atom numbers.
#include <string>
#include <vector>

#include "AtomLabels.h"
#include "MolFile.h"
#include "ReaderSupport.h"
#include "platform/Numbers.h"

namespace {

std::size_t CountTokens(const std::vector<std::string>& tokens, const char* marker) {
  std::size_t n = 0;
  for (const std::string& token : tokens) n += token == marker;
  return n;
}

// The reference written in `token` (1-based in the file), or -1 when the
// token names no atom: then the entry does not exist.
std::int32_t ReferenceId(const std::string& token) {
  const std::int64_t n = ReadInt64(token);
  return n < 1 || n > INT32_MAX ? -1 : static_cast<std::int32_t>(n - 1);
}

ZMatrix::Pair Entry(std::int32_t reference, const std::string& value) {
  ZMatrix::Pair entry;
  entry.Reference = reference;
  entry.Text = WithLeadingZero(value);
  entry.Value = ReadDouble(entry.Text);
  return entry;
}

// Entries exist by the atom's place alone: a bond from the second atom on, an
// angle from the third, a dihedral from the fourth. The optimisation flags
// only say what MOPAC may change (flag 0 freezes a coordinate), so they do
// not decide. A reference written as 0 (MOPAC's own mark for an unused
// coordinate of the first atoms, and what a regenerated line writes for a
// missing entry) leaves that entry and the later ones out.
void ReadMopacGeometry(ZMatrix& zmatrix, std::uint32_t i, std::vector<std::string> tokens,
                       Identifier& atoms) {
  if (tokens.empty() || tokens[0] == "Tv" || tokens[0] == "0") return;
  // MOPAC writes partial charges in an eleventh column.
  if (tokens.size() > 10) tokens.resize(10);
  const std::size_t n = tokens.size();
  if (n != 10 && atoms.Ids.size() > 3) return;

  const std::int32_t id = AddAtom(atoms, i, ZMATRIX, tokens[0], ParseAtomLabel(tokens[0]));
  ++zmatrix.Count;
  zmatrix.ReferenceStyles[id] = 1;
  const std::int32_t ordinal = zmatrix.Count;

  // References: columns 8 to 10 of a full line, 6 and 7 of a seven-token
  // line, otherwise the atoms just before.
  const auto reference = [&](std::size_t full, std::size_t seven, std::int32_t before) {
    if (n == 10) return ReferenceId(tokens[full]);
    if (n == 7) return ReferenceId(tokens[seven]);
    return id - before;
  };

  if (n < 3 || ordinal < 2) return;
  const std::int32_t bondTo = reference(7, 5, 1);
  if (bondTo < 0) return;
  zmatrix.Bonds[id] = Entry(bondTo, tokens[1]);

  if (n < 5 || ordinal < 3) return;
  const std::int32_t angleTo = reference(8, 6, 2);
  if (angleTo < 0) return;
  zmatrix.Angles[id] = Entry(angleTo, tokens[3]);

  if (n != 10 || ordinal < 4) return;
  const std::int32_t dihedralTo = ReferenceId(tokens[9]);
  if (dihedralTo < 0) return;
  zmatrix.Dihedrals[id] = Entry(dihedralTo, tokens[5]);
}

// Newer MOPAC files have comment lines beginning with "*" above the keywords.
bool IsCommentLine(const std::string& line) { return !line.empty() && line[0] == '*'; }

}  // namespace

void MolFile::ReadMopacInput(const std::vector<std::string>& lines) {
  std::size_t first = 0;
  while (first < lines.size() && IsCommentLine(lines[first])) ++first;

  int keywordLines = 1;
  int titleLines = 2;
  bool inGeometry = false;
  for (std::size_t i = first; i < lines.size(); ++i) {
    const std::size_t row = i - first;  // line number within the header
    std::vector<std::string> tokens;
    Tokenize(lines[i], tokens);

    // "+" continues the keywords on the next line; "&" does too, in place of
    // a title line.
    if (row == 0 || (row == 1 && keywordLines != 0)) {
      if (CountTokens(tokens, "+") > 0) {
        ++keywordLines;
      } else if (CountTokens(tokens, "&") > 0) {
        ++keywordLines;
        --titleLines;
      }
    }
    // An empty line ends the geometry once it has begun; what follows
    // (symmetry data, a second job) is not geometry.
    if (inGeometry && tokens.empty() && (row >= 6 || !AtomIds.Ids.empty())) break;
    if (keywordLines == 0 && titleLines != 0 && Name.empty()) Name = lines[i];
    if (inGeometry) ReadMopacGeometry(ZMatrixData, static_cast<std::uint32_t>(i), tokens, AtomIds);
    if (row >= 1 && keywordLines == 0 && titleLines != 0) --titleLines;
    if (keywordLines != 0) --keywordLines;
    if (keywordLines == 0 && titleLines == 0) inGeometry = true;
  }
}
