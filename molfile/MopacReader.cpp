#include "MolFile.h"

void MolFile::ReadMopacInput(const std::vector<std::string>& /*lines*/) {}
