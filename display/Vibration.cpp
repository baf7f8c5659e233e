// The display model's vibration: atom positions at a time along the chosen
// mode, and the phases of the modes.

#include <cmath>

#include "MolGL.h"
#include "molfile/MolFile.h"

void MolGL::Update(long double time) {
  const long double dt = time - LastUpdateTime;
  LastUpdateTime = time;
  for (NormalMode& mode : Modes) {
    // Extended precision throughout, in this order: the phase is never
    // reduced, so hours of clock must not lose the low digits. A mode whose
    // frequency is not known stands still.
    if (mode.Animate && NormalModes::IsKnown(mode.Frequency)) mode.Phase += dt * 2.0 * Pi * mode.Frequency * 299792458.0 * 100.0 * 1e-15;
  }
  ApplyModePhases();
}

void MolGL::ApplyModePhases() {
  for (Atom& atom : Atoms) atom.Position = atom.BasePosition;
  for (const NormalMode& mode : Modes) {
    if (!mode.Animate) continue;
    const double s = std::sin(static_cast<double>(mode.Phase));
    // An atom without an entry moves by zero.
    for (const auto& [place, d] : mode.Displacements) {
      if (place >= Atoms.size()) continue;
      ::Position<double>& p = Atoms[place].Position;
      p.x += (NMMagnitude * d.x) * s;
      p.y += (NMMagnitude * d.y) * s;
      p.z += (NMMagnitude * d.z) * s;
    }
  }
}
