// Opening animation files.
#include "UnitMolecules.h"

void TFormMolecules::OpenAnimationFile(const std::string&, bool) {}
