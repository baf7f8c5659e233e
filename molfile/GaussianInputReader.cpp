// Gaussian input: the molecule section of the first job, as Cartesian
// or Z-matrix atom lines, and the variables that Z-matrix values name. The
// route, title, charge and multiplicity are only landmarks.
#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
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

// A variable's name with an optional "-".
bool IsNameText(const std::string& t) { return IsLetter(t[0]) || (t.size() >= 2 && t[0] == '-' && IsLetter(t[1])); }

// Label, freeze code, x, y, z, then perhaps ONIOM's layer and link-atom
// fields. Gaussian takes a variable's name for any of x, y and z.
bool IsFrozenCartesianLine(const std::vector<std::string>& t) {
  const auto coordinate = [](const std::string& c) { return LooksNumeric(c) || IsNameText(c); };
  return t.size() >= 5 && IsFreezeCode(t[1]) && coordinate(t[2]) && coordinate(t[3]) && coordinate(t[4]);
}

// A number with a decimal point or an exponent, and nothing else. A
// reference atom is a whole number or a label, so such a second token is x.
bool IsDecimalNumber(const std::string& t) {
  return IsOneNumber(t) && t.find_first_of(".eEdD") != std::string::npos;
}

// A whole number above 0: a reference atom.
bool IsAtomNumber(const std::string& t) {
  return IsDigits(t) && t.find_first_not_of('0') != std::string::npos;
}

// A Z-matrix value written as a number: a digit, or a point and a digit,
// after an optional sign. Gaussian reads "+1.5" as 1.5 too.
bool IsNumberText(const std::string& t) {
  const std::size_t i = t[0] == '-' || t[0] == '+' ? 1 : 0;
  return i < t.size() && (IsDigit(t[i]) || (t[i] == '.' && i + 1 < t.size() && IsDigit(t[i + 1])));
}


// A Z-matrix value: a number or a name.
bool IsValueText(const std::string& t) { return IsNumberText(t) || IsNameText(t); }

bool IsChargeToken(const std::string& t) { return IsDigit(t[0]) || Byte(t, 0) <= 0x2D; }

// Charge and multiplicity: one pair, or one pair for each ONIOM layer or
// counterpoise fragment ("0 1 0 1 0 1", "0,1 0,1 0,1"), whole numbers then.
bool IsChargeLine(const std::vector<std::string>& tokens) {
  if (tokens.size() == 2) return IsChargeToken(tokens[0]) && IsChargeToken(tokens[1]);
  return tokens.size() % 2 == 0 && tokens.size() > 2 &&
         std::all_of(tokens.begin(), tokens.end(), [](const std::string& t) { return IsWholeNumber(t); });
}

// A line "Variables:" or "Constants:" that opens that block of names, in
// any letter case (`keyword` is given in capitals) and with or without the
// colon.
bool IsBlockKeyword(const std::vector<std::string>& tokens, std::string_view keyword) {
  if (tokens.size() != 1) return false;
  std::string_view t = tokens[0];
  if (t.ends_with(':')) t.remove_suffix(1);
  return Capitals(t) == keyword;
}

// Where a route's keyword ends and the next may begin.
bool IsRouteSeparator(char c) { return c == ' ' || c == '\t' || c == ',' || c == '/' || c == '#'; }

// A route line: its first byte after blanks and tabs is "#".
bool BeginsRoute(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  return first != std::string_view::npos && text[first] == '#';
}

// The first job's route ("#" up to its blank line) as one line of capitals,
// its lines joined with blanks and without their comments.
std::string FirstRoute(const std::vector<std::string>& lines) {
  std::string route;
  for (const std::string& line : lines) {
    const std::string_view text = std::string_view(line).substr(0, line.find('!'));
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos ? !route.empty() : text.substr(first).starts_with("--Link1--")) break;
    if (first != std::string_view::npos && (!route.empty() || BeginsRoute(text))) route += Capitals(text) + ' ';
  }
  return route;
}

