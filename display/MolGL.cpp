#include "MolGL.h"

#include "AtomIndex.h"

MolGL::MolGL() : ElementData(DefaultElements) {}

MolGL::MolGL(const MolGL& source) { CopyFrom(source); }

MolGL& MolGL::operator=(const MolGL& source) {
  if (this != &source) CopyFrom(source);
  return *this;
}

// Everything but the export slot, the Metasequoia index and the material map.
// Bonds and displacements are re-pointed at this model's own atoms by id.
void MolGL::CopyFrom(const MolGL& source) {
  Name = source.Name;
  Position = source.Position;
  RotMatrix = source.RotMatrix;
  ModelType = source.ModelType;
  Atoms = source.Atoms;

  const AtomIndex index(Atoms);
  Bonds.clear();
  Bonds.reserve(source.Bonds.size());
  const std::size_t count = source.Atoms.size();
  for (const Bond& bond : source.Bonds) {
    // A bond left behind by a caller that shrank the atoms has no ids to take.
    if (bond.Atom1 >= count || bond.Atom2 >= count) continue;
    const std::size_t a = index.Find(source.Atoms[bond.Atom1].Id);
    const std::size_t b = index.Find(source.Atoms[bond.Atom2].Id);
    if (a != AtomIndex::None && b != AtomIndex::None) Bonds.push_back({a, b});
  }

  Modes.clear();
  Modes.reserve(source.Modes.size());
  for (const NormalMode& from : source.Modes) {
    NormalMode& mode = Modes.emplace_back();
    mode.ModeNumber = from.ModeNumber;
    mode.Frequency = from.Frequency;
    mode.Animate = from.Animate;
    mode.Phase = from.Phase;
    for (const auto& [atom, vector] : from.Displacements) {
      if (atom >= count) continue;
      const std::size_t target = index.Find(source.Atoms[atom].Id);
      if (target != AtomIndex::None) mode.Displacements.emplace(target, vector);
    }
  }

  ShowMolecule = source.ShowMolecule;
  ShowDummyAtoms = source.ShowDummyAtoms;
  ScalingFactor = source.ScalingFactor;
  LastUpdateTime = source.LastUpdateTime;
  BondColor = source.BondColor;
  BondRadius = source.BondRadius;
  ElementData = source.ElementData;
  AtomColors = source.AtomColors;
  AtomRadii = source.AtomRadii;
  BallScale = source.BallScale;
  SpaceFillingScale = source.SpaceFillingScale;
  NMMagnitude = source.NMMagnitude;
  SphereSlices = source.SphereSlices;
  SphereStacks = source.SphereStacks;
  CylinderSlices = source.CylinderSlices;
  CylinderStacks = source.CylinderStacks;
}

std::vector<Atom>::iterator MolGL::FindAtom(std::int32_t id) {
  for (auto it = Atoms.begin(); it != Atoms.end(); ++it)
    if (it->Id == id) return it;
  return Atoms.end();
}

std::vector<Atom>::const_iterator MolGL::FindAtom(std::int32_t id) const {
  for (auto it = Atoms.begin(); it != Atoms.end(); ++it)
    if (it->Id == id) return it;
  return Atoms.end();
}

void MolGL::AddBond(std::int32_t id1, std::int32_t id2) {
  const auto a = FindAtom(id1);
  const auto b = FindAtom(id2);
  if (a == Atoms.end() || b == Atoms.end()) return;
  Bonds.push_back({static_cast<std::size_t>(a - Atoms.begin()),
                   static_cast<std::size_t>(b - Atoms.begin())});
}

void MolGL::AddBond(const Atom& a, const Atom& b) { AddBond(a.Id, b.Id); }
