// Reads a Gaussian output: the atoms of its last orientation table (for an
// animation, of every "Standard orientation:" table, or of every "Input
// orientation:" or "Z-Matrix orientation:" one where there are none), the
// job's charge and multiplicity, and the frequency section.
// Line by line with a few flags; lines that match no rule are skipped, and
// the reader never fails.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "AtomLabels.h"
#include "MolFile.h"
#include "ReaderSupport.h"
#include "platform/Numbers.h"

namespace {

using Tokens = std::vector<std::string>;

using Words = std::initializer_list<std::string_view>;

// The tokens from `first` on begin with exactly `words`.
bool WordsAt(const Tokens& tokens, std::size_t first, Words words) {
  if (tokens.size() < first + words.size()) return false;
  for (std::string_view word : words)
    if (tokens[first++] != word) return false;
  return true;
}

// The line's first tokens, or its last ones, are exactly `words`.
bool BeginsWith(const Tokens& tokens, Words words) { return WordsAt(tokens, 0, words); }
bool EndsWith(const Tokens& tokens, Words words) {
  return tokens.size() >= words.size() && WordsAt(tokens, tokens.size() - words.size(), words);
}

// The hyphen lines that frame a geometry table, and the one that closes a
// Gaussian 92 frequency section; a run of 17 is something else.
bool IsRuleLine(const Tokens& tokens) {
  return tokens.size() == 1 && tokens[0].find("------------------") != std::string::npos;
}

// The mode numbers heading a block of one, two or three modes. Two whole
// numbers are also what a displacement row cut after its atomic number
// leaves ("  12   6"): a pair counts only where it goes on from the modes
// read before.
bool IsModeNumberLine(const NormalModes& modes, const Tokens& tokens) {
  const std::size_t n = tokens.size();
  if (n < 1 || n > 3) return false;
  // Digits only: the "0.00" of a displacement row cut short is no mode number.
  if (!std::all_of(tokens.begin(), tokens.end(), [](const std::string& t) { return IsDigits(t); })) return false;
  if (n != 2) return true;
  const std::uint32_t next = modes.ModeNumbers.empty() ? 1 : modes.ModeNumbers.back() + 1;
  return ReadUnsigned(tokens[0]) == next && ReadUnsigned(tokens[1]) == next + 1;
}

// The column groups of a displacement header or row of `tokens` tokens (atom,
// atomic number, then x, y, z of each mode); 0 for any other width.
std::size_t DisplacementColumns(std::size_t tokens) {
  return tokens == 5 || tokens == 8 || tokens == 11 ? (tokens - 2) / 3 : 0;
}

// Letters and punctuation from ':' to '~' begin a symmetry label.
bool BeginsLikeLabel(const std::string& token) { return token[0] >= ':' && token[0] <= '~'; }

// One field of a value row. A field of stars, too wide for its column, is
// not known; other text, and a value a float cannot hold, reads as 0.
float FieldValue(std::string_view field) {
  const bool stars = field.find_first_not_of('*') == std::string_view::npos;
  return stars ? NormalModes::Unknown : ReadSingle(field).value_or(0.0f);
}

// Stars, or text that starts like a number: what a value glued to the "--"
// column can be. The rest of "---", the high-precision section's column, is
// neither.
bool IsGluedField(std::string_view rest) {
  if (rest.find_first_not_of('*') == std::string_view::npos) return true;
  std::size_t i = rest[0] == '-' || rest[0] == '+' ? 1 : 0;
  if (i < rest.size() && rest[i] == '.') ++i;
  return i < rest.size() && IsDigit(rest[i]);
}

// A value row: its label, the "--" column, one value per mode. A first value
// as wide as its column touches the column ("--***********"); the rest of
// that token is then the row's first value, so that no value moves to
// another mode. A one-word label is told from other lines by its column;
// after two words the column is passed over unread.
void ReadValueRow(const Tokens& tokens, Words label, std::vector<float>& values) {
  const std::size_t column = label.size();
  if (tokens.size() <= column || !BeginsWith(tokens, label)) return;
  const std::string_view separator = tokens[column];
  const bool glued = separator.size() > 2 && separator.starts_with("--") && IsGluedField(separator.substr(2));
  if (column == 1 && separator != "--" && !glued) return;
  if (glued) values.push_back(FieldValue(separator.substr(2)));
  for (std::size_t i = column + 1; i < tokens.size(); ++i) values.push_back(FieldValue(tokens[i]));
}

// One row of a geometry table: center number, atomic number, [atomic type,]
// x, y, z. Rows of any other width are not atoms. A "Z-Matrix orientation:"
// table lists dummy atoms among the atoms, with atomic number -1, and a
// periodic job its cell's translation vectors after them, with -2; such rows
// are counted in `dummies` and left out, and the atoms after them numbered as
// the frequency section numbers them, over the real atoms only.
void ParseOutputOrientation(Cartesian& cartesian, std::uint32_t index, const Tokens& tokens,
                            Identifier& atoms, std::uint32_t& dummies) {
  if (tokens.size() != 5 && tokens.size() != 6) return;
  if (tokens[1] == "-1" || tokens[1] == "-2") {
    ++dummies;
    return;
  }
  const std::string label = dummies == 0 ? tokens[0] : std::to_string(ReadInt64(tokens[0]) - dummies);
  const std::int32_t id = AddAtom(atoms, index, CARTESIAN, label, AtomicNumberFromLabel(tokens[1]));
  const std::size_t x = tokens.size() - 3;
  SetPosition(cartesian, id, tokens[x], tokens[x + 1], tokens[x + 2]);
}

// The line's first token as Tokenize makes it, found without splitting the
// line; empty when it is longer than any marker word. Output lines open with
// long runs of blanks, passed over eight at a time.
constexpr std::size_t kLongestMarker = 8;  // "Harmonic", "Standard", "Z-Matrix"

std::string_view ShortFirstToken(const std::string& line, std::array<char, kLongestMarker>& buffer) {
  std::size_t i = 0;
  for (std::uint64_t eight; i + 8 <= line.size(); i += 8) {
    std::memcpy(&eight, line.data() + i, 8);
    if (eight != 0x2020202020202020u) break;
  }
  std::size_t length = 0;
  for (; i < line.size(); ++i) {
    const auto c = static_cast<unsigned char>(line[i]);
    if (IsTokenByte(c)) {
      if (length == buffer.size()) return {};
      buffer[length++] = static_cast<char>(c);
    } else if (length > 0 && IsTokenSeparator(c)) {
      break;
    }
  }
  return {buffer.data(), length};
}

// One displacement row into the records of the block being read, its first
// column group to the block's first mode. A row wider than its header belongs
// to no block; groups past the block's modes are what a last block of fewer
// modes prints under a full header (xtb: zeros), and are passed over. A line
// that does not begin with the atom's number and its atomic number ends the
// block: other programs writing this layout may follow the last rows with
// text and no blank line (" Normal termination of Gaussian 98.").
void AppendDisplacementRow(NormalModes& data, const Tokens& tokens) {
  if (tokens.size() < 2 || !IsDigits(tokens[0]) || !IsDigits(tokens[1])) {
    data.HeaderColumns = 0;
    return;
  }
  const std::size_t columns = DisplacementColumns(tokens.size());
  if (columns == 0 || columns > data.HeaderColumns || data.Displacements.size() < data.BlockModes) return;
  const std::uint32_t atomNumber = ReadUnsigned(tokens[0]);
  const std::uint32_t atomicNumber = ReadUnsigned(tokens[1]);
  const std::size_t first = data.Displacements.size() - data.BlockModes;
  for (std::size_t k = 0; k < std::min(columns, data.BlockModes); ++k) {
    NormalModes::Displacement& record = data.Displacements[first + k];
    const std::size_t t = 2 + 3 * k;
    record.AtomNumbers.push_back(atomNumber);
    record.AtomicNumbers.push_back(atomicNumber);
    record.Vectors.push_back(
        {ReadDouble(tokens[t]), ReadDouble(tokens[t + 1]), ReadDouble(tokens[t + 2]), 1.0});
  }
}

struct ChargeLine {
  std::int32_t charge = 0;
  std::int32_t multiplicity = 1;
};

// " Charge = -1 Multiplicity = 2", alone or "in supermolecule"; the lines of
// fragments and of ONIOM layers that may follow it do not count. Each number
// has a field of three after its "=", so "-11" or "12" touches it
// (" Charge =-11 Multiplicity =12"): that token reads as the "=" and the number.
void ReadChargeLine(const Tokens& tokens, ChargeLine& stated) {
  if (tokens.empty() || tokens[0] != "Charge") return;
  Tokens words;
  for (const std::string& token : tokens) {
    const bool glued = token.size() > 1 && token[0] == '=' &&
                       (words.back() == "Charge" || words.back() == "Multiplicity");
    if (glued) words.push_back("=");
    words.push_back(glued ? token.substr(1) : token);
  }
  if (!BeginsWith(words, {"Charge", "="}) || !WordsAt(words, 3, {"Multiplicity", "="})) return;
  if (words.size() != 6 && !(words.size() == 8 && EndsWith(words, {"in", "supermolecule"}))) return;
  stated = {ReadInt(words[2]), ReadInt(words[5])};
}

// The atoms of the tables under one heading, and the charge stated before
// the last of them.
struct OrientationTables {
  Identifier atoms;
  Cartesian cartesian;
  bool read = false;  // a table opened its rows
  ChargeLine charge;
  std::uint32_t dummies = 0;  // in the table being read

