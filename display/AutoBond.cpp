#include <vector>

#include "AtomIndex.h"
#include "MolGL.h"

void MolGL::AutoBond() {
  if (Atoms.size() < 2) return;
  // Look-up-or-insert: an element without a radius bonds with 0 and gains
  // that entry in the model's table.
  std::vector<double> radii(Atoms.size());
  for (std::size_t i = 0; i < Atoms.size(); ++i) radii[i] = ElementData.Radii[Atoms[i].AtomicNumber];

  const AtomIndex index(Atoms);
  for (std::size_t i = 0; i < Atoms.size(); ++i) {
    for (std::size_t j = i + 1; j < Atoms.size(); ++j) {
      const double dx = Atoms[i].BasePosition.x - Atoms[j].BasePosition.x;
      const double dy = Atoms[i].BasePosition.y - Atoms[j].BasePosition.y;
      const double dz = Atoms[i].BasePosition.z - Atoms[j].BasePosition.z;
      const double d2 = dx * dx + dy * dy + dz * dz;
      const double s = (radii[i] + radii[j]) * 0.01;
      if (1.44 * s * s > d2) Bonds.push_back({index.Find(Atoms[i].Id), index.Find(Atoms[j].Id)});
    }
  }
}
