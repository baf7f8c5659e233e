#include "MolFile.h"

void MolFile::ReadGaussianOutput(const std::vector<std::string>& /*lines*/, std::int32_t /*fileType*/) {}

void MolFile::ReadGaussianFrequencies(NormalModes& /*modes*/, const std::vector<std::string>& /*tokens*/) {}
