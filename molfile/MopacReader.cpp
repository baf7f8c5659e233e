// MOPAC input: keyword, title and comment lines, then one atom per geometry
// line: label, three values each with an optional optimisation flag, up to
// three reference-atom numbers and perhaps a partial charge. A line that
// gives the three values and names no reference atom is a Cartesian atom
// (x, y, z) wherever it stands; the others are Z-matrix atoms (bond length,
// angle and dihedral). A line beginning with "*" is a comment wherever it
// stands.
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "AtomLabels.h"
#include "MolFile.h"
#include "ReaderSupport.h"
#include "platform/Numbers.h"

namespace {

constexpr double kBohr = 0.529177210903;  // angstroms, as MOPAC 22 takes it

std::size_t CountTokens(const std::vector<std::string>& tokens, const char* marker) {
  std::size_t n = 0;
  for (const std::string& token : tokens) n += token == marker;
  return n;
}

// "CHARGE=n", "MS=n.n" and a spin state among the tokens of a keyword line,
// in any case, as MOPAC takes them; what the line does not name stays as it
// was.
void ReadChargeAndSpin(const std::vector<std::string>& tokens, std::int32_t& charge,
                       std::optional<std::int32_t>& multiplicity, std::optional<double>& ms) {
  static const char* const kSpinStates[] = {"SINGLET", "DOUBLET", "TRIPLET", "QUARTET", "QUINTET",
                                            "SEXTET",  "SEPTET",  "OCTET",   "NONET"};
  for (const std::string& token : tokens) {
    const std::string word = Capitals(token);
    if (word.starts_with("CHARGE=")) charge = ReadInt(std::string_view(word).substr(7));
    if (word.starts_with("MS=")) ms = ReadDouble(std::string_view(word).substr(3));
    for (std::int32_t m = 1; m <= 9; ++m)
      if (word == kSpinStates[m - 1]) multiplicity = m;
  }
}

// Whether a keyword line names A0, in any case: the geometry's lengths are
// in bohr. MOPAC parts its keywords at blanks alone, so "0SCF,A0" or "(A0)"
// names none.
bool NamesBohr(std::string_view line) {
  for (std::size_t end = 0;;) {
    const std::size_t begin = line.find_first_not_of(" \t", end);
    if (begin == std::string_view::npos) return false;
    end = std::min(line.find_first_of(" \t", begin), line.size());
    if (Capitals(line.substr(begin, end - begin)) == "A0") return true;
  }
}

// Without a spin keyword MOPAC takes the lowest spin state the electrons
// allow: a singlet for an even count, a doublet for an odd one. The
// electrons are the atomic numbers of the atoms less the charge; dummy atoms
// and sparkles have none, as in the Gaussian input a conversion writes.
// MS=n.n puts 2n.n more electrons in alpha than in beta (MS=-n.n in beta
// than in alpha, the same spin): with UHF the state itself, in a C.I. the
// lowest state it finds. It counts where the electrons can give that excess:
// a whole number of their parity, no more than there are (and a
// multiplicity that fits 32 bits).
std::int32_t MultiplicityFor(const Identifier& atoms, std::int32_t charge, std::optional<double> ms) {
  std::int64_t electrons = -static_cast<std::int64_t>(charge);
  for (const auto& [id, atomicNumber] : atoms.AtomicNumbers) electrons += atomicNumber;
  const double excess = ms ? 2 * std::fabs(*ms) : -1;
  if (excess >= 0 && excess <= static_cast<double>(electrons) && excess < INT32_MAX && excess == std::floor(excess) &&
      (electrons - static_cast<std::int64_t>(excess)) % 2 == 0)
    return static_cast<std::int32_t>(excess) + 1;
  return electrons % 2 == 0 ? 1 : 2;
}

// The reference written in `token` (1-based in the file), or -1 when the
// token names no atom.
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
  const std::size_t labelEnd = LabelEnd(line, spans);
  const std::string label = line.substr(spans[0].first, labelEnd - spans[0].first);
  if (labelEnd != spans[0].second)
    g.Tokens.push_back(label);
  else
    Tokenize(label, g.Tokens);  // as the other lines: bytes that are no token's dropped
  g.Rest = line.substr(labelEnd);
  Tokenize(g.Rest, g.Tokens);
  // MOPAC writes partial charges after the references, or after z's flag
  // where a line has none. References are whole numbers: a number with a
  // decimal point from the eighth token on is that column, as is an
  // eleventh token.
  std::size_t columns = std::min<std::size_t>(g.Tokens.size(), 10);
  for (std::size_t k = 7; k < columns; ++k) {
    if (g.Tokens[k].find('.') != std::string::npos) {
      columns = k;
      break;
    }
  }
  g.Tokens.resize(columns);
  return g;
}

