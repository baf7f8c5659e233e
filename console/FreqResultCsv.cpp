// The vibration results of the selected molecule as a CSV file.
#include "UnitMolecules.h"

void TFormMolecules::ActionSaveFreqResultExecute() {}
