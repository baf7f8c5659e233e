#include "VibrationCsv.h"

#include <algorithm>
#include <array>
#include <vector>

#include "molfile/MolFile.h"
#include "platform/Numbers.h"

namespace {

// Empty for a table the job did not print and for a value not known.
std::string Cell(const std::vector<float>& table, std::size_t i, double factor = 1.0) {
  if (i >= table.size() || !NormalModes::IsKnown(table[i])) return std::string();
  return FormatFixed(static_cast<double>(table[i]) * factor, 4);
}

}  // namespace

std::string VibrationCsvText(const NormalModes& modes, double scalingFactor) {
  const std::array<std::size_t, 8> sizes = {
      modes.ModeNumbers.size(),    modes.Symmetries.size(),      modes.Frequencies.size(),
      modes.ReducedMasses.size(),  modes.ForceConstants.size(),  modes.IRIntensities.size(),
      modes.RamanActivities.size(), modes.Depolarizations.size()};
  std::size_t rows = modes.ModeNumbers.size();
  for (std::size_t size : sizes)
    if (size != 0) rows = std::min(rows, size);

  std::string text = "Mode No,Symmetry,Frequency,Red mass,Frc const,IR Inten,Raman Activ,Depolar\r\n";
  for (std::size_t i = 0; i < rows; ++i) {
    text += FormatFloat("0", modes.ModeNumbers[i]) + ',';
    if (i < modes.Symmetries.size()) text += modes.Symmetries[i];
    text += ',' + Cell(modes.Frequencies, i, scalingFactor);
    text += ',' + Cell(modes.ReducedMasses, i);
    text += ',' + Cell(modes.ForceConstants, i);
    text += ',' + Cell(modes.IRIntensities, i);
    text += ',' + Cell(modes.RamanActivities, i);
    text += ',' + Cell(modes.Depolarizations, i) + "\r\n";
  }
  return text;
}
