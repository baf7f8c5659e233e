// MOPAC input: keyword, title and comment lines, then one atom per geometry
// line: label, three values each with an optional optimisation flag, and
// three reference-atom numbers. A geometry that names no reference atom is
// Cartesian (x, y, z); otherwise it is a Z-matrix (bond length, angle and
// dihedral), in which a later line without references is a Cartesian atom.
#include <array>
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

// A symbolic parameter: a value written as a name, which MOPAC defines after
// the geometry. Numbers begin with a digit, a sign or a point.
bool IsName(const std::string& t) {
  return IsLetter(t[0]) || (t.size() >= 2 && (t[0] == '-' || t[0] == '+') && IsLetter(t[1]));
}

// One geometry line split into tokens. A parenthesised part right after the
// label's symbol belongs to the label, blanks and all, as MOPAC writes the
// PDB record of an atom: C(HETATM    1  C   CYN A   1).
struct GeometryLine {
  std::uint32_t Index = 0;
  std::vector<std::string> Tokens;
  std::string Rest;  // the line after its label; its tokens are Tokens[1...]
};

GeometryLine SplitGeometryLine(std::uint32_t index, const std::string& line) {
  GeometryLine g;
  g.Index = index;
  const auto spans = TokenSpans(line);
  if (spans.empty()) return g;
  std::size_t labelEnd = spans[0].second;
  const std::string first = line.substr(spans[0].first, labelEnd - spans[0].first);
  const std::size_t open = first.find('(');
  const std::size_t close =
      open == std::string::npos || first.find(')', open) != std::string::npos ? std::string::npos
                                                                               : line.find(')', labelEnd);
  if (close != std::string::npos) {
    labelEnd = close + 1;
    g.Tokens.push_back(line.substr(spans[0].first, labelEnd - spans[0].first));
  } else {
    Tokenize(first, g.Tokens);  // as the other lines: bytes that are no token's dropped
  }
  g.Rest = line.substr(labelEnd);
  Tokenize(g.Rest, g.Tokens);
  // MOPAC writes partial charges in an eleventh column.
  if (g.Tokens.size() > 10) g.Tokens.resize(10);
  return g;
}

bool IsAtomLine(const GeometryLine& g) {
  return !g.Tokens.empty() && g.Tokens[0] != "Tv" && g.Tokens[0] != "0";
}

// Label and three values, bare (4 tokens) or each with its flag (7), or
// with the three reference columns too (10).
bool GivesThreeValues(const GeometryLine& g) {
  const std::size_t n = g.Tokens.size();
  return n == 4 || n == 7 || n == 10;
}

bool NamesAReference(const GeometryLine& g) {
  if (g.Tokens.size() != 10) return false;
  for (std::size_t k = 7; k < 10; ++k)
    if (ReadInt64(g.Tokens[k]) != 0) return true;
  return false;
}

class MopacGeometryReader {
 public:
  MopacGeometryReader(Identifier& atoms, Cartesian& cartesian, ZMatrix& zmatrix)
      : Atoms(atoms), CartesianData(cartesian), ZMatrixData(zmatrix) {}

  // False, naming the line, when a value is a name.
  bool Read(const std::vector<GeometryLine>& lines, std::int64_t& refusedLine);

 private:
  void ReadCartesian(const GeometryLine& g);
  void ReadZMatrix(const GeometryLine& g);
  void Keep(std::int32_t id, const GeometryLine& g, const std::vector<std::size_t>& values,
            std::size_t flagsEnd, std::size_t last);

  Identifier& Atoms;
  Cartesian& CartesianData;
  ZMatrix& ZMatrixData;
};

// Where the values stand: after the label, each followed by its flag when
// the line has flags. A seven-token line of a Z-matrix's first atoms writes
// two references in place of the dihedral and its flag.
std::vector<std::size_t> ValueColumns(const GeometryLine& g, bool cartesian) {
  const std::size_t n = g.Tokens.size();
  if (cartesian && n == 4) return {1, 2, 3};
  std::vector<std::size_t> columns;
  for (std::size_t k : {1u, 3u, 5u})
    if (k < n && !(k == 5 && n == 7 && !cartesian)) columns.push_back(k);
  return columns;
}