bool IsAtomLine(const GeometryLine& g) { return !g.Tokens.empty() && g.Tokens[0] != "Tv"; }

// Older decks write atoms 2 and 3 short: the distance, its flag and the atom
// it is bonded to, the angle columns left blank ("H 0.961 1 1"). The third
// and fourth tokens are whole numbers, the fourth an earlier atom.
bool IsShortBondLine(const GeometryLine& g, std::size_t place) {
  const std::vector<std::string>& t = g.Tokens;
  if ((place != 2 && place != 3) || t.size() != 4 || !IsWholeNumber(t[2]) || !IsWholeNumber(t[3])) return false;
  const std::int64_t reference = ReadInt64(t[3]);
  return reference >= 1 && reference < static_cast<std::int64_t>(place);
}

// Label and three values, bare (4 tokens) or each with its flag (7), or
// with the three reference columns too (10).
bool GivesThreeValues(const GeometryLine& g) {
  const std::size_t n = g.Tokens.size();
  return n == 4 || n == 7 || n == 10;
}

// Label, x, its flag, y, its flag and z: MOPAC reads a line's numbers in
// turn and takes the flag left out as 0. A geometry written so, naming no
// reference, is a Cartesian one.
bool LacksTheLastFlag(const GeometryLine& g) {
  const std::vector<std::string>& t = g.Tokens;
  return t.size() == 6 && IsOneNumber(t[1]) && IsWholeNumber(t[2]) && IsOneNumber(t[3]) && IsWholeNumber(t[4]) &&
         IsOneNumber(t[5]);
}

// References stand from the eighth token on.
bool NamesAReference(const GeometryLine& g) {
  for (std::size_t k = 7; k < g.Tokens.size(); ++k)
    if (ReadInt64(g.Tokens[k]) != 0) return true;
  return false;
}

// Where the `place`-th atom's Z-matrix line has its references: at the
// eighth token, at the fourth in the short form of atoms 2 and 3, or at the
// sixth in the seven-token form of the first atoms, which writes two whole
// numbers in place of the dihedral and its flag; `n` when it writes none.
std::size_t FirstReferenceColumn(const GeometryLine& g, std::size_t place) {
  const std::vector<std::string>& t = g.Tokens;
  if (IsShortBondLine(g, place)) return 3;
  if (t.size() == 7 && IsWholeNumber(t[5]) && IsWholeNumber(t[6])) return 5;
  return std::min<std::size_t>(t.size(), 7);
}

class MopacGeometryReader {
 public:
  MopacGeometryReader(Identifier& atoms, Cartesian& cartesian, ZMatrix& zmatrix)
      : Atoms(atoms), CartesianData(cartesian), ZMatrixData(zmatrix) {}

  // False, naming the line and why, when a line cannot be read.
  bool Read(const std::vector<GeometryLine>& lines, std::int64_t& refusedLine, MolFile::Refusal& why);

 private:
  void ReadCartesian(const GeometryLine& g, const std::vector<std::size_t>& values);
  void ReadZMatrix(const GeometryLine& g, const std::vector<std::size_t>& values);
  void Keep(std::int32_t id, const GeometryLine& g, const std::vector<std::size_t>& values,
            std::size_t flagsEnd, std::size_t last);

  Identifier& Atoms;
  Cartesian& CartesianData;
  ZMatrix& ZMatrixData;
};

// Where the values stand: after the label, each followed by its flag when
// the line has flags, before the references.
std::vector<std::size_t> ValueColumns(const GeometryLine& g, std::size_t place, bool cartesian) {
  const std::size_t n = g.Tokens.size();
  if (cartesian && n == 4) return {1, 2, 3};
  const std::size_t end = cartesian ? std::min<std::size_t>(n, 7) : FirstReferenceColumn(g, place);
  std::vector<std::size_t> columns;
  for (std::size_t k : {1u, 3u, 5u})
    if (k < end) columns.push_back(k);
  return columns;
}

// The third atom's seven-token form names atoms 1 and 2, in either order,
// where a Cartesian line writes z and its flag.
bool NamesTheFirstTwoAtoms(const GeometryLine& g) {
  const std::vector<std::string>& t = g.Tokens;
  if (t.size() != 7 || FirstReferenceColumn(g, 3) != 5) return false;
  const std::int64_t a = ReadInt64(t[5]), b = ReadInt64(t[6]);
  return std::min(a, b) == 1 && std::max(a, b) == 2;
}

