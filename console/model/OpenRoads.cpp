#include "OpenRoads.h"

#include <unistd.h>

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
  if (extension == ".gjf") return OpenChoice{OpenRoad::Molecule, GAUSSIAN_INPUT};
  if (extension == ".out" || extension == ".log") return OpenChoice{OpenRoad::Molecule, GAUSSIAN_OUTPUT};
  if (extension == ".qva") return OpenChoice{OpenRoad::Animation};
  return std::nullopt;
}

bool PassesReadTest(const std::string& path) {
  return IsRegularFile(path) && access(path.c_str(), R_OK) == 0;
}
