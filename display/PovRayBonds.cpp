// Bonds in a POV-Ray scene: two half cylinders each, from either atom to the
// bond's midpoint, so that each half can take its own atom's colour.
#include "MolGL.h"
#include "PovRayParts.h"

namespace {

struct BondStyle {
  bool AtomColors;         // the halves take their atoms' colours
  double Radius;
  const char* LineEnd;     // after the radius
  const char* Finish;
};

// Closer than this (squared distance) two atoms leave no direction for a cylinder.
constexpr double kMinSquaredLength = 1e-7;

bool Degenerate(const Position<double>& a, const Position<double>& b) {
  const Position<double> v = b - a;
  return v.x * v.x + v.y * v.y + v.z * v.z < kMinSquaredLength;
}

void AppendHalves(const MolGL& model, const Bond& bond, const BondStyle& style, std::vector<std::string>& lines) {
  if (bond.Atom1 >= model.Atoms.size() || bond.Atom2 >= model.Atoms.size()) return;
  const Atom& a1 = model.Atoms[bond.Atom1];
  const Atom& a2 = model.Atoms[bond.Atom2];
  const bool animate = model.ExportMode.Animate;
  // POV-Ray cannot orient a cylinder whose ends meet; a moving bond is
  // checked at rest as well as where it is shown.
  if (Degenerate(a1.Position, a2.Position)) return;
  if (animate && Degenerate(a1.BasePosition, a2.BasePosition)) return;
  if (!model.ShowDummyAtoms && (a1.AtomicNumber == 0 || a2.AtomicNumber == 0)) return;

  const Position<double> middle = (a1.Position + a2.Position) * 0.5;
  const Position<double> middleBase = (a1.BasePosition + a2.BasePosition) * 0.5;
  const Position<double> d1 = PovRayDisplacement(model, bond.Atom1);
  const Position<double> d2 = PovRayDisplacement(model, bond.Atom2);
  const Position<double> middleMove = (d1 + d2) * 0.5;

  ExportObject object;
  const auto half = [&](const Atom& atom, const Position<double>& d) {
    object.Add("object {");
    ExportLine cylinder;
    cylinder << "\tcylinder  {< ";
    if (animate) {
      PutPovRayMovingPoint(cylinder, atom.BasePosition, d);
      cylinder << " >, < ";
      PutPovRayMovingPoint(cylinder, middleBase, middleMove);
    } else {
      PutPovRayPoint(cylinder, atom.Position);
      cylinder << " >, < ";
      PutPovRayPoint(cylinder, middle);
    }
    cylinder << " >, ";
    cylinder.Fixed(style.Radius) << style.LineEnd;
    object.Add(cylinder);
    AddPovRayTexture(object, style.AtomColors ? AtomColorLookup(model, atom) : model.BondColor, style.Finish);
  };
  half(a1, d1);
  half(a2, d2);
  object.AppendTo(lines);
}

}  // namespace

void MolGL::WritePovRayBonds(std::vector<std::string>& lines) const {
  for (const Bond& bond : Bonds) {
    if (HasCylinderBonds(ModelType)) WritePovRayBond(bond, lines);
    else if (HasLineBonds(ModelType)) WritePovRayWireBond(bond, lines);
  }
}

void MolGL::WritePovRayBond(const Bond& bond, std::vector<std::string>& lines) const {
  const bool colored = ModelType == BALL_AND_STICK_COLORED || ModelType == STICK_COLORED;
  AppendHalves(*this, bond, {colored, BondRadius, " open } ", "\t\tfinish {F}"}, lines);
}

// A line of the view as a thin closed tube that no light shades.
void MolGL::WritePovRayWireBond(const Bond& bond, std::vector<std::string>& lines) const {
  const float radius = static_cast<float>(static_cast<long double>(BondRadius) * 0.1L);
  AppendHalves(*this, bond,
               {ModelType == WIRE_COLORED, radius, "  } ",
                "\t\tfinish {specular 0.0 roughness 0.005 diffuse 0.0 ambient 1.0}"},
               lines);
}
