// Arbitrary bytes as the text of a molecule file of one type (FUZZ_FILE_TYPE).
// Parsing must not crash, hang or grow without bound; the input readers must
// leave every atom with its tables and a line of its own, and the line
// regenerators of a grid edit must keep to the lines the atoms own.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "molfile/MolFile.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckAtoms(const MolFile& file) {
  const Identifier& atoms = file.AtomIds;
  for (std::size_t i = 0; i < atoms.Ids.size(); ++i) {
    const std::int32_t id = atoms.Ids[i];
    Check(id == static_cast<std::int32_t>(i));
    Check(atoms.Labels.contains(id) && atoms.AtomicNumbers.contains(id) && atoms.Kinds.contains(id));
    const auto line = atoms.LineIndexes.find(static_cast<std::uint32_t>(id));
    Check(line != atoms.LineIndexes.end() && line->second < file.Lines.size());
  }
  Check(atoms.Labels.size() == atoms.Ids.size() && atoms.LineIndexes.size() == atoms.Ids.size());
  const auto count = static_cast<std::int32_t>(atoms.Ids.size());
  Check(file.CartesianData.Count + file.ZMatrixData.Count == count);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  MolFile file;
  file.FileType = FUZZ_FILE_TYPE;
  std::string line;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\n') {
      file.Lines.push_back(line);
      line.clear();
    } else {
      line += static_cast<char>(data[i]);
    }
  }
  file.Lines.push_back(line);
  file.Parse();

  const bool input = file.FileType == GAUSSIAN_INPUT || file.FileType == MOPAC_INPUT ||
                     file.FileType == TINKER_XYZ;
  if (!input) return 0;
  CheckAtoms(file);
  if (file.FileType == TINKER_XYZ) return 0;

  const std::size_t lines = file.Lines.size();
  for (const std::int32_t id : file.AtomIds.Ids) {
    if (file.FileType == MOPAC_INPUT)
      file.UpdateMopacAtomLine(static_cast<std::uint32_t>(id));
    else
      file.UpdateAtomLine(static_cast<std::uint32_t>(id));
  }
  Check(file.Lines.size() == lines);
  file.Parse();
  CheckAtoms(file);
  return 0;
}
