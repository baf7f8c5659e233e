// Reads a Gaussian output: the atoms of the "Standard orientation:" tables and
// the frequency section. Line by line with a few flags; lines that match no
// rule are skipped, and the reader never fails.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string_view>

#include "AtomLabels.h"
#include "MolFile.h"
#include "ReaderSupport.h"
#include "platform/Numbers.h"

namespace {

using Tokens = std::vector<std::string>;

// The line has at least as many tokens as `words`, and its first ones are
// exactly those words.
bool BeginsWith(const Tokens& tokens, std::initializer_list<std::string_view> words) {
  if (tokens.size() < words.size()) return false;
  std::size_t i = 0;
  for (std::string_view word : words)
    if (tokens[i++] != word) return false;
  return true;
}

// The hyphen lines that frame a geometry table; a run of 17 is something else.
bool IsRuleLine(const Tokens& tokens) {
  return tokens.size() == 1 && tokens[0].find("------------------") != std::string::npos;
}

// Digits only: the "0.00" of a displacement row cut short is no mode number.
bool IsWholeNumber(const std::string& token) {
  return token.find_first_not_of("0123456789") == std::string::npos;
}

// Letters and punctuation from ':' to '~' begin a symmetry label.
bool BeginsLikeLabel(const std::string& token) { return token[0] >= ':' && token[0] <= '~'; }

// Appends tokens[from..] to `values`, each read in single precision. A field
// of stars, too wide for its column, is not known; other text, and a value a
// float cannot hold, reads as 0.
void AppendValues(const Tokens& tokens, std::size_t from, std::vector<float>& values) {
  for (std::size_t i = from; i < tokens.size(); ++i) {
    const std::string& token = tokens[i];
    const bool stars = token.find_first_not_of('*') == std::string::npos;
    values.push_back(stars ? NormalModes::Unknown : ReadSingle(token).value_or(0.0f));
  }
}

// One row of a geometry table: center number, atomic number, [atomic type,]
// x, y, z. Rows of any other width are not atoms.
void ParseOutputOrientation(Cartesian& cartesian, std::uint32_t index, const Tokens& tokens,
                            Identifier& atoms) {
  if (tokens.size() != 5 && tokens.size() != 6) return;
  const std::int32_t id = AddAtom(atoms, index, CARTESIAN, tokens[0], AtomicNumberFromLabel(tokens[1]));
  const std::size_t x = tokens.size() - 3;
  SetPosition(cartesian, id, tokens[x], tokens[x + 1], tokens[x + 2]);
}

// The line's first token as Tokenize makes it, found without splitting the
// line; empty when it is longer than any marker word. Output lines open with
// long runs of blanks, passed over eight at a time.
constexpr std::size_t kLongestMarker = 10;  // "activities"

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

// One displacement row of a block of `modes` modes (1 or 3) into the last
// `modes` records.
void AppendDisplacementRow(NormalModes& data, const Tokens& tokens, std::size_t modes) {
  if (data.Displacements.size() < modes) return;
  const std::uint32_t atomNumber = ReadUnsigned(tokens[0]);
  const std::uint32_t atomicNumber = ReadUnsigned(tokens[1]);
  const std::size_t first = data.Displacements.size() - modes;
  for (std::size_t k = 0; k < modes; ++k) {
    NormalModes::Displacement& record = data.Displacements[first + k];
    const std::size_t t = 2 + 3 * k;
    record.AtomNumbers.push_back(atomNumber);
    record.AtomicNumbers.push_back(atomicNumber);
    record.Vectors.push_back(
        {ReadDouble(tokens[t]), ReadDouble(tokens[t + 1]), ReadDouble(tokens[t + 2]), 1.0});
  }
}

}  // namespace

// A three-mode block of the frequency section (one-mode blocks have 5 tokens
// in the displacement rows and header instead of 11):
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

  if ((n == 1 || n == 3) && std::all_of(tokens.begin(), tokens.end(), IsWholeNumber)) {
    modes.ReadingDisplacements = false;
    for (const std::string& token : tokens) modes.ModeNumbers.push_back(ReadUnsigned(token));
    afterModeNumbers = true;
  }
  // Only the line under the mode numbers holds labels: elsewhere three tokens
  // are "Frequencies -- x" of a one-mode block or the heading of a
  // high-precision block.
  if (symmetryMayFollow && (n == 1 || n == 3) && BeginsLikeLabel(tokens[0]))
    modes.Symmetries.insert(modes.Symmetries.end(), tokens.begin(), tokens.end());

  if (n >= 3 && BeginsWith(tokens, {"Frequencies", "--"})) AppendValues(tokens, 2, modes.Frequencies);
  if (n >= 4 && BeginsWith(tokens, {"Red.", "masses"})) AppendValues(tokens, 3, modes.ReducedMasses);
  if (n >= 4 && BeginsWith(tokens, {"Frc", "consts"})) AppendValues(tokens, 3, modes.ForceConstants);
  if (n >= 4 && BeginsWith(tokens, {"IR", "Inten"})) AppendValues(tokens, 3, modes.IRIntensities);
  if (n >= 4 && BeginsWith(tokens, {"Raman", "Activ"})) AppendValues(tokens, 3, modes.RamanActivities);
  if (n >= 3 && BeginsWith(tokens, {"Depolar", "--"})) AppendValues(tokens, 2, modes.Depolarizations);

  // Rows before the header test, so that the header is never a row.
  if (modes.ReadingDisplacements && (n == 5 || n == 11)) AppendDisplacementRow(modes, tokens, n / 3);
  if ((n == 5 || n == 11) && BeginsWith(tokens, {"Atom", "AN"})) {
    modes.ReadingDisplacements = true;
    modes.Displacements.resize(modes.Displacements.size() + n / 3);
  }
}

