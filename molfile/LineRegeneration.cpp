// After the editor changes an atom or a variable in the tables, its one line
// of text is written again from them, in Gaussian input, MOPAC or TINKER
// form, so that Save and the text view say what the tables say. Only the
// line the atom or variable owns changes.
#include <cstdint>
#include <string>

#include "AtomLabels.h"
#include "MolFile.h"
#include "ReaderSupport.h"
#include "platform/Numbers.h"

namespace {

// What the atom's line held beyond the tables, written back after them.
std::string Tail(const Identifier& atoms, std::int32_t key) {
  const auto tail = atoms.LineTails.find(key);
  return tail == atoms.LineTails.end() ? std::string() : tail->second;
}

// Fixed notation, eleven decimals: 1.5 is 1.50000000000.
std::string Fixed11(double value) { return FormatFixed(value, 11); }

// Ten significant digits, the point and trailing zeros always shown.
std::string General10(double value) { return FormatSignificant(value, 10); }

// The 1-based number of a reference atom, 0 for an unresolved one.
std::string ReferenceNumber(std::int32_t reference) {
  return FormatFloat("0", reference < 0 ? 0.0 : static_cast<double>(reference) + 1);
}

// The line an atom owns, with its table key. Null where the atom has no line
// (or no kind or label): indexing would give it line 0, the route line.
std::string* OwnedLine(MolFile& file, std::uint32_t id, std::int32_t& key) {
  const Identifier& atoms = file.AtomIds;
  const auto lineIndex = atoms.LineIndexes.find(id);
  if (lineIndex == atoms.LineIndexes.end() || lineIndex->second >= file.Lines.size()) return nullptr;
  if (id > static_cast<std::uint32_t>(INT32_MAX)) return nullptr;
  key = static_cast<std::int32_t>(id);
  if (!atoms.Kinds.contains(key) || !atoms.Labels.contains(key)) return nullptr;
  return &file.Lines[lineIndex->second];
}

// Writes `text` over the token [tokenBegin, tokenEnd) of a columned line,
// whose field runs from `fieldBegin` to `fieldEnd` with the token at one edge
// (right-aligned numbers end it, a left-aligned name begins it). Where only
// blanks pad the token in its field, the text keeps that edge and the field
// its width; beside tabs or commas only the token is replaced.
void WriteInField(std::string& line, std::size_t fieldBegin, std::size_t tokenBegin, std::size_t tokenEnd,
                  std::size_t fieldEnd, const std::string& text) {
  const bool blanksOnly =
      line.find_first_not_of(' ', fieldBegin) == tokenBegin && line.find_first_not_of(' ', tokenEnd) >= fieldEnd;
  if (!blanksOnly) {
    line.replace(tokenBegin, tokenEnd - tokenBegin, text);
    return;
  }
  const std::size_t width = fieldEnd - fieldBegin;
  const std::string pad(width > text.size() ? width - text.size() : 1, ' ');
  line.replace(fieldBegin, width, tokenBegin == fieldBegin ? text + pad : pad + text);
}

// Six decimals, as TINKER writes coordinates, unless they do not hold the
// number: then the shortest text that does (1e-07, 1.2345678).
std::string TinkerCoordinate(double value) {
  const std::string six = FormatFixed(value, 6);
  return ReadDouble(six) == value ? six : FormatDouble(value);
}

}  // namespace

void MolFile::UpdateAtomLine(std::uint32_t id) {
  std::int32_t key = 0;
  std::string* owned = OwnedLine(*this, id, key);
  if (!owned) return;

  std::string line = AtomIds.Labels.at(key);
  const std::uint32_t kind = AtomIds.Kinds.at(key);
  if (kind == CARTESIAN) {
    const auto position = CartesianData.Positions.find(key);
    if (position == CartesianData.Positions.end()) return;
    const Position<double>& p = position->second;
    // The line now writes numbers: no name is left to take a variable's value.
    CartesianData.Names.erase(key);
    const auto freeze = AtomIds.FreezeCodes.find(key);
    if (freeze != AtomIds.FreezeCodes.end()) line += "  " + freeze->second;
    line += "  " + Fixed11(p.x) + "  " + Fixed11(p.y) + "  " + Fixed11(p.z);
  } else if (kind == ZMATRIX) {
    line += ' ';
    const auto style = ZMatrixData.ReferenceStyles.find(key);
    const int referenceStyle = style == ZMatrixData.ReferenceStyles.end() ? 0 : style->second;
    if (referenceStyle == 1 || referenceStyle == 2) {
      for (const auto* entries : {&ZMatrixData.Bonds, &ZMatrixData.Angles, &ZMatrixData.Dihedrals}) {
        const auto entry = entries->find(key);
        if (entry == entries->end()) continue;
        const ZMatrix::Pair& pair = entry->second;
        if (referenceStyle == 1) {
          line += ReferenceNumber(pair.Reference);
        } else {
          // An unresolved reference writes no label.
          const auto referenced = AtomIds.Labels.find(pair.Reference);
          if (referenced != AtomIds.Labels.end()) line += referenced->second;
        }
        line += ' ' + pair.Text;  // as written: a variable stays a name
        if (entries != &ZMatrixData.Dihedrals) line += ' ';
      }
    }
  } else {
    return;
  }
  // A tail that begins with blanks brings its own: fields and comment stand
  // as they stood.
  const std::string tail = Tail(AtomIds, key);
  if (!tail.empty() && (tail[0] == ' ' || tail[0] == '\t') && line.back() == ' ') line.pop_back();
  *owned = line + tail;
}

