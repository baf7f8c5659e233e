#include "ReaderSupport.h"

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
