// Saving the selected molecule's text.
#include "UnitMolecules.h"

void TFormMolecules::ActionSaveMoleculeExecute() {}

void TFormMolecules::ActionSaveMoleculeAsExecute() {}