// The units the route's "Units" keyword gives: "Units=AU", "Units(Bohr)",
// "Units=(AU,Rad)"; Ang and Deg are the defaults.
FileUnits RouteUnits(const std::vector<std::string>& lines) {
  constexpr double kBohr = 0.52917721092;  // angstroms
  FileUnits units;
  // Every line of the route ends with a blank, so no keyword is its end.
  const std::string route = FirstRoute(lines);
  for (std::size_t at = route.find("UNITS"); at != std::string::npos; at = route.find("UNITS", at + 1)) {
    if (at > 0 && !IsRouteSeparator(route[at - 1])) continue;
    std::size_t begin = at + 5;
    const bool equals = route[begin] == '=';
    if (equals) ++begin;
    const bool list = route[begin] == '(';
    if (!equals && !list) continue;
    if (list) ++begin;
    const std::size_t end = std::min(route.find_first_of(list ? ")" : " \t,/)", begin), route.size());
    std::vector<std::string> options;
    Tokenize(route.substr(begin, end - begin), options);
    for (const std::string& option : options) {
      if (option == "ANG") units.Length = 1.0;
      if (option == "AU" || option == "BOHR") units.Length = kBohr;
      if (option == "DEG") units.Angle = 1.0;
      if (option == "RAD") units.Angle = 180.0 / Pi;
    }
  }
  return units;
}

// How the molecule section reads an atom line.
enum class AtomLine { Ignored, ZMatrix, Cartesian, FrozenCartesian };

class GaussianInputReader {
 public:
  GaussianInputReader(Identifier& atoms, Cartesian& cartesian, ZMatrix& zmatrix)
      : Atoms(atoms), CartesianData(cartesian), ZMatrixData(zmatrix) {}

  void ReadLine(std::uint32_t i, const std::string& line);
  // The first entry, in atom order, whose name no block defines: its atom's
  // id and the name. Id -1 when every name is defined.
  std::pair<std::int32_t, std::string> FirstUndefinedName() const;
  // The first "@file" line of the molecule, or -1.
  std::int64_t IncludeLine = -1;

 private:
  bool HasUndefinedName() const;
  void ReadAtomLine(std::uint32_t i, const std::string& line, std::vector<std::string>& tokens);
  AtomLine ClassifyAtomLine(const std::vector<std::string>& tokens) const;
  bool TranslationNamesAValue(const std::vector<std::string>& tokens) const;
  bool NamesEarlierAtom(const std::string& t) const;
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
  // Reading names and values: the variables, then, after a blank line, the
  // constants.
  bool InVariables = false;
  bool InConstants = false;
  bool AfterBlank = false;
  // A job that has a route ("#" line) has a title after it, each section
  // ending at a blank line: only then may the charge line come, so that a
  // title such as "1 2" stays a title. Without a route, a charge line may
  // follow any blank line.
  enum class Heading { NoRoute, InRoute, InTitle, Done } Heading = Heading::NoRoute;
  // An entry of the molecule names a value. Gaussian reads variables only for
  // names the molecule uses: without one, the block after its blank line is
  // the next section (a basis set, modredundant lines).
  bool NamesAValue = false;
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
  if (Heading == Heading::NoRoute && !MoleculeOpened && BeginsRoute(text)) Heading = Heading::InRoute;

  if (InVariables) {
    if (blank) {
      // Gaussian reads a block of constants after the variables only while
      // a name is still undefined: otherwise what follows is another section
      // (a basis set, modredundant lines).
      InVariables = !InConstants && HasUndefinedName();
      InConstants = InVariables;
      blank = false;
      ZMatrixData.SectionLineIndexes.push_back(i);
    } else if (IsBlockKeyword(tokens, "CONSTANTS")) {
      InConstants = true;
      ZMatrixData.SectionLineIndexes.push_back(i);
    } else if (StartsVariableName(tokens[0][0])) {
      ReadVariableLine(i, text);
      ZMatrixData.SectionLineIndexes.push_back(i);
    } else {
      InVariables = false;
    }
  }

