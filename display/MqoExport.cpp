// The Metasequoia objects of one display model: a sphere per atom, an open
// cylinder per bond and an arrow per displaced atom of a normal mode. No
// rotation reaches the file; the model's translation moves every vertex.
#include "MolGL.h"
#include "MqoMeshes.h"

namespace {

// Bond ends closer than this (squared distance) give no cylinder.
constexpr double kMinSquaredLength = 1e-7;
constexpr int kArrowMaterial = 0;
constexpr int kBondMaterial = 1;

std::string Symbol(const MolGL& model, std::uint32_t atomicNumber) {
  const auto it = model.ElementData.NumberToSymbol.find(atomicNumber);
  return it == model.ElementData.NumberToSymbol.end() ? std::string() : it->second;
}

int Material(const MolGL& model, std::uint32_t atomicNumber) {
  const auto it = model.MaterialIndex.find(static_cast<std::int32_t>(atomicNumber));
  return it == model.MaterialIndex.end() ? kBondMaterial : static_cast<int>(it->second);
}

// "Object "M<index><name>" {" and the lines every object starts with.
void BeginObject(const MolGL& model, std::string_view name, ExportObject& object) {
  ExportLine head;
  head << "Object \"M";
  head.Int(model.ExportIndex) << name << "\" {";
  object.Add(head);
  object.Add("\tvisible 15");
  object.Add("\tlocking 0");
  object.Add("\tshading 1");
}

std::string AtomName(const MolGL& model, const Atom& atom) {
  ExportLine name;
  name << Symbol(model, atom.AtomicNumber);
  name.Int(atom.Id);
  return name.Text;
}

void WriteBondObject(const MolGL& model, const Bond& bond, float radius, bool atomMaterials,
                     std::vector<std::string>& lines) {
  if (bond.Atom1 >= model.Atoms.size() || bond.Atom2 >= model.Atoms.size()) return;
  const Atom& a1 = model.Atoms[bond.Atom1];
  const Atom& a2 = model.Atoms[bond.Atom2];
  const Position<double> v = a2.Position - a1.Position;
  if (v.x * v.x + v.y * v.y + v.z * v.z < kMinSquaredLength) return;
  if (!model.ShowDummyAtoms && (a1.AtomicNumber == 0 || a2.AtomicNumber == 0)) return;
  const int material1 = atomMaterials ? Material(model, a1.AtomicNumber) : kBondMaterial;
  const int material2 = atomMaterials ? Material(model, a2.AtomicNumber) : kBondMaterial;

  ExportObject object;
  BeginObject(model, "Bnd" + AtomName(model, a1) + AtomName(model, a2), object);
  object.Add("\tcolor_type 0");
  WriteMqoCylinder(object, a1.Position + model.Position, a2.Position + model.Position, radius, material1, material2,
                   model.CylinderSlices);
  object.Add("}");
  object.AppendTo(lines);
}

}  // namespace

void MolGL::WriteMqo(std::vector<std::string>& lines) const {
  if (!ShowMolecule) return;
  WriteMqoBonds(lines);
  WriteMqoAtoms(lines);
}

void MolGL::WriteMqoAtoms(std::vector<std::string>& lines) const {
  if (!HasAtomModel(ModelType)) return;
  for (const Atom& atom : Atoms) {
    if (ShowDummyAtoms || atom.AtomicNumber != 0) WriteMqoAtom(atom, lines);
  }
}

void MolGL::WriteMqoAtom(const Atom& atom, std::vector<std::string>& lines) const {
  const GraphicHandler::Color<float> color = AtomDrawColor(*this, atom);
  ExportObject object;
  BeginObject(*this, "-" + AtomName(*this, atom), object);
  ExportLine colorLine;
  colorLine << "\tcolor ";
  colorLine.Fixed(color.r) << " ";
  colorLine.Fixed(color.g) << " ";
  colorLine.Fixed(color.b);
  object.Add(colorLine);
  object.Add("\tcolor_type 0");
  object.Add("\ttranslation 0.0 0.0 0.0");
  WriteMqoSphere(object, atom.Position + Position, AtomDrawRadius(*this, atom), Material(*this, atom.AtomicNumber),
                 SphereSlices, SphereStacks);
  object.Add("}");
  object.AppendTo(lines);
}

void MolGL::WriteMqoBonds(std::vector<std::string>& lines) const {
  for (const Bond& bond : Bonds) {
    if (HasCylinderBonds(ModelType)) WriteMqoBond(bond, lines);
    else if (HasLineBonds(ModelType)) WriteMqoWireBond(bond, lines);
  }
}

void MolGL::WriteMqoBond(const Bond& bond, std::vector<std::string>& lines) const {
  const bool colored = ModelType == BALL_AND_STICK_COLORED || ModelType == STICK_COLORED;
  WriteBondObject(*this, bond, BondRadius, colored, lines);
}

// A line of the view as a thin tube.
void MolGL::WriteMqoWireBond(const Bond& bond, std::vector<std::string>& lines) const {
  WriteBondObject(*this, bond, 0.1f * BondRadius, ModelType == WIRE_COLORED, lines);
}

// Arrows start at the equilibrium positions and are not scaled by the
// vibration magnitude.
void MolGL::WriteMqoNormalMode(int modeNumber, float lengthScale, float radius,
                               std::vector<std::string>& lines) const {
  for (const NormalMode& mode : Modes) {
    if (mode.ModeNumber != modeNumber) continue;
    for (const auto& [place, d] : mode.Displacements) {
      if (place >= Atoms.size()) continue;
      if (d.x == 0.0 && d.y == 0.0 && d.z == 0.0) continue;
      const ::Position<double> vector = static_cast<double>(lengthScale) * d;
      // A zero length factor leaves no direction to draw along.
      if (VectorLength(vector) == 0.0) continue;
      const Atom& atom = Atoms[place];
      ExportLine name;
      name << "NM";
      name.Int(modeNumber) << AtomName(*this, atom);
      ExportObject object;
      BeginObject(*this, name.Text, object);
      object.Add("\tcolor 1.00 0.000 0.000");
      object.Add("\tcolor_type 0");
      object.Add("\ttranslation 0.0 0.0 0.0");
      WriteMqoArrow(object, atom.BasePosition + Position, vector, radius, kArrowMaterial, CylinderSlices);
      object.Add("}");
      object.AppendTo(lines);
    }
  }
}
