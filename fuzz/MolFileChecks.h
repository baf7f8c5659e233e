// What the molecule fuzz targets share: the input bytes as a file's lines,
// and the tables every input reader must leave consistent.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "molfile/MolFile.h"

inline void Check(bool condition) {
  if (!condition) std::abort();
}

// Split at '\n' as a file is read, a CR kept in its line.
inline std::vector<std::string> SplitLines(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\n') {
      lines.push_back(line);
      line.clear();
    } else {
      line += static_cast<char>(data[i]);
    }
  }
  lines.push_back(line);
  return lines;
}

// Every atom with its tables and a line of its own.
inline void CheckAtoms(const MolFile& file) {
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

inline bool IsInputType(std::int32_t type) {
  return type == GAUSSIAN_INPUT || type == MOPAC_INPUT || type == TINKER_XYZ;
}

// The grid edits' rewrite of every atom's line; the line count stays.
inline void RegenerateEveryAtomLine(MolFile& file) {
  const std::size_t lines = file.Lines.size();
  for (const std::int32_t id : file.AtomIds.Ids) {
    if (file.FileType == MOPAC_INPUT)
      file.UpdateMopacAtomLine(static_cast<std::uint32_t>(id));
    else
      file.UpdateAtomLine(static_cast<std::uint32_t>(id));
  }
  Check(file.Lines.size() == lines);
}
