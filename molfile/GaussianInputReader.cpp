#include "MolFile.h"

void MolFile::ReadGaussianInput(const std::vector<std::string>& /*lines*/) {}
