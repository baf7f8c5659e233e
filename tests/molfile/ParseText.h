// Test helper: a file model of a given type parsed from an inline text.
#pragma once

#include <cstdint>
#include <string>

#include "molfile/MolFile.h"
#include "platform/Numbers.h"

// Lines are split at line feeds only, so a test can leave carriage returns
// in the lines, as an edited text may have them.
inline MolFile ParseText(std::int32_t fileType, const std::string& text) {
  MolFile file;
  file.FileType = fileType;
  std::string line;
  for (const char c : text) {
    if (c == '\n') {
      file.Lines.push_back(line);
      line.clear();
    } else {
      line += c;
    }
  }
  file.Lines.push_back(line);
  file.Parse();
  return file;
}

// Each atom as kind, atomic number and, for a Cartesian one, where it lies:
// "Z8 C1@0,-0.94,1.5"; with `references`, a Z-matrix atom's reference ids,
// bond first: "Z8 Z1>0 Z1>1,0".
inline std::string AtomSummary(const MolFile& file, bool references = false) {
  std::string summary;
  for (const std::int32_t id : file.AtomIds.Ids) {
    const bool cartesian = file.AtomIds.Kinds.at(id) == CARTESIAN;
    summary += (summary.empty() ? "" : " ") + std::string(cartesian ? "C" : "Z") +
               std::to_string(file.AtomIds.AtomicNumbers.at(id));
    for (const auto* entries : {&file.ZMatrixData.Bonds, &file.ZMatrixData.Angles, &file.ZMatrixData.Dihedrals})
      if (const auto entry = entries->find(id); references && entry != entries->end())
        summary += (entries == &file.ZMatrixData.Bonds ? ">" : ",") + std::to_string(entry->second.Reference);
    if (!cartesian) continue;
    const Position<double>& p = file.CartesianData.Positions.at(id);
    summary += "@" + FormatGeneral(p.x, 15) + "," + FormatGeneral(p.y, 15) + "," + FormatGeneral(p.z, 15);
  }
  return summary;
}
