#include "MolFile.h"

void MolFile::ReadTinkerXyz(const std::vector<std::string>& /*lines*/) {}
