// Gaussian input: the molecule section of the first job, as Cartesian
// or Z-matrix atom lines, and the variables that Z-matrix values name. The
// route, title, charge and multiplicity are only landmarks.
#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

#include "AtomLabels.h"
#include "MolFile.h"
#include "ReaderSupport.h"
#include "platform/Numbers.h"

namespace {

// Variable names may begin with any byte from 'A' to 'z', the six between
// 'Z' and 'a' included.
bool StartsVariableName(char c) { return c >= 0x41 && c <= 0x7A; }
unsigned char Byte(const std::string& s, std::size_t i) { return static_cast<unsigned char>(s[i]); }

// A second token that makes an atom line Cartesian: a number such as 1.5,
// .5, -1.5 or -.5 (the tests allow some punctuation in place of the sign).
bool LooksNumeric(const std::string& t) {
  if (IsDigit(t[0])) return true;
  if (t.size() >= 2 && Byte(t, 0) <= 0x2E && IsDigit(t[1])) return true;
  return t.size() >= 3 && Byte(t, 0) <= 0x2D && Byte(t, 1) <= 0x2E && IsDigit(t[2]);
}

// A freeze code: 0 or -1 (optimise or hold the atom), ONIOM's -2 and -3;
// written as a whole number of 0 or less. Z-matrix references are positive.
bool IsFreezeCode(const std::string& t) {
  return IsWholeNumber(t) && (t[0] == '-' || t.find_first_not_of("+0") == std::string::npos);
}

// Label, freeze code, x, y, z, then perhaps ONIOM's layer and link-atom fields.
bool IsFrozenCartesianLine(const std::vector<std::string>& t) {
  return t.size() >= 5 && IsFreezeCode(t[1]) && LooksNumeric(t[2]) && LooksNumeric(t[3]) &&
         LooksNumeric(t[4]);
}

// A number with a decimal point or an exponent, and nothing else. A
// reference atom is a whole number or a label, so such a second token is x.
bool IsDecimalNumber(const std::string& t) {
  std::size_t used = 0;
  ReadDouble(t, &used);
  return used == t.size() && t.find_first_of(".eEdD") != std::string::npos;
}

// A whole number above 0: a reference atom.
bool IsAtomNumber(const std::string& t) {
  return IsDigits(t) && t.find_first_not_of('0') != std::string::npos;
}

// A periodic system's translation vector ("Tv x y z") is no atom.
bool IsTranslationVector(const std::string& t) {
  return t.size() == 2 && (t[0] == 'T' || t[0] == 't') && (t[1] == 'V' || t[1] == 'v');
}

bool IsChargeToken(const std::string& t) { return IsDigit(t[0]) || Byte(t, 0) <= 0x2D; }

bool IsVariablesKeyword(const std::vector<std::string>& tokens) {
  if (tokens.size() != 1) return false;
  const std::string& t = tokens[0];
  return t == "Variables:" || t == "variables:" || t == "Variables" || t == "variables";
}

class GaussianInputReader {
 public:
  GaussianInputReader(Identifier& atoms, Cartesian& cartesian, ZMatrix& zmatrix)
      : Atoms(atoms), CartesianData(cartesian), ZMatrixData(zmatrix) {}

  void ReadLine(std::uint32_t i, const std::string& line);
  void ResolveVariables();

 private:
  void ReadAtomLine(std::uint32_t i, const std::string& line, std::vector<std::string>& tokens);
  void ParseGaussianInputAtoms(std::uint32_t i, const std::string& line, std::vector<std::string>& tokens,
                               std::size_t x);
  void ReadZMatrixLine(std::uint32_t i, const std::string& line, const std::vector<std::string>& tokens);
  void KeepTail(std::int32_t id, const std::string& line, std::size_t last);
  void JoinLabel(const std::string& line, std::vector<std::string>& tokens);
  ZMatrix::Pair Entry(std::int32_t id, const std::string& reference, const std::string& value);
  void ReadVariableLine(std::uint32_t i, const std::string& line);
  std::int32_t Add(std::uint32_t i, CoordinateKind kind, const std::string& label,
                   std::uint32_t atomicNumber);

  Identifier& Atoms;
  Cartesian& CartesianData;
  ZMatrix& ZMatrixData;
  // The last atom of each label, so that label references need no search
  // over all earlier atoms.
  std::unordered_map<std::string, std::int32_t> LastIdOfLabel;

