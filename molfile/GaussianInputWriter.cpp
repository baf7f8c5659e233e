#include "MolFile.h"
#include "MolGL.h"

void MolFile::ToGaussianInput() {}
void MolFile::ToCartesian() {}
void MolFile::WriteCartesianLine(std::int32_t, const MolGL&) {}
