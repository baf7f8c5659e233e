// Arbitrary bytes as the text of a molecule file of one type (FUZZ_FILE_TYPE).
// Parsing must not crash, hang or grow without bound; the input readers must
// leave every atom with its tables and a line of its own, and the line
// regenerators of a grid edit must keep to the lines the atoms own.
#include <cstddef>
#include <cstdint>

#include "MolFileChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  MolFile file;
  file.FileType = FUZZ_FILE_TYPE;
  file.Lines = SplitLines(data, size);
  file.Parse();

  if (!IsInputType(file.FileType)) return 0;
  CheckAtoms(file);
  if (file.FileType == TINKER_XYZ) return 0;

  RegenerateEveryAtomLine(file);
  file.Parse();
  CheckAtoms(file);
  return 0;
}
