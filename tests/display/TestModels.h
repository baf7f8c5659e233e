// Small hand-made display models and file models for the display tests.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "display/MolGL.h"
#include "molfile/MolFile.h"

inline Atom MakeAtom(std::int32_t id, std::uint32_t atomicNumber, double x, double y, double z) {
  Atom atom;
  atom.Id = id;
  atom.AtomicNumber = atomicNumber;
  atom.BasePosition = atom.Position = {x, y, z, 1.0};
  return atom;
}

// Declares atom `id` of `file` with a label and an atomic number.
inline void DeclareAtom(MolFile& file, std::int32_t id, const char* label, std::uint32_t atomicNumber,
                        CoordinateKind kind) {
  file.AtomIds.Ids.push_back(id);
  file.AtomIds.Labels[id] = label;
  file.AtomIds.AtomicNumbers[id] = atomicNumber;
  file.AtomIds.Kinds[id] = kind;
}

inline void SetZ(std::map<std::int32_t, ZMatrix::Pair>& entries, std::int32_t id, std::int32_t reference,
                 double value) {
  ZMatrix::Pair pair;
  pair.Reference = reference;
  pair.Value = value;
  entries[id] = pair;
}

// The bonds of `model` as pairs of atom ids, in order.
inline std::vector<std::pair<std::int32_t, std::int32_t>> BondIds(const MolGL& model) {
  std::vector<std::pair<std::int32_t, std::int32_t>> ids;
  for (const Bond& b : model.Bonds) ids.emplace_back(model.Atoms[b.Atom1].Id, model.Atoms[b.Atom2].Id);
  return ids;
}

// The bonds automatic bonding gives when every pair is compared and no atom
// is limited in its number of bonds, as atom-id pairs in (i, then j) order.
inline std::vector<std::pair<std::int32_t, std::int32_t>> EveryPairWithinReach(const MolGL& model) {
  std::vector<std::pair<std::int32_t, std::int32_t>> ids;
  const auto& atoms = model.Atoms;
  for (std::size_t i = 0; i < atoms.size(); ++i) {
    for (std::size_t j = i + 1; j < atoms.size(); ++j) {
      const double dx = atoms[i].BasePosition.x - atoms[j].BasePosition.x;
      const double dy = atoms[i].BasePosition.y - atoms[j].BasePosition.y;
      const double dz = atoms[i].BasePosition.z - atoms[j].BasePosition.z;
      const double s = (model.ElementData.Radii.at(atoms[i].AtomicNumber) +
                        model.ElementData.Radii.at(atoms[j].AtomicNumber)) * 0.01;
      if (1.44 * s * s > dx * dx + dy * dy + dz * dz) ids.emplace_back(atoms[i].Id, atoms[j].Id);
    }
  }
  return ids;
}

// Water bonded O-H twice (atom ids 1, 5 and 3), with a bending mode 7 that
// leaves the first hydrogen at rest.
inline MolGL BentWater(std::int32_t type = BALL_AND_STICK) {
  MolGL model;
  model.ModelType = type;
  model.Atoms = {MakeAtom(1, 8, 0.0, 0.0, 0.0), MakeAtom(5, 1, 0.96, 0.0, 0.0), MakeAtom(3, 1, -0.24, 0.93, 0.0)};
  model.Bonds = {{0, 1}, {0, 2}};
  NormalMode bend;
  bend.ModeNumber = 7;
  bend.Displacements[0] = {0.0, -0.07, 0.0, 1.0};
  bend.Displacements[1] = {0.0, 0.0, 0.0, 1.0};
  bend.Displacements[2] = {0.4, 0.5, 0.0, 1.0};
  model.Modes = {bend};
  return model;
}