  void Clear() {
    atoms = {};
    cartesian.Clear();
  }
};

// The same molecule in both tables, perhaps in another frame: the same
// atomic numbers in the same order, and every distance between two atoms
// equal within 1e-4 angstrom.
bool SameMolecule(const OrientationTables& a, const OrientationTables& b) {
  if (a.atoms.Ids.empty() || a.atoms.Ids != b.atoms.Ids || a.atoms.AtomicNumbers != b.atoms.AtomicNumbers)
    return false;
  const auto positions = [](const Cartesian& c) {
    std::vector<Position<double>> all;
    for (const auto& [id, p] : c.Positions) all.push_back(p);
    return all;
  };
  const std::vector<Position<double>> p = positions(a.cartesian), q = positions(b.cartesian);
  if (p.size() != q.size()) return false;
  const auto distance = [](const Position<double>& u, const Position<double>& v) {
    return std::hypot(u.x - v.x, u.y - v.y, u.z - v.z);
  };
  for (std::size_t i = 0; i < p.size(); ++i)
    for (std::size_t j = 0; j < i; ++j)
      if (!(std::abs(distance(p[i], p[j]) - distance(q[i], q[j])) <= 1e-4)) return false;
  return true;
}

}  // namespace

// A three-mode block of the frequency section (a block of one or two modes
// has 5 or 8 tokens in its displacement rows and header instead of 11; xtb's
// imitation keeps the 11-token header above a last block of fewer modes):
//                       1                      2                      3
//                      A1                     A1                     B2
//  Frequencies --   1827.1596              4070.2237              4188.6013
//  Red. masses --      1.0825                 1.0453                 1.0816
//  ...
//   Atom  AN      X      Y      Z        X      Y      Z        X      Y      Z
//      1   8     0.00   0.00   0.07     0.00   0.00  -0.05     0.00   0.07   0.00
//      2   1     0.00  -0.43  -0.56     0.00   0.58   0.40     0.00  -0.56   0.43
void MolFile::ReadGaussianFrequencies(NormalModes& modes, const std::vector<std::string>& tokens,
                                      bool& afterModeNumbers) {
  const std::size_t n = tokens.size();
  const bool symmetryMayFollow = afterModeNumbers;
  afterModeNumbers = false;

  if (IsModeNumberLine(modes, tokens)) {
    modes.HeaderColumns = 0;
    modes.BlockModes = n;
    for (const std::string& token : tokens) modes.ModeNumbers.push_back(ReadUnsigned(token));
    afterModeNumbers = true;
  }
  // Only the line under the mode numbers holds labels: elsewhere three tokens
  // are "Frequencies -- x" of a one-mode block or the heading of a
  // high-precision block.
  if (symmetryMayFollow && n >= 1 && n <= 3 && BeginsLikeLabel(tokens[0]))
    modes.Symmetries.insert(modes.Symmetries.end(), tokens.begin(), tokens.end());

  // Rows without a table ("Dip. str.", "Rot. str.", "E-M angle" of a VCD
  // job) match none of these and are passed over.
  ReadValueRow(tokens, {"Frequencies"}, modes.Frequencies);
  ReadValueRow(tokens, {"Red.", "masses"}, modes.ReducedMasses);
  ReadValueRow(tokens, {"Frc", "consts"}, modes.ForceConstants);
  ReadValueRow(tokens, {"IR", "Inten"}, modes.IRIntensities);
  ReadValueRow(tokens, {"Raman", "Activ"}, modes.RamanActivities);
  ReadValueRow(tokens, {"Depolar"}, modes.Depolarizations);

  // Rows before the header test, so that the header is never a row. The
  // header makes one record per mode number of its block, whatever its width.
  AppendDisplacementRow(modes, tokens);
  if (DisplacementColumns(n) > 0 && BeginsWith(tokens, {"Atom", "AN"})) {
    modes.HeaderColumns = DisplacementColumns(n);
    modes.Displacements.resize(modes.Displacements.size() + modes.BlockModes);
  }
}

