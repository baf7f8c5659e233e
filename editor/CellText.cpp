#include "CellText.h"

#include "molfile/AtomLabels.h"
#include "molfile/MolFile.h"
#include "platform/Numbers.h"
#include "platform/TextCodec.h"

std::string FilterCell(const QString& text, int first, int last) {
  std::string kept;
  for (const char byte : Utf8ToCp932(text.toStdString())) {
    const int code = static_cast<signed char>(byte);
    if (code >= first && code <= last) kept += byte;
  }
  return kept;
}

std::string NumberCellText(const QString& text, int first, int last) {
  if (auto number = ExponentNumberText(text.toStdString())) return *number;
  return FilterCell(text, first, last);
}

std::string NumberTaken(const std::string& text) {
  std::size_t used = 0;
  ReadDouble(text, &used);
  return used == 0 ? std::string("0") : text.substr(0, used);
}

int AtomIdOfCell(const QString& cell) {
  const std::int32_t number = ReadInt(cell.toStdString());
  return number > 0 ? number - 1 : -1;
}

std::uint32_t TypedAtomicNumber(std::int32_t fileType, const std::string& label,
                                std::uint32_t (*rule)(const std::string&)) {
  if (fileType == MOPAC_INPUT) return MopacAtomicNumber(label);
  return fileType == GAUSSIAN_INPUT && IsGhostLabel(label) ? 0 : rule(label);
}