// A geometry table as the chain below reads it (rows of 5 tokens where the
// "Type" column is missing):
//                          Standard orientation:
//  ---------------------------------------------------------------------
//  Center     Atomic      Atomic             Coordinates (Angstroms)
//  Number     Number       Type             X           Y           Z
//  ---------------------------------------------------------------------
//       1          8           0        0.000000    0.000000    0.119262
//       2          1           0        0.000000    0.763239   -0.477047
//  ---------------------------------------------------------------------
void MolFile::ReadGaussianOutput(const std::vector<std::string>& lines, std::int32_t fileType) {
  bool FreqHeader1 = false, FreqHeader2 = false, InFreqSection = false;
  bool OrientSeen = false, RuleSeen = false, CenterSeen = false, NumberSeen = false, InRows = false;
  bool afterModeNumbers = false;
  Tokens tokens;  // one vector for all lines keeps its storage
  std::array<char, kLongestMarker> firstToken;

  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];

    // Only an empty line is blank here; a line of blanks is not.
    if (line.empty() || line[0] == '\r' || line[0] == '\n') {
      FreqHeader1 = FreqHeader2 = InFreqSection = false;
      OrientSeen = RuleSeen = CenterSeen = NumberSeen = InRows = false;
    }
    // Waiting for nothing, a line can only start a header ("Harmonic",
    // "activities") or a table ("Standard"): almost every line of a long job
    // is passed over without being split.
    const bool waiting = FreqHeader1 || FreqHeader2 || InFreqSection || OrientSeen || RuleSeen ||
                         CenterSeen || NumberSeen || InRows;
    if (!waiting) {
      const std::string_view first = ShortFirstToken(line, firstToken);
      if (first != "Harmonic" && first != "activities" && first != "Standard") continue;
    }
    tokens.clear();
    Tokenize(line, tokens);

    if (InFreqSection) ReadGaussianFrequencies(ModeData, tokens, afterModeNumbers);

    if (FreqHeader2) {
      if (BeginsWith(tokens, {"reduced", "masses", "(AMU)"}) ||
          (tokens.size() >= 3 && tokens[1] == "normal" && tokens[2] == "coordinates:")) {
        InFreqSection = true;
        // The last section wins: a high-precision section printed straight
        // before the normal one, or an earlier frequency job, must not leave
        // its modes in the tables.
        ModeData.Clear();
        ModeData.ReadingDisplacements = false;
        afterModeNumbers = false;
      }
      FreqHeader2 = false;
    }
    if (FreqHeader1) {
      if (BeginsWith(tokens, {"Raman", "scattering", "activities"}) ||
          (tokens.size() >= 4 && tokens[2] == "reduced" && tokens[3] == "masses"))
        FreqHeader2 = true;
      FreqHeader1 = false;
    }
    if (BeginsWith(tokens, {"Harmonic", "frequencies", "(cm**-1)"}) ||
        (tokens.size() >= 3 && tokens[0] == "activities" && tokens[2] == "depolarization"))
      FreqHeader1 = true;

    // The geometry chain runs from its last step to its first, each step
    // testing its flag before the step above sets it: one line moves the
    // chain by one step at most, and the closing rule line of the rows is
    // never read as the rule that opens them.
    const bool rule = IsRuleLine(tokens);
    if (InRows && rule) InRows = false;
    if (InRows) ParseOutputOrientation(CartesianData, static_cast<std::uint32_t>(i), tokens, AtomIds);
    if (NumberSeen && rule) {
      InRows = true;
      NumberSeen = false;
      if (fileType != GAUSSIAN_OUTPUT_ANIMATION) ClearGeometry();
    }
    if (CenterSeen && BeginsWith(tokens, {"Number", "Number"})) NumberSeen = true, CenterSeen = false;
    if (RuleSeen && BeginsWith(tokens, {"Center", "Atomic"})) CenterSeen = true, RuleSeen = false;
    if (OrientSeen && rule) RuleSeen = true, OrientSeen = false;
    if (BeginsWith(tokens, {"Standard", "orientation:"}) ||
        BeginsWith(tokens, {"Standard", "Orientation:"}))
      OrientSeen = true;
  }
}
