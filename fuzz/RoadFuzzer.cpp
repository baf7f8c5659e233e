// Arbitrary bytes taken the whole way a user's file goes: read as the file
// type that the first byte picks, built into a display model with bonds by
// distance, converted to Gaussian input and to Cartesian coordinates as the
// editor does, every atom's line regenerated as after a grid edit, saved to
// memory and read again. Nothing may crash, hang or grow without bound; the
// tables stay consistent at every step, and the saved text reads back to
// the atoms that were saved.
#include <cstddef>
#include <cstdint>
#include <string>

#include "MolFileChecks.h"
#include "display/MolGL.h"

namespace {

constexpr std::int32_t kTypes[] = {GAUSSIAN_INPUT, GAUSSIAN_OUTPUT, MOPAC_INPUT, TINKER_XYZ};

// The display model as the console opens a file; the view's copy re-creates
// the bonds against its own atoms.
void Display(MolFile& file) {
  MolGL model;
  file.ToMolGL(model);
  model.Bonds.clear();
  model.AutoBond();
  const MolGL copy = model;
  Check(copy.Bonds.size() == model.Bonds.size() && copy.Atoms.size() == model.Atoms.size());
}

void SaveAndReadAgain(const MolFile& file) {
  const std::string text = file.Text();
  MolFile again;
  again.FileType = file.FileType;
  again.Lines = SplitLines(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  Check(again.Lines == file.Lines);
  again.Parse();
  CheckAtoms(again);
  Check(again.AtomIds.Ids.size() == file.AtomIds.Ids.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  MolFile file;
  file.FileType = kTypes[data[0] % 4];
  file.Lines = SplitLines(data + 1, size - 1);
  file.Parse();
  Display(file);
  if (file.FileType != GAUSSIAN_INPUT) {
    file.ToGaussianInput();
    Check(file.FileType == GAUSSIAN_INPUT);
    CheckAtoms(file);
    Display(file);
  }
  if (file.HasZMatrixAtoms()) {
    file.ToCartesian();
    CheckAtoms(file);
    Display(file);
  }
  RegenerateEveryAtomLine(file);
  SaveAndReadAgain(file);
  return 0;
}