// Whether MOPAC places the `place`-th atom (from 1) at the x, y, z its line
// writes, the geometry being no wholly Cartesian one: a line that gives the
// three values, bare or each with its flag, and names no reference does so
// wherever it stands. Atom 1 at the origin stays the Z-matrix's first atom,
// which MOPAC puts there as well; the third atom's seven-token form is an
// internal one.
bool IsCartesianLine(const GeometryLine& g, std::size_t place) {
  if (!GivesThreeValues(g) || NamesAReference(g) || IsShortBondLine(g, place)) return false;
  if (place == 1) {
    const std::vector<std::size_t> values = ValueColumns(g, place, true);
    return std::any_of(values.begin(), values.end(), [&](std::size_t k) { return ReadDouble(g.Tokens[k]) != 0; });
  }
  return place != 3 || !NamesTheFirstTwoAtoms(g);
}

// "T", the flag letter MOPAC takes, in a DRC run's geometry.
bool IsFlagLetter(const std::string& t) { return t == "T" || t == "t"; }

// Why a line cannot be read, if it cannot. A value written as a name is a
// symbolic parameter, defined after the geometry: read as 0 it would place
// the atom wrongly. A name where a flag or a reference number stands, as in
// another program's layout "C 1 CC", makes no atom line; a flag letter after
// a value is that value's flag.
std::optional<MolFile::Refusal> Unreadable(const GeometryLine& g, const std::vector<std::size_t>& values) {
  const auto isValue = [&](std::size_t k) { return std::find(values.begin(), values.end(), k) != values.end(); };
  for (std::size_t k = 1; k < g.Tokens.size(); ++k) {
    if (!IsName(g.Tokens[k])) continue;
    if (isValue(k)) return MolFile::Refusal::SymbolicParameter;
    if (!IsFlagLetter(g.Tokens[k]) || !isValue(k - 1)) return MolFile::Refusal::NotAnAtomLine;
  }
  return std::nullopt;
}