// A geometry table as the chain below reads it (rows of 5 tokens where the
// "Type" column is missing; "Input orientation:" and "Z-Matrix orientation:"
// tables look the same):
//                          Standard orientation:
//  ---------------------------------------------------------------------
//  Center     Atomic      Atomic             Coordinates (Angstroms)
//  Number     Number       Type             X           Y           Z
//  ---------------------------------------------------------------------
//       1          8           0        0.000000    0.000000    0.119262
//       2          1           0        0.000000    0.763239   -0.477047
//  ---------------------------------------------------------------------
// The frequency section opens after a header of two lines or more (seven in
// a VCD job), its first and its last:
//  Harmonic frequencies (cm**-1), IR intensities (KM/Mole), Raman scattering
//  ...
//  and normal coordinates:
void MolFile::ReadGaussianOutput(const std::vector<std::string>& lines, std::int32_t fileType) {
  bool InFreqHeader = false, InFreqSection = false;
  bool OrientSeen = false, RuleSeen = false, CenterSeen = false, NumberSeen = false, InRows = false;
  bool afterModeNumbers = false;
  // One molecule is the last table printed, whatever its heading, so every
  // table fills `standard`: each step prints its input table before its
  // standard one, and a job that turns symmetry off part way ("Returning to
  // input orientation because symmetry turned off.") prints input tables only
  // from there on. An animation's frames are the standard tables; a job run
  // without symmetry prints input ones only, headed "Z-Matrix orientation:"
  // where its input is a Z-matrix, and they stand in where the file has no
  // standard one.
  OrientationTables standard, input;
  OrientationTables& inputTables = fileType == GAUSSIAN_OUTPUT_ANIMATION ? input : standard;
  OrientationTables* heading = &standard;  // the heading of the table being framed
  OrientationTables* table = &standard;    // the table whose rows are read
  // The molecule as it stood when the last frequency section began, whose
  // frame its displacements are printed in, and whether a table came after.
  std::optional<OrientationTables> framed;
  bool tableAfterModes = false;
  ChargeLine stated;                       // the last one so far
  Tokens tokens;  // one vector for all lines keeps its storage
  std::array<char, kLongestMarker> firstToken;

  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];

    // Only an empty line is blank here; a line of blanks is not, but it
    // still ends the frequency section (thermochemistry follows it).
    if (line.empty() || line[0] == '\r' || line[0] == '\n') {
      InFreqHeader = InFreqSection = false;
      OrientSeen = RuleSeen = CenterSeen = NumberSeen = InRows = false;
    } else if ((InFreqHeader || InFreqSection) && line.find_first_not_of(" \t\r") == std::string::npos) {
      InFreqHeader = InFreqSection = false;
    }
    // Waiting for nothing, a line can only start a header, a table or give
    // the charge: almost every line of a long job is passed over without
    // being split.
    const bool waiting = InFreqHeader || InFreqSection || OrientSeen || RuleSeen || CenterSeen ||
                         NumberSeen || InRows;
    if (!waiting) {
      const std::string_view first = ShortFirstToken(line, firstToken);
      if (first != "Harmonic" && first != "Standard" && first != "Input" && first != "Z-Matrix" &&
          first != "Charge")
        continue;
    }
    tokens.clear();
    Tokenize(line, tokens);
    const bool rule = IsRuleLine(tokens);

    // A rule line ends the frequency section too: Gaussian 92 puts one and
    // the thermochemistry, whose numbers would read as more modes, straight
    // after its last block. The geometry chain below reads the line as well.
    if (InFreqSection && rule) InFreqSection = false;
    if (InFreqSection) ReadGaussianFrequencies(ModeData, tokens, afterModeNumbers);

    if (InFreqHeader && EndsWith(tokens, {"normal", "coordinates:"})) {
      InFreqHeader = false;
      InFreqSection = true;
      // The last section wins: a high-precision section printed straight
      // before the normal one, or an earlier frequency job, must not leave
      // its modes in the tables.
      ModeData.Clear();
      ModeData.BlockModes = ModeData.HeaderColumns = 0;
      afterModeNumbers = false;
      if (fileType == GAUSSIAN_OUTPUT) framed = standard;
      tableAfterModes = false;
    }
    if (BeginsWith(tokens, {"Harmonic", "frequencies", "(cm**-1)"})) InFreqHeader = true;

    // The geometry chain runs from its last step to its first, each step
    // testing its flag before the step above sets it: one line moves the
    // chain by one step at most, and the closing rule line of the rows is
    // never read as the rule that opens them.
    if (InRows && rule) InRows = false;
    if (InRows)
      ParseOutputOrientation(table->cartesian, static_cast<std::uint32_t>(i), tokens, table->atoms, table->dummies);
    if (NumberSeen && rule) {
      InRows = true;
      NumberSeen = false;
      table = heading;
      if (fileType != GAUSSIAN_OUTPUT_ANIMATION) table->Clear();
      table->read = true;
      table->charge = stated;
      table->dummies = 0;
      tableAfterModes = true;
    }
    if (CenterSeen && BeginsWith(tokens, {"Number", "Number"})) NumberSeen = true, CenterSeen = false;
    if (RuleSeen && BeginsWith(tokens, {"Center", "Atomic"})) CenterSeen = true, RuleSeen = false;
    if (OrientSeen && rule) RuleSeen = true, OrientSeen = false;
    if (BeginsWith(tokens, {"Standard", "orientation:"}) ||
        BeginsWith(tokens, {"Standard", "Orientation:"})) {
      OrientSeen = true;
      heading = &standard;
    } else if (BeginsWith(tokens, {"Input", "orientation:"}) || BeginsWith(tokens, {"Z-Matrix", "orientation:"})) {
      OrientSeen = true;
      heading = &inputTables;
    }
    ReadChargeLine(tokens, stated);
  }

  // A later job may print the molecule of the frequency job again, turned
  // (a single point with symmetry after a job without): the modes keep the
  // frame they were printed in.
  OrientationTables* kept = standard.read ? &standard : &input;
  if (framed && tableAfterModes && SameMolecule(*framed, *kept)) kept = &*framed;
  AtomIds = std::move(kept->atoms);
  CartesianData = std::move(kept->cartesian);
  const ChargeLine charge = kept->read ? kept->charge : stated;
  Charge = charge.charge;
  Multiplicity = charge.multiplicity;
}
