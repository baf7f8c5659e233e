// The POV-Ray objects of one display model: its union of bonds and atoms,
// and the arrows of a normal mode.
#include "MolGL.h"
#include "PovRayParts.h"
#include "platform/Numbers.h"

namespace {

const char* const LitFinish = "\t\tfinish {F}";

// Whether POV-Ray reads the two points as one once they are written: it
// refuses a cylinder or a cone whose two ends are the same point, and with
// it the whole scene. "-0.000000" is 0.000000 to it.
bool WrittenAlike(const Position<double>& p, const Position<double>& q) {
  const auto written = [](double value) { return ReadDouble(FormatFixed(value, 6)); };
  return written(p.x) == written(q.x) && written(p.y) == written(q.y) && written(p.z) == written(q.z);
}

// The model's rotation and translation.
void AppendPlacement(const MolGL& model, std::vector<std::string>& lines) {
  lines.push_back(PovRayMatrixLine(model.RotMatrix.Element));
  ExportLine translate;
  translate << "translate < ";
  PutPovRayPoint(translate, model.Position);
  translate << " >";
  lines.push_back(translate.Text);
}

}  // namespace

std::string PovRayMatrixLine(const double element[16]) {
  ExportLine matrix;
  matrix << "matrix < ";
  for (int i = 0; i < 15; ++i) {
    if (i % 4 == 3) continue;
    if (i > 0) matrix << ", ";
    matrix.Fixed(element[i]);
  }
  matrix << " >";
  return matrix.Text;
}

void PutPovRayPoint(ExportLine& line, const Position<double>& p) {
  line.Fixed(p.x) << ", ";
  line.Fixed(p.y) << ", ";
  line.Fixed(p.z);
}

void PutPovRayMovingPoint(ExportLine& line, const Position<double>& base, const Position<double>& displacement) {
  line.Fixed(base.x).SignAlways().Fixed(displacement.x) << "*sin(2*pi*clock), ";
  line.Fixed(base.y).Fixed(displacement.y) << "*sin(2*pi*clock), ";
  line.Fixed(base.z).Fixed(displacement.z) << "*sin(2*pi*clock)";
}

Position<double> PovRayDisplacement(const MolGL& model, std::size_t place) {
  const auto& displacements = model.ExportMode.Displacements;
  const auto it = displacements.find(place);
  if (it == displacements.end()) return {0.0, 0.0, 0.0, 1.0};
  return it->second * model.NMMagnitude;
}

void AddPovRayTexture(ExportObject& object, const GraphicHandler::Color<float>& color, std::string_view finish) {
  object.Add("\ttexture {");
  ExportLine pigment;
  pigment << "\t\tpigment {color rgb < ";
  pigment.Fixed(color.r) << ", ";
  pigment.Fixed(color.g) << ", ";
  pigment.Fixed(color.b) << " >} ";
  object.Add(pigment);
  object.Add(finish);
  object.Add("\t}");
  object.Add("}");
}

void MolGL::WritePovRay(std::vector<std::string>& lines) const {
  if (!ShowMolecule) return;
  lines.emplace_back("union { ");
  lines.emplace_back("#declare F = finish { specular 0.4 roughness 0.005 diffuse 0.7 ambient 0.5 };");
  WritePovRayBonds(lines);
  WritePovRayAtoms(lines);
  AppendPlacement(*this, lines);
  lines.emplace_back("}");
}

void MolGL::WritePovRayAtoms(std::vector<std::string>& lines) const {
  if (!HasAtomModel(ModelType)) return;
  for (std::size_t place = 0; place < Atoms.size(); ++place) {
    if (ShowDummyAtoms || Atoms[place].AtomicNumber != 0) WritePovRayAtom(place, lines);
  }
}

void MolGL::WritePovRayAtom(std::size_t place, std::vector<std::string>& lines) const {
  if (place >= Atoms.size()) return;
  const Atom& atom = Atoms[place];
  ExportObject object;
  object.Add("object {");
  ExportLine sphere;
  sphere << "\tsphere  {< ";
  if (ExportMode.Animate) {
    PutPovRayMovingPoint(sphere, atom.BasePosition, PovRayDisplacement(*this, place));
  } else {
    PutPovRayPoint(sphere, atom.Position);
  }
  sphere << " >, ";
  sphere.Fixed(AtomDrawRadius(*this, atom)) << "} ";
  object.Add(sphere);
  AddPovRayTexture(object, AtomDrawColor(*this, atom), LitFinish);
  object.AppendTo(lines);
}

// Each displaced atom of the mode gets a red arrow from its equilibrium
// position: a shaft of radius `radius` and a cone twice as wide, together
// `lengthScale` times the displacement long plus 2 x radius. A shaft that
// would be written as one point is left out (the cone still shows the
// direction), and so is an arrow whose cone would have no length.
void MolGL::WritePovRayNormalMode(int modeNumber, float lengthScale, float radius,
                                  std::vector<std::string>& lines) const {
  lines.emplace_back("union { ");
  lines.emplace_back("#declare F = finish { specular 0.4 roughness 0.005 diffuse 0.7 ambient 0.7 };");
  const GraphicHandler::Color<float> red{1.0f, 0.0f, 0.0f, 1.0f};
  const double s = lengthScale;
  const double r = radius;
  for (const NormalMode& mode : Modes) {
    if (mode.ModeNumber != modeNumber) continue;
    for (const auto& [place, d] : mode.Displacements) {
      if (place >= Atoms.size()) continue;
      if (d.x == 0.0 && d.y == 0.0 && d.z == 0.0) continue;
      const double l = VectorLength(d) * s;
      // A zero length factor leaves no direction to draw along.
      if (l == 0.0) continue;
      const ::Position<double>& base = Atoms[place].BasePosition;
      const ::Position<double> scaled = s * d;
      const auto along = [&](double t) { return base + scaled * (t / l); };
      const ::Position<double> shaftEnd = along(l - r), coneBase = along(l - 2.0 * r), tip = along(l + 2.0 * r);
      if (WrittenAlike(coneBase, tip)) continue;

      ExportObject object;
      if (!WrittenAlike(base, shaftEnd)) {
        object.Add("object {");
        ExportLine shaft;
        shaft << "\tcylinder  {< ";
        PutPovRayPoint(shaft, base);
        shaft << " >, < ";
        PutPovRayPoint(shaft, shaftEnd);
        shaft << " >, ";
        shaft.Fixed(r) << " } ";
        object.Add(shaft);
        AddPovRayTexture(object, red, LitFinish);
      }
      object.Add("object {");
      ExportLine cone;
      cone << "\tcone  {< ";
      PutPovRayPoint(cone, coneBase);
      cone << " >, ";
      cone.Fixed(2.0 * r) << ", < ";
      PutPovRayPoint(cone, tip);
      cone << " >, 0.0 } ";
      object.Add(cone);
      AddPovRayTexture(object, red, LitFinish);
      object.AppendTo(lines);
    }
  }
  AppendPlacement(*this, lines);
  lines.emplace_back("}");
}
