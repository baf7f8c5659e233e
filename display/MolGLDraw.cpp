// Drawing the display model in GL: atoms, bonds in each model, and a mode's
// displacement arrows.

#include <GL/gl.h>

#include "GLShapes.h"
#include "MolGL.h"

namespace {

using Color = GraphicHandler::Color<float>;

const Color ModeArrowColor{1.0f, 0.0f, 0.0f, 1.0f};

void SetMaterial(const Color& c) {
  const GLfloat rgba[4] = {c.r, c.g, c.b, c.a};
  glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, rgba);
}

void Vertex(const Position<double>& p) {
  glVertex3f(static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z));
}

}  // namespace

Position<double> operator+(const Position<double>& a, const Position<double>& b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z, 1.0};
}

Position<double> operator/(const Position<double>& p, int divisor) {
  return {p.x / divisor, p.y / divisor, p.z / divisor, 1.0};
}

Color AtomColorLookup(const MolGL& model, const Atom& atom) {
  if (atom.ColorKey != 0) {
    const auto it = model.AtomColors.find(atom.ColorKey);
    return it == model.AtomColors.end() ? Color{} : it->second;
  }
  const auto it = model.ElementData.Colors.find(atom.AtomicNumber);
  return it == model.ElementData.Colors.end() ? Color{} : it->second;
}

double AtomBaseRadius(const MolGL& model, const Atom& atom) {
  if (atom.RadiusKey != 0) {
    const auto it = model.AtomRadii.find(atom.RadiusKey);
    return it == model.AtomRadii.end() ? 0.0 : it->second;
  }
  const auto it = model.ElementData.Radii.find(atom.AtomicNumber);
  return it == model.ElementData.Radii.end() ? 0.0 : it->second * 0.01;
}

Color AtomDrawColor(const MolGL& model, const Atom& atom) {
  // Sticks join their atoms seamlessly unless an atom has its own colour.
  if (model.ModelType == STICK && atom.ColorKey == 0) return model.BondColor;
  return AtomColorLookup(model, atom);
}

float AtomDrawRadius(const MolGL& model, const Atom& atom) {
  switch (model.ModelType) {
    case SPACE_FILLING: {
      if (atom.RadiusKey == 0) {
        const auto vdw = model.ElementData.VdwRadii.find(atom.AtomicNumber);
        if (vdw != model.ElementData.VdwRadii.end()) return static_cast<float>(vdw->second * 0.01);
      }
      return static_cast<float>(AtomBaseRadius(model, atom) * model.SpaceFillingScale);
    }
    case BALL_AND_STICK:
    case BALL_AND_STICK_COLORED:
      return static_cast<float>(AtomBaseRadius(model, atom) * model.BallScale);
    case STICK:
    case STICK_COLORED:
      return model.BondRadius;
    default:  // the wire models draw no atoms
      return static_cast<float>(AtomBaseRadius(model, atom));
  }
}

void MolGL::Draw() const {
  if (!ShowMolecule) return;
  glPushMatrix();
  glTranslated(Position.x, Position.y, Position.z);
  glMultMatrixd(RotMatrix.Element);
  DrawBonds();
  DrawAtoms();
  glPopMatrix();
}

void MolGL::DrawAtoms() const {
  if (!HasAtomModel(ModelType)) return;
  for (const Atom& atom : Atoms) {
    glPushMatrix();
    if (ShowDummyAtoms || atom.AtomicNumber != 0) DrawAtom(atom);
    glPopMatrix();
  }
}

void MolGL::DrawAtom(const Atom& atom) const {
  const Color color = AtomDrawColor(*this, atom);
  const double r = AtomDrawRadius(*this, atom);
  glTranslated(atom.Position.x, atom.Position.y, atom.Position.z);
  SetMaterial(color);
  glScaled(r, r, r);
  glLoadName(static_cast<GLuint>(atom.Id));
  DrawSphere(SphereSlices, SphereStacks);
}

void MolGL::DrawBonds() const {
  const bool cylinders = HasCylinderBonds(ModelType);
  if (!cylinders && !HasLineBonds(ModelType)) return;
  for (const Bond& bond : Bonds) {
    // A caller that shrank Atoms without rebuilding the bonds must not make
    // us read past the atoms.
    if (bond.Atom1 >= Atoms.size() || bond.Atom2 >= Atoms.size()) continue;
    glPushMatrix();
    if (cylinders) DrawBondCylinders(bond);
    else DrawBondLines(bond);
    glPopMatrix();
  }
}