  if (InMolecule) {
    if (blank) {
      InMolecule = false;
      InVariables = NamesAValue;
      blank = false;
    } else if (const bool constants = IsBlockKeyword(tokens, "CONSTANTS");
               constants || IsBlockKeyword(tokens, "VARIABLES")) {
      InMolecule = false;
      InVariables = true;
      InConstants = constants;
      ZMatrixData.SectionLineIndexes.push_back(i);
    } else if (tokens[0][0] == '@') {
      // Gaussian reads the atoms from the named file, which is not read here.
      if (IncludeLine < 0) IncludeLine = i;
    } else {
      ReadAtomLine(i, line, tokens);
    }
  }

  const bool inHeading = Heading == Heading::InRoute || Heading == Heading::InTitle;
  if (AfterBlank) {
    if (!MoleculeOpened && !inHeading && IsChargeLine(tokens))
      InMolecule = MoleculeOpened = true;
    else
      AfterBlank = false;
  }
  if (blank) {
    AfterBlank = true;
    if (inHeading) Heading = Heading == Heading::InRoute ? Heading::InTitle : Heading::Done;
  }
}

// Fields after an atom (ONIOM's layer, link atom and its partner, a
// counterpoise fragment) are kept in the line's tail, so Cartesian lines are
// known by x alone, and Z-matrix lines by a reference to an earlier atom and
// a value after it.
void GaussianInputReader::ReadAtomLine(std::uint32_t i, const std::string& line,
                                       std::vector<std::string>& tokens) {
  if (tokens.empty()) return;
  if (IsTranslationVector(tokens[0])) {
    // No atom, but a name it gives keeps the variables a conversion would drop.
    if (TranslationNamesAValue(tokens)) ZMatrixData.NamedByAtoms = true;
    return;
  }
  JoinLabel(line, tokens);
  switch (ClassifyAtomLine(tokens)) {
    case AtomLine::FrozenCartesian: ParseGaussianInputAtoms(i, line, tokens, 2); break;
    case AtomLine::Cartesian: ParseGaussianInputAtoms(i, line, tokens, 1); break;
    case AtomLine::ZMatrix: ReadZMatrixLine(i, line, tokens); break;
    case AtomLine::Ignored: break;
  }
}

AtomLine GaussianInputReader::ClassifyAtomLine(const std::vector<std::string>& tokens) const {
  const std::size_t n = tokens.size();
  if (IsFrozenCartesianLine(tokens)) return AtomLine::FrozenCartesian;
  if (n >= 4 && IsDecimalNumber(tokens[1])) return AtomLine::Cartesian;
  if (n >= 3 && NamesEarlierAtom(tokens[1]) && IsValueText(tokens[2])) return AtomLine::ZMatrix;
  if (n == 1 || IsLetter(tokens[1][0]) || n == 3 || n == 5 || n == 7 || n == 8 || (n >= 9 && IsAtomNumber(tokens[1])))
    return AtomLine::ZMatrix;
  if (n == 2 && Atoms.Ids.empty() && IsWholeNumber(tokens[1])) return AtomLine::ZMatrix;  // the first atom and its fragment
  if (n == 4 && LooksNumeric(tokens[1])) return AtomLine::Cartesian;
  return AtomLine::Ignored;
}

// A translation vector's values stand where an atom line's would: x, y and z,
// or a Z-matrix's values after their references ("TV 1 L 2 90.0 3 90.0").
bool GaussianInputReader::TranslationNamesAValue(const std::vector<std::string>& tokens) const {
  const AtomLine form = ClassifyAtomLine(tokens);
  if (form == AtomLine::Ignored) return false;
  const std::size_t first = form == AtomLine::Cartesian ? 1 : 2, step = form == AtomLine::ZMatrix ? 2 : 1;
  for (std::size_t k = 0, at = first; k < 3 && at < tokens.size(); ++k, at += step)
    if (IsNameText(tokens[at])) return true;
  return false;
}