bool MopacGeometryReader::Read(const std::vector<GeometryLine>& lines, std::int64_t& refusedLine) {
  bool cartesian = true;
  for (const GeometryLine& g : lines)
    if (!GivesThreeValues(g) || NamesAReference(g)) cartesian = false;

  for (const GeometryLine& g : lines) {
    const std::size_t n = g.Tokens.size();
    const std::size_t atomsSoFar = Atoms.Ids.size();
    // In a Z-matrix the first four atoms may be written short, their
    // references implied or in columns 6 and 7; a later line without
    // references places its atom at x, y, z.
    const bool cartesianLine =
        cartesian || (GivesThreeValues(g) && !NamesAReference(g) &&
                      ((n == 10 && atomsSoFar >= 3) || atomsSoFar >= 4));
    if (!cartesianLine && n != 10 && atomsSoFar > 3) continue;
    for (std::size_t k : ValueColumns(g, cartesianLine)) {
      if (IsName(g.Tokens[k])) {
        refusedLine = g.Index;
        return false;
      }
    }
    if (cartesianLine)
      ReadCartesian(g);
    else
      ReadZMatrix(g);
  }
  return true;
}

// The flag after each value, where the line writes one before `flagsEnd`,
// and the text after token `last`, the last one read, when more follow.
void MopacGeometryReader::Keep(std::int32_t id, const GeometryLine& g, const std::vector<std::size_t>& values,
                               std::size_t flagsEnd, std::size_t last) {
  std::array<std::string, 3> flags;
  for (std::size_t v = 0; v < values.size(); ++v)
    if (values[v] + 1 < flagsEnd) flags[v] = g.Tokens[values[v] + 1];
  Atoms.Flags[id] = flags;
  // The rest's tokens count from 1, after the label.
  const std::string tail = last == 0 ? std::string() : TextAfterToken(g.Rest, last - 1);
  if (!tail.empty()) Atoms.LineTails[id] = tail;
}

void MopacGeometryReader::ReadCartesian(const GeometryLine& g) {
  const std::vector<std::string>& t = g.Tokens;
  const std::int32_t id = AddAtom(Atoms, g.Index, CARTESIAN, t[0], ParseAtomLabel(t[0]));
  const std::vector<std::size_t> columns = ValueColumns(g, true);
  SetPosition(CartesianData, id, WithLeadingZero(t[columns[0]]), WithLeadingZero(t[columns[1]]),
              WithLeadingZero(t[columns[2]]));
  // Reference columns (all 0) and charges after z's flag stay as written.
  Keep(id, g, columns, t.size() == 4 ? 0 : 7, t.size() == 4 ? 3 : 6);
}

// Entries exist by the atom's place alone: a bond from the second atom on, an
// angle from the third, a dihedral from the fourth. The optimisation flags
// only say what MOPAC may change (flag 0 freezes a coordinate), so they do
// not decide. A reference written as 0 (MOPAC's own mark for an unused
// coordinate of the first atoms, and what a regenerated line writes for a
// missing entry) leaves that entry and the later ones out.
void MopacGeometryReader::ReadZMatrix(const GeometryLine& g) {
  const std::vector<std::string>& tokens = g.Tokens;
  const std::size_t n = tokens.size();
  const std::int32_t id = AddAtom(Atoms, g.Index, ZMATRIX, tokens[0], ParseAtomLabel(tokens[0]));
  ++ZMatrixData.Count;
  ZMatrixData.ReferenceStyles[id] = 1;
  const std::int32_t ordinal = ZMatrixData.Count;
  Keep(id, g, ValueColumns(g, false), n == 7 ? 5 : n, n - 1);

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
  ZMatrixData.Bonds[id] = Entry(bondTo, tokens[1]);

  if (n < 5 || ordinal < 3) return;
  const std::int32_t angleTo = reference(8, 6, 2);
  if (angleTo < 0) return;
  ZMatrixData.Angles[id] = Entry(angleTo, tokens[3]);

  if (n != 10 || ordinal < 4) return;
  const std::int32_t dihedralTo = ReferenceId(tokens[9]);
  if (dihedralTo < 0) return;
  ZMatrixData.Dihedrals[id] = Entry(dihedralTo, tokens[5]);
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
  std::vector<GeometryLine> geometry;
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
    if (inGeometry && tokens.empty() && (row >= 6 || !geometry.empty())) break;
    if (keywordLines == 0 && titleLines != 0 && Name.empty()) Name = lines[i];
    if (inGeometry) {
      GeometryLine g = SplitGeometryLine(static_cast<std::uint32_t>(i), lines[i]);
      if (IsAtomLine(g)) geometry.push_back(std::move(g));
    }
    if (row >= 1 && keywordLines == 0 && titleLines != 0) --titleLines;
    if (keywordLines != 0) --keywordLines;
    if (keywordLines == 0 && titleLines == 0) inGeometry = true;
  }

  MopacGeometryReader reader(AtomIds, CartesianData, ZMatrixData);
  // Values written as names would place atoms at 0: the file is refused.
  if (!reader.Read(geometry, RefusedLine)) ClearGeometry();
}