void MolGL::DrawBondCylinders(const Bond& bond) const {
  const Atom& a1 = Atoms[bond.Atom1];
  const Atom& a2 = Atoms[bond.Atom2];
  const ::Position<double> v = a2.Position - a1.Position;
  if (v.x * v.x + v.y * v.y + v.z * v.z < 1e-7) return;
  double r, theta, phi;
  CartesianToSpherical(v, r, theta, phi);

  const bool colored = ModelType == BALL_AND_STICK_COLORED || ModelType == STICK_COLORED;
  const Color c1 = colored ? AtomColorLookup(*this, a1) : BondColor;
  const Color c2 = colored ? AtomColorLookup(*this, a2) : BondColor;
  if (!ShowDummyAtoms && (a1.AtomicNumber == 0 || a2.AtomicNumber == 0)) return;

  const double phiDegrees = phi * 180.0 / Pi;
  const double thetaDegrees = theta * 180.0 / Pi;
  // Each half runs from its atom to the midpoint: the second turned back.
  const auto half = [&](const Atom& atom, const Color& color, double tilt) {
    glPushMatrix();
    SetMaterial(color);
    glTranslatef(static_cast<float>(atom.Position.x), static_cast<float>(atom.Position.y),
                 static_cast<float>(atom.Position.z));
    glRotated(phiDegrees, 0.0, 0.0, 1.0);
    glRotated(tilt, 0.0, 1.0, 0.0);
    glScalef(BondRadius, BondRadius, static_cast<float>(r * 0.5));
    glLoadName(static_cast<GLuint>(atom.Id));
    DrawCylinder(CylinderSlices, CylinderStacks);
    glPopMatrix();
  };
  half(a1, c1, thetaDegrees);
  half(a2, c2, thetaDegrees + 180.0);
}

void MolGL::DrawBondLines(const Bond& bond) const {
  const Atom& a1 = Atoms[bond.Atom1];
  const Atom& a2 = Atoms[bond.Atom2];
  const bool colored = ModelType == WIRE_COLORED;
  const Color c1 = colored ? AtomColorLookup(*this, a1) : BondColor;
  const Color c2 = colored ? AtomColorLookup(*this, a2) : BondColor;
  if (!ShowDummyAtoms && (a1.AtomicNumber == 0 || a2.AtomicNumber == 0)) return;

  glDisable(GL_LIGHTING);
  glLineWidth(2.0f);
  const ::Position<double> middle = (a1.Position + a2.Position) / 2;
  // Names may not change inside glBegin/glEnd: one block per half.
  const auto half = [&middle](const Atom& atom, const Color& c) {
    glColor4f(c.r, c.g, c.b, c.a);
    glLoadName(static_cast<GLuint>(atom.Id));
    glBegin(GL_LINES);
    Vertex(atom.Position);
    Vertex(middle);
    glEnd();
  };
  half(a1, c1);
  half(a2, c2);

  glPointSize(2.0f);
  glBegin(GL_POINTS);
  glColor4f(c1.r, c1.g, c1.b, c1.a);
  Vertex(a1.Position);
  glColor4f(c2.r, c2.g, c2.b, c2.a);
  Vertex(middle);
  Vertex(a2.Position);
  glEnd();
  glEnable(GL_LIGHTING);
}

void MolGL::DrawNormalModeArrows(int modeNumber, float lengthScale, float radius) const {
  glPushMatrix();
  glTranslated(Position.x, Position.y, Position.z);
  glMultMatrixd(RotMatrix.Element);
  for (const NormalMode& mode : Modes) {
    if (mode.ModeNumber != modeNumber) continue;
    for (const auto& [place, d] : mode.Displacements) {
      if (place >= Atoms.size()) continue;
      if (d.x == 0.0 && d.y == 0.0 && d.z == 0.0) continue;
      SetMaterial(ModeArrowColor);
      glPushMatrix();
      const ::Position<double>& base = Atoms[place].BasePosition;
      glTranslated(base.x, base.y, base.z);
      double r, theta, phi;
      CartesianToSpherical(d, r, theta, phi);
      glRotated(phi * 180.0 / Pi, 0.0, 0.0, 1.0);
      glRotated(theta * 180.0 / Pi, 0.0, 1.0, 0.0);
      DrawArrow(radius, r * lengthScale, 16, 8);
      glPopMatrix();
    }
  }
  glPopMatrix();
}