bool MopacGeometryReader::Read(const std::vector<GeometryLine>& lines, std::int64_t& refusedLine,
                               MolFile::Refusal& why) {
  // Until a line is refused, the k-th line is the k-th atom.
  bool cartesian = true;
  for (std::size_t k = 0; k < lines.size(); ++k)
    if (!(GivesThreeValues(lines[k]) || LacksTheLastFlag(lines[k])) || NamesAReference(lines[k]) ||
        IsShortBondLine(lines[k], k + 1))
      cartesian = false;

  for (const GeometryLine& g : lines) {
    const std::size_t place = Atoms.Ids.size() + 1;
    // In a Z-matrix the first four atoms may be written short, their
    // references implied or in columns 4, 6 and 7; a later line that neither
    // places its atom at x, y, z nor writes all three references cannot be
    // placed, and leaving the atom out would show another molecule.
    const bool cartesianLine = cartesian || IsCartesianLine(g, place);
    const bool unplaced = !cartesianLine && g.Tokens.size() != 10 && place > 4;
    const std::vector<std::size_t> values = ValueColumns(g, place, cartesianLine);
    if (const auto refusal = unplaced ? MolFile::Refusal::UnplacedAtom : Unreadable(g, values)) {
      refusedLine = g.Index;
      why = *refusal;
      return false;
    }
    if (cartesianLine)
      ReadCartesian(g, values);
    else
      ReadZMatrix(g, values);
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

void MopacGeometryReader::ReadCartesian(const GeometryLine& g, const std::vector<std::size_t>& values) {
  const std::vector<std::string>& t = g.Tokens;
  const std::int32_t id = AddAtom(Atoms, g.Index, CARTESIAN, t[0], MopacAtomicNumber(t[0]));
  SetPosition(CartesianData, id, WithLeadingZero(t[values[0]]), WithLeadingZero(t[values[1]]),
              WithLeadingZero(t[values[2]]));
  // Reference columns (all 0) and charges after z's flag stay as written.
  const std::size_t flagsEnd = t.size() == 4 ? 0 : std::min<std::size_t>(t.size(), 7);
  Keep(id, g, values, flagsEnd, t.size() == 4 ? 3 : flagsEnd - 1);
  // z's flag left out is 0, and a regenerated line says so. (Assigned as a
  // string: GCC 12 warns, wrongly, of an overlapping copy for the literal.)
  if (LacksTheLastFlag(g)) Atoms.Flags[id][2] = std::string("0");
}

// Entries exist by the atom's place alone: a bond from the second atom on, an
// angle from the third, a dihedral from the fourth. The optimisation flags
// only say what MOPAC may change (flag 0 freezes a coordinate), so they do
// not decide. A line that writes no references means the atoms just before.
// MOPAC places its first atoms whatever their references say: the second
// along x from the first, the third bonded to the second, or to the first
// where the line says so, with the angle at the other one; a reference
// written as 0 there is that atom. Later, a reference written as 0 (what a
// regenerated line writes for a missing entry) leaves that entry and the
// later ones out.
void MopacGeometryReader::ReadZMatrix(const GeometryLine& g, const std::vector<std::size_t>& values) {
  const std::vector<std::string>& tokens = g.Tokens;
  const std::size_t n = tokens.size();
  const std::int32_t id = AddAtom(Atoms, g.Index, ZMATRIX, tokens[0], MopacAtomicNumber(tokens[0]));
  ++ZMatrixData.Count;
  ZMatrixData.ReferenceStyles[id] = 1;
  const std::int32_t place = id + 1;
  const std::size_t references = FirstReferenceColumn(g, static_cast<std::size_t>(place));
  Keep(id, g, values, references, n - 1);

  const auto reference = [&](std::size_t k, std::int32_t implied) {
    if (references == n) return implied;
    const std::int32_t written = references + k < n ? ReferenceId(tokens[references + k]) : -1;
    return written < 0 && place <= 3 ? implied : written;
  };

  // The second atom may write its distance without a flag: "O 0.97", a
  // sparkle "+ 3.1".
  if (place < 2 || n < (place == 2 ? 2u : 3u)) return;
  const std::int32_t bondTo = reference(0, id - 1);
  if (bondTo < 0) return;
  ZMatrixData.Bonds[id] = Entry(bondTo, tokens[1]);

  if (n < 5 || place < 3) return;
  const std::int32_t angleTo = reference(1, bondTo == id - 2 ? id - 1 : id - 2);
  if (angleTo < 0) return;
  ZMatrixData.Angles[id] = Entry(angleTo, tokens[3]);

  if (n != 10 || place < 4) return;
  const std::int32_t dihedralTo = ReferenceId(tokens[9]);
  if (dihedralTo < 0) return;
  ZMatrixData.Dihedrals[id] = Entry(dihedralTo, tokens[5]);
}

// MOPAC passes over a line beginning with "*" wherever it stands.
bool IsCommentLine(const std::string& line) { return !line.empty() && line[0] == '*'; }

// MOPAC ends the geometry at an atom whose label is a number that rounds to
// atomic number 0: "0", a line of zeros, a k-point list's "0.43301".
bool IsEndMark(const std::vector<std::string>& tokens) {
  return !tokens.empty() && IsOneNumber(tokens[0]) && std::fabs(ReadDouble(tokens[0])) < 0.5;
}

}  // namespace

void MolFile::ReadMopacInput(const std::vector<std::string>& lines) {
  int keywordLines = 1;
  int titleLines = 2;
  bool inGeometry = false;
  std::size_t row = 0;  // line number among the lines that are no comments
  std::vector<GeometryLine> geometry;
  std::optional<std::int32_t> spin;
  std::optional<double> ms;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (IsCommentLine(lines[i])) continue;
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
    if (keywordLines != 0) {
      ReadChargeAndSpin(tokens, Charge, spin, ms);
      if (NamesBohr(lines[i])) Units.Length = kBohr;
    }
    // An empty line ends the geometry once it has begun, and so does a line
    // of zeros, MOPAC's old end mark (a SADDLE job's second geometry follows
    // it); what follows (symmetry data, a second job) is not geometry.
    if (inGeometry && tokens.empty() && (row >= 6 || !geometry.empty())) break;
    if (inGeometry && IsEndMark(tokens)) break;
    if (keywordLines == 0 && titleLines != 0 && Name.empty()) Name = lines[i];
    if (inGeometry) {
      GeometryLine g = SplitGeometryLine(static_cast<std::uint32_t>(i), lines[i]);
      if (IsAtomLine(g)) geometry.push_back(std::move(g));
    }
    if (row >= 1 && keywordLines == 0 && titleLines != 0) --titleLines;
    if (keywordLines != 0) --keywordLines;
    if (keywordLines == 0 && titleLines == 0) inGeometry = true;
    ++row;
  }

  MopacGeometryReader reader(AtomIds, CartesianData, ZMatrixData);
  // A line the reader cannot take would leave a wrong molecule: the file is refused.
  if (!reader.Read(geometry, RefusedLine, RefusedFor)) ClearGeometry();
  Multiplicity = spin ? *spin : MultiplicityFor(AtomIds, Charge, ms);
}
