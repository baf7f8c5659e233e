// Test helper: a file model of a given type parsed from an inline text.
#pragma once

#include <cstdint>
#include <string>

#include "molfile/MolFile.h"

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
