// A new, untitled Gaussian input.
#include "UnitMolecules.h"

void TFormMolecules::ActionNewMoleculeExecute() {}