  bool Stopped = false;
  bool InMolecule = false;
  bool InVariables = false;
  bool AfterBlank = false;
  // Where the line being read ends before its comment ("!").
  std::size_t TextEnd = 0;
  // How many of the line's tokens its atom label spans.
  std::size_t LabelTokens = 1;
  // A job has one molecule section: the element lists of a basis-set
  // section after it ("-Cu -Sb") open no other.
  bool MoleculeOpened = false;
};

void GaussianInputReader::ReadLine(std::uint32_t i, const std::string& line) {
  // "!" begins a comment, and a line that holds nothing but one is passed
  // over wherever it stands: it ends no section.
  TextEnd = std::min(line.find('!'), line.size());
  const std::string text = line.substr(0, TextEnd);
  std::vector<std::string> tokens;
  Tokenize(text, tokens);
  if (tokens.empty() && TextEnd < line.size()) return;
  bool blank = tokens.empty() || line[0] == '\r' || line[0] == '\n';
  if (tokens.size() == 1 && tokens[0] == "--Link1--") Stopped = true;
  if (Stopped) return;  // only the first job is read

  if (InVariables) {
    if (blank) {
      InVariables = false;
      blank = false;
    } else if (StartsVariableName(tokens[0][0])) {
      ReadVariableLine(i, text);
    } else {
      InVariables = false;
    }
  }

  if (InMolecule) {
    if (blank) {
      InMolecule = false;
      InVariables = true;
      blank = false;
    } else if (IsVariablesKeyword(tokens)) {
      InMolecule = false;
      InVariables = true;
    } else {
      ReadAtomLine(i, line, tokens);
    }
  }

  if (AfterBlank) {
    if (!MoleculeOpened && tokens.size() == 2 && IsChargeToken(tokens[0]) && IsChargeToken(tokens[1]))
      InMolecule = MoleculeOpened = true;
    else
      AfterBlank = false;
  }
  if (blank) AfterBlank = true;
}

// Fields after an atom (ONIOM's layer, link atom and its partner, a
// counterpoise fragment) are kept in the line's tail, so Cartesian lines are
// known by x alone and Z-matrix lines of nine or more tokens are read from
// their first seven.
void GaussianInputReader::ReadAtomLine(std::uint32_t i, const std::string& line,
                                       std::vector<std::string>& tokens) {
  if (tokens.empty() || IsTranslationVector(tokens[0])) return;
  JoinLabel(line, tokens);
  const std::size_t n = tokens.size();
  if (IsFrozenCartesianLine(tokens))
    ParseGaussianInputAtoms(i, line, tokens, 2);
  else if (n >= 4 && IsDecimalNumber(tokens[1]))
    ParseGaussianInputAtoms(i, line, tokens, 1);
  else if (n == 1 || IsLetter(tokens[1][0]) || n == 3 || n == 5 || n == 7 || n == 8 ||
           (n >= 9 && IsAtomNumber(tokens[1])))
    ReadZMatrixLine(i, line, tokens);
  else if (n == 4 && LooksNumeric(tokens[1]))
    ParseGaussianInputAtoms(i, line, tokens, 1);
}

std::int32_t GaussianInputReader::Add(std::uint32_t i, CoordinateKind kind,
                                      const std::string& label, std::uint32_t atomicNumber) {
  const std::int32_t id = AddAtom(Atoms, i, kind, label, atomicNumber);
  LastIdOfLabel[label] = id;
  return id;
}

// A Cartesian atom: its label, a freeze code when x is token 2, and x, y
// and z. The element of an ONIOM label ("H-HC--0.1") is its part before the
// first "-", where the symbol's letters end anyway.
void GaussianInputReader::ParseGaussianInputAtoms(std::uint32_t i, const std::string& line,
                                                  std::vector<std::string>& tokens, std::size_t x) {
  for (std::string& token : tokens) token = WithLeadingZero(token);
  const std::int32_t id = Add(i, CARTESIAN, tokens[0], AtomicNumberFromLabel(tokens[0]));
  SetPosition(CartesianData, id, tokens[x], tokens[x + 1], tokens[x + 2]);
  if (x == 2) Atoms.FreezeCodes[id] = tokens[1];
  KeepTail(id, line, x + 2);
}

// Atom parameters in parentheses may hold commas and blanks
// ("H(Fragment=1,Iso=2)"): the label is one token up to its ")".
void GaussianInputReader::JoinLabel(const std::string& line, std::vector<std::string>& tokens) {
  LabelTokens = 1;
  if (tokens[0].find('(') == std::string::npos || tokens[0].find(')') != std::string::npos) return;
  const std::string text = line.substr(0, TextEnd);
  const auto spans = TokenSpans(text);
  const std::size_t end = LabelEnd(text, spans);
  std::size_t parts = 1;
  while (parts < spans.size() && spans[parts].first < end) ++parts;
  // A ")" inside a token would leave part of that token to no field.
  if (parts == 1 || spans[parts - 1].second != end) return;
  tokens[0] = text.substr(spans[0].first, end - spans[0].first);
  tokens.erase(tokens.begin() + 1, tokens.begin() + static_cast<std::ptrdiff_t>(parts));
  LabelTokens = parts;
}

// What follows token `last`, fields and comment, for the regenerated line.
void GaussianInputReader::KeepTail(std::int32_t id, const std::string& line, std::size_t last) {
  std::string tail = TextAfterToken(line, last + LabelTokens - 1, TextEnd);
  if (!tail.empty()) Atoms.LineTails[id] = std::move(tail);
}

void GaussianInputReader::ReadZMatrixLine(std::uint32_t i, const std::string& line,
                                          const std::vector<std::string>& tokens) {
  if (tokens.empty()) return;
  const std::int32_t id = Add(i, ZMATRIX, tokens[0], ParseAtomLabel(tokens[0]));
  // Tokens beyond label, references and values: the flag that makes the
  // third value a second bond angle, for one.
  const std::size_t n = tokens.size();
  KeepTail(id, line, n >= 7 ? 6 : n >= 5 ? 4 : n >= 3 ? 2 : 0);
  ++ZMatrixData.Count;
  if (n >= 3) {
    ZMatrixData.ReferenceStyles[id] = 2;
    ZMatrixData.Bonds[id] = Entry(id, tokens[1], tokens[2]);
  }
  if (n >= 5) ZMatrixData.Angles[id] = Entry(id, tokens[3], tokens[4]);
  if (n >= 7) ZMatrixData.Dihedrals[id] = Entry(id, tokens[5], tokens[6]);
}

// A reference is an atom's label (the last atom so labelled, this one
// included) or its 1-based number among the atoms read so far; one numeric
// reference makes the whole line number style.
ZMatrix::Pair GaussianInputReader::Entry(std::int32_t id, const std::string& reference,
                                         const std::string& value) {
  ZMatrix::Pair entry;
  const auto labelled = LastIdOfLabel.find(reference);
  if (labelled != LastIdOfLabel.end()) entry.Reference = labelled->second;
  if (IsDigit(reference[0])) {
    const std::int64_t n = ReadInt64(reference) - 1;
    if (n >= 0 && n < static_cast<std::int64_t>(Atoms.Labels.size())) {
      entry.Reference = static_cast<std::int32_t>(n);
      ZMatrixData.ReferenceStyles[id] = 1;
    }
  }
  entry.Text = WithLeadingZero(value);
  const std::string& t = entry.Text;
  if (IsDigit(t[0]) || (t.size() >= 2 && t[0] == '-' && IsDigit(t[1]))) {
    entry.Value = ReadDouble(t);
  } else {
    entry.IsVariable = true;  // valued by ResolveVariables
  }
  return entry;
}

void GaussianInputReader::ReadVariableLine(std::uint32_t i, const std::string& line) {
  const auto key = static_cast<std::int32_t>(ZMatrixData.Variables.size());
  ZMatrix::Pair& variable = ZMatrixData.Variables[key];
  variable.Reference = key;
  VariableLineParts parts = SplitVariableLine(line);
  variable.Text = std::move(parts.Name);
  variable.Value = ReadDouble(parts.Value);
  ZMatrixData.VariableLineIndexes[key] = i;
}

// An entry naming a variable takes the value of the first variable of that
// name, negated for "-name"; an unknown name gives 0.
void GaussianInputReader::ResolveVariables() {
  std::unordered_map<std::string, double> firstValue;
  for (const auto& [key, variable] : ZMatrixData.Variables)
    firstValue.emplace(variable.Text, variable.Value);
  const auto variableValue = [&firstValue](const std::string& text) {
    const bool negative = !text.empty() && text[0] == '-';
    const auto found = firstValue.find(negative ? text.substr(1) : text);
    if (found == firstValue.end()) return 0.0;
    return negative ? -found->second : found->second;
  };

  for (const std::int32_t id : Atoms.Ids) {
    const auto kind = Atoms.Kinds.find(id);
    if (kind == Atoms.Kinds.end() || kind->second != ZMATRIX) continue;
    for (auto* entries : {&ZMatrixData.Bonds, &ZMatrixData.Angles, &ZMatrixData.Dihedrals}) {
      const auto entry = entries->find(id);
      if (entry != entries->end() && entry->second.IsVariable)
        entry->second.Value = variableValue(entry->second.Text);
    }
  }
}

}  // namespace

void MolFile::ReadGaussianInput(const std::vector<std::string>& lines) {
  GaussianInputReader reader(AtomIds, CartesianData, ZMatrixData);
  for (std::size_t i = 0; i < lines.size(); ++i)
    reader.ReadLine(static_cast<std::uint32_t>(i), lines[i]);
  reader.ResolveVariables();
}
