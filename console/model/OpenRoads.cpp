#include "OpenRoads.h"

#include "FileNames.h"
#include "molfile/MolFile.h"
#include "platform/Files.h"

OpenChoice ChoiceForFilter(int filterIndex) {
  switch (filterIndex) {
    case 2: return {OpenRoad::Molecule, GAUSSIAN_OUTPUT};
    case 3: return {OpenRoad::Refused};
    case 4: return {OpenRoad::Molecule, MOPAC_INPUT};
    case 5: return {OpenRoad::Molecule, TINKER_XYZ};
    case 6: return {OpenRoad::Animation};
    default: return {OpenRoad::Molecule, GAUSSIAN_INPUT};
  }
}

std::optional<OpenChoice> ChoiceForArgument(std::string_view argument) {
  const std::string extension = ExtractFileExt(argument);
  if (extension == ".gjf" || extension == ".com") return OpenChoice{OpenRoad::Molecule, GAUSSIAN_INPUT};
  if (extension == ".out" || extension == ".log") return OpenChoice{OpenRoad::Molecule, GAUSSIAN_OUTPUT};
  if (extension == ".qva") return OpenChoice{OpenRoad::Animation};
  return std::nullopt;
}

const char* FileTypeName(int fileType) {
  switch (fileType) {
    case GAUSSIAN_OUTPUT: return "Gaussian Output";
    case MOPAC_INPUT: return "MOPAC Input";
    case TINKER_XYZ: return "TINKER XYZ";
    default: return "Gaussian Input";
  }
}

bool PassesReadTest(const std::string& path, std::string* reason) {
  return IsReadableFile(path, reason);
}
