#include "MolFile.h"
#include "MolGL.h"

void MolFile::ToMolGL(MolGL& model) {
  model.Atoms.clear();
  model.Bonds.clear();
  model.Modes.clear();
  model.Name = Name;
}