bool GaussianInputReader::NamesEarlierAtom(const std::string& t) const {
  return IsAtomNumber(t) && ReadInt64(t) <= static_cast<std::int64_t>(Atoms.Ids.size());
}

std::int32_t GaussianInputReader::Add(std::uint32_t i, CoordinateKind kind,
                                      const std::string& label, std::uint32_t atomicNumber) {
  const std::int32_t id = AddAtom(Atoms, i, kind, label, atomicNumber);
  LastIdOfLabel[label] = id;
  return id;
}

// A Cartesian atom: its label, a freeze code when x is token 2, and x, y
// and z. The element of an ONIOM label ("H-HC--0.1") is its part before the
// first "-", where the symbol's letters end anyway; a ghost "Bq" is no boron.
void GaussianInputReader::ParseGaussianInputAtoms(std::uint32_t i, const std::string& line,
                                                  std::vector<std::string>& tokens, std::size_t x) {
  for (std::string& token : tokens) token = WithLeadingZero(token);
  const std::uint32_t atomicNumber = IsGhostLabel(tokens[0]) ? 0 : AtomicNumberFromLabel(tokens[0]);
  const std::int32_t id = Add(i, CARTESIAN, tokens[0], atomicNumber);
  SetPosition(CartesianData, id, tokens[x], tokens[x + 1], tokens[x + 2]);
  std::array<std::string, 3> names;
  for (std::size_t k = 0; k < 3; ++k)
    if (IsNameText(tokens[x + k])) names[k] = tokens[x + k];
  if (names != std::array<std::string, 3>{}) {
    ZMatrixData.NamedByAtoms = true;
    // After a freeze code, a name is a variable valued as the Z-matrix's are.
    if (x == 2) CartesianData.Names[id] = std::move(names), NamesAValue = true;
  }
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

// An atom takes the references and values its place needs: none for the
// first, a bond for the second, an angle too for the third, and a dihedral
// from the fourth on. What follows stays in the line: the format code, of
// which 1 and -1 make the third value a second bond angle, a layer, a
// fragment.
void GaussianInputReader::ReadZMatrixLine(std::uint32_t i, const std::string& line,
                                          const std::vector<std::string>& tokens) {
  if (tokens.empty()) return;
  const std::size_t place = Atoms.Ids.size();
  const std::int32_t id = Add(i, ZMATRIX, tokens[0], ParseAtomLabel(tokens[0]));
  const std::size_t pairs = std::min({place, std::size_t{3}, (tokens.size() - 1) / 2});
  KeepTail(id, line, 2 * pairs);
  ++ZMatrixData.Count;
  if (pairs >= 1) {
    ZMatrixData.ReferenceStyles[id] = 2;
    ZMatrixData.Bonds[id] = Entry(id, tokens[1], tokens[2]);
  }
  if (pairs >= 2) ZMatrixData.Angles[id] = Entry(id, tokens[3], tokens[4]);
  if (pairs >= 3) {
    ZMatrixData.Dihedrals[id] = Entry(id, tokens[5], tokens[6]);
    if (tokens.size() >= 8 && (tokens[7] == "1" || tokens[7] == "-1"))
      ZMatrixData.SecondAngleSides[id] = tokens[7] == "1" ? 1 : -1;
  }
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
  if (IsNumberText(entry.Text)) {
    entry.Value = ReadDouble(entry.Text);
  } else {
    entry.IsVariable = true;  // valued by ResolveVariables
    NamesAValue = ZMatrixData.NamedByAtoms = true;
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

// The name an entry's text gives, without the "-" that negates it.
std::string_view VariableName(std::string_view text) {
  return !text.empty() && text[0] == '-' ? text.substr(1) : text;
}

// The values of the names the blocks define, the first definition of a name
// counting. Gaussian reads its input without regard to letter case, so a
// name written otherwise than defined still finds its value.
class VariableValues {
 public:
  explicit VariableValues(const std::map<std::int32_t, ZMatrix::Pair>& variables) {
    for (const auto& [key, variable] : variables) {
      Exact.emplace(variable.Text, variable.Value);
      AnyCase.emplace(Capitals(variable.Text), variable.Value);
    }
  }
  std::optional<double> Find(std::string_view name) const {
    if (const auto found = Exact.find(name); found != Exact.end()) return found->second;
    if (const auto found = AnyCase.find(Capitals(name)); found != AnyCase.end()) return found->second;
    return std::nullopt;
  }

 private:
  std::unordered_map<std::string_view, double> Exact;
  std::unordered_map<std::string, double> AnyCase;
};

std::pair<std::int32_t, std::string> GaussianInputReader::FirstUndefinedName() const {
  const VariableValues values(ZMatrixData.Variables);
  std::pair<std::int32_t, std::string> first{-1, ""};
  for (const auto* entries : {&ZMatrixData.Bonds, &ZMatrixData.Angles, &ZMatrixData.Dihedrals}) {
    for (const auto& [id, entry] : *entries) {
      if (first.first >= 0 && id >= first.first) break;
      if (entry.IsVariable && !values.Find(VariableName(entry.Text)))
        first = {id, std::string(VariableName(entry.Text))};
    }
  }
  return first;
}

// Z-matrix entries and Cartesian coordinates alike.
bool GaussianInputReader::HasUndefinedName() const {
  if (FirstUndefinedName().first >= 0) return true;
  const VariableValues values(ZMatrixData.Variables);
  for (const auto& [id, names] : CartesianData.Names)
    for (const std::string& name : names)
      if (!name.empty() && !values.Find(VariableName(name))) return true;
  return false;
}

// The value a name gives, negated for "-name"; an unknown name gives 0.
double NamedValue(const VariableValues& values, const std::string& text) {
  const double value = values.Find(VariableName(text)).value_or(0.0);
  return !text.empty() && text[0] == '-' ? -value : value;
}

}  // namespace

void ZMatrix::ResolveVariables() {
  const VariableValues values(Variables);
  for (auto* entries : {&Bonds, &Angles, &Dihedrals})
    for (auto& [id, entry] : *entries)
      if (entry.IsVariable) entry.Value = NamedValue(values, entry.Text);
}

void MolFile::ResolveVariables() {
  ZMatrixData.ResolveVariables();
  const VariableValues values(ZMatrixData.Variables);
  for (const auto& [id, names] : CartesianData.Names) {
    Position<double>& p = CartesianData.Positions[id];
    double* coordinates[] = {&p.x, &p.y, &p.z};
    for (std::size_t k = 0; k < 3; ++k)
      if (!names[k].empty()) *coordinates[k] = NamedValue(values, names[k]);
  }
}

void MolFile::ReadGaussianInput(const std::vector<std::string>& lines) {
  GaussianInputReader reader(AtomIds, CartesianData, ZMatrixData);
  for (std::size_t i = 0; i < lines.size(); ++i)
    reader.ReadLine(static_cast<std::uint32_t>(i), lines[i]);
  ResolveVariables();
  Units = RouteUnits(lines);
  // An included molecule is not read at all; Gaussian stops on a name that
  // no block defines, and read as 0 it would place the atom wrongly. Either
  // refuses the file.
  const auto [id, name] = reader.FirstUndefinedName();
  if (reader.IncludeLine >= 0) {
    RefusedLine = reader.IncludeLine;
    RefusedFor = Refusal::IncludedMolecule;
  } else if (id >= 0) {
    RefusedLine = AtomIds.LineIndexes.at(static_cast<std::uint32_t>(id));
    RefusedFor = Refusal::UndefinedName;
    RefusedName = name;
  } else {
    return;
  }
  ClearGeometry();
}