void MolFile::UpdateMopacAtomLine(std::uint32_t id) {
  std::int32_t key = 0;
  std::string* owned = OwnedLine(*this, id, key);
  if (!owned) return;
  const std::uint32_t kind = AtomIds.Kinds.at(key);
  if (kind != ZMATRIX && kind != CARTESIAN) return;

  // Each value with its flag as the file wrote it; a value the file gave no
  // flag is optimised (1), a missing entry's stand-in is not (0).
  const auto flags = AtomIds.Flags.find(key);
  const auto flag = [&](std::size_t k, bool present) {
    if (flags != AtomIds.Flags.end() && !flags->second[k].empty()) return flags->second[k];
    return std::string(present ? "1" : "0");
  };
  std::string line = AtomIds.Labels.at(key) + "  ";
  if (kind == CARTESIAN) {
    const auto position = CartesianData.Positions.find(key);
    if (position == CartesianData.Positions.end()) return;
    const Position<double>& p = position->second;
    line += General10(p.x) + "  " + flag(0, true) + " " + General10(p.y) + "  " + flag(1, true) + " " +
            General10(p.z) + "  " + flag(2, true);
  } else {
    // Values with their flags, then the three reference numbers.
    std::string references;
    std::size_t k = 0;
    for (const auto* entries : {&ZMatrixData.Bonds, &ZMatrixData.Angles, &ZMatrixData.Dihedrals}) {
      const auto entry = entries->find(key);
      const bool present = entry != entries->end();
      line += General10(present ? entry->second.Value : 0) + "  " + flag(k++, present) + " ";
      if (!references.empty()) references += ' ';
      references += present ? ReferenceNumber(entry->second.Reference) : "0";
    }
    line += references;
  }
  *owned = line + Tail(AtomIds, key);
}

void MolFile::UpdateTinkerAtomLine(std::uint32_t id) {
  std::int32_t key = 0;
  std::string* owned = OwnedLine(*this, id, key);
  if (!owned || AtomIds.Kinds.at(key) != CARTESIAN) return;
  const auto position = CartesianData.Positions.find(key);
  auto spans = TokenSpans(*owned);
  if (position == CartesianData.Positions.end() || spans.size() < 5) return;

  // Serial, name, x, y, z, type, connections. Only a field that no longer
  // says what the tables say is written. Each coordinate field runs from the
  // token before it to the coordinate's last byte; right to left, so that
  // the spans still to be written stay where they are.
  const double values[] = {position->second.x, position->second.y, position->second.z};
  for (std::size_t k = 4; k >= 2; --k) {
    const auto [tokenBegin, tokenEnd] = spans[k];
    if (ReadDouble(std::string_view(*owned).substr(tokenBegin, tokenEnd - tokenBegin)) == values[k - 2]) continue;
    WriteInField(*owned, spans[k - 1].second, tokenBegin, tokenEnd, tokenEnd, TinkerCoordinate(values[k - 2]));
  }
  const std::uint32_t element = AtomIds.AtomicNumbers.contains(key) ? AtomIds.AtomicNumbers.at(key) : 0;
  spans = TokenSpans(*owned);
  const auto [nameBegin, nameEnd] = spans[1];
  if (NormalizeAtomLabel(owned->substr(nameBegin, nameEnd - nameBegin)) == element) return;
  WriteInField(*owned, nameBegin, nameBegin, nameEnd, spans[2].first, SymbolOrX(element));
}

void MolFile::UpdateVariableLine(std::int32_t key, const std::string& text) {
  const auto index = ZMatrixData.VariableLineIndexes.find(key);
  if (index == ZMatrixData.VariableLineIndexes.end() || index->second >= Lines.size()) return;
  std::string& line = Lines[index->second];
  const VariableLineParts parts = SplitVariableLine(line);
  line.replace(parts.ValueBegin, parts.ValueEnd - parts.ValueBegin, parts.Separated ? text : ' ' + text);
}
