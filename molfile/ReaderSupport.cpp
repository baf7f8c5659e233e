#include "ReaderSupport.h"

#include <algorithm>
#include <string_view>

#include "platform/Numbers.h"

std::int32_t AddAtom(Identifier& atoms, std::uint32_t lineIndex, CoordinateKind kind,
                     const std::string& label, std::uint32_t atomicNumber) {
  const auto id = static_cast<std::int32_t>(atoms.Ids.size());
  atoms.Ids.push_back(id);
  atoms.LineIndexes[static_cast<std::uint32_t>(id)] = lineIndex;
  atoms.Kinds[id] = kind;
  atoms.Labels[id] = label;
  atoms.AtomicNumbers[id] = atomicNumber;
  return id;
}

void SetPosition(Cartesian& cartesian, std::int32_t id, const std::string& x, const std::string& y,
                 const std::string& z) {
  ++cartesian.Count;
  cartesian.Positions[id] = {ReadDouble(x), ReadDouble(y), ReadDouble(z), 1};
}

std::string WithLeadingZero(const std::string& text) {
  if (!text.empty() && text[0] == '.') return "0" + text;
  if (text.size() >= 2 && text[0] == '-' && text[1] == '.') return "-0" + text.substr(1);
  return text;
}

std::vector<std::pair<std::size_t, std::size_t>> TokenSpans(const std::string& line) {
  std::vector<std::pair<std::size_t, std::size_t>> spans;
  bool open = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const auto c = static_cast<unsigned char>(line[i]);
    if (IsTokenByte(c)) {
      if (!open) spans.emplace_back(i, i);
      open = true;
      spans.back().second = i + 1;
    } else if (IsTokenSeparator(c)) {
      open = false;
    }
  }
  return spans;
}

std::string Capitals(std::string_view text) {
  std::string capitals(text);
  for (char& c : capitals)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return capitals;
}

bool IsDigits(std::string_view t) { return !t.empty() && std::all_of(t.begin(), t.end(), IsDigit); }

bool IsWholeNumber(std::string_view t) {
  return IsDigits(!t.empty() && (t[0] == '-' || t[0] == '+') ? t.substr(1) : t);
}

bool IsOneNumber(std::string_view t) {
  std::size_t used = 0;
  ReadDouble(t, &used);
  return used > 0 && used == t.size();
}

std::size_t LabelEnd(const std::string& line, const std::vector<std::pair<std::size_t, std::size_t>>& spans) {
  const auto [begin, end] = spans[0];
  const std::string_view label = std::string_view(line).substr(begin, end - begin);
  const std::size_t open = label.find('(');
  if (open == std::string_view::npos || label.find(')', open) != std::string_view::npos) return end;
  const std::size_t close = line.find(')', end);
  return close == std::string::npos ? end : close + 1;
}

std::string TextAfterToken(const std::string& line, std::size_t last, std::size_t textEnd) {
  const auto spans = TokenSpans(line.substr(0, textEnd));
  const bool more = spans.size() > last + 1 || (spans.size() == last + 1 && textEnd < line.size());
  return more ? line.substr(spans[last].second) : std::string();
}

std::string ZMatrixLineExtras(const std::string& tail) {
  const std::size_t comment = tail.find('!');
  const auto spans = TokenSpans(tail.substr(0, comment));
  // The flag, then the fields.
  if (spans.size() >= 2) return tail.substr(spans[0].second);
  if (comment == std::string::npos) return std::string();
  return spans.empty() ? tail : tail.substr(spans.back().second);
}

VariableLineParts SplitVariableLine(const std::string& line) {
  VariableLineParts parts;
  const std::size_t end = std::min(line.find('!'), line.size());
  parts.ValueBegin = parts.ValueEnd = end;
  enum { BeforeName, InName, BeforeValue, InValue } state = BeforeName;
  for (std::size_t i = 0; i < end; ++i) {
    const auto c = static_cast<unsigned char>(line[i]);
    const bool separator = c == '=' || c == ' ' || c == '\t' || c == ',';
    const bool counting = c > 0x20 && c < 0x7F && !separator;
    if (separator) {
      if (state == InName) state = BeforeValue, parts.Separated = true;
      if (state == InValue) {
        parts.ValueEnd = i;
        break;
      }
    } else if (counting && (state == BeforeName || state == InName)) {
      parts.Name += static_cast<char>(c);
      state = InName;
    } else if (counting) {
      if (state == BeforeValue) parts.ValueBegin = i;
      parts.Value += static_cast<char>(c);
      state = InValue;
    }
  }
  return parts;
}
