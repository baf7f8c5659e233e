// Drawing an animation project's frame: its molecules and its particles.

#include <GL/gl.h>

#include "MolAnimation.h"
#include "display/GLShapes.h"
#include "display/MolGL.h"

namespace {

template <typename Value>
Value Lookup(const std::map<std::uint32_t, Value>& map, std::uint32_t key) {
  const auto entry = map.find(key);
  return entry == map.end() ? Value{} : entry->second;
}

bool DrawsSpheres(std::uint32_t code) { return code >= SPACE_FILLING && code <= STICK_COLORED; }
bool DrawsSticks(std::uint32_t code) { return code >= BALL_AND_STICK && code <= STICK_COLORED; }

}  // namespace

void MolAnimation::Draw(long double /*time*/, double /*step*/) {
  const MolFrame* frame = Current();
  if (!frame) return;
  glPushMatrix();
  glMultMatrixf(frame->Rotation.Element);
  DrawParticles(*frame);
  DrawMolecules(*frame);
  glPopMatrix();
}

void MolAnimation::DrawMolecules(const MolFrame& frame) {
  if (!MolGLs) return;
  for (const auto& [id, placement] : frame.Molecules) {
    // An id that no %FILE named stands for the first molecule; -1 is a file
    // that could not be loaded.
    const auto index = FileIndex.find(id);
    const std::int32_t i = index == FileIndex.end() ? 0 : index->second;
    if (i < 0 || static_cast<std::size_t>(i) >= MolGLs->size()) continue;
    MolGL& model = (*MolGLs)[i];

    // The frame's %FREQ entry under the molecule's id picks its one
    // vibrating mode; every other mode stops.
    const auto entry = frame.Freqs.find(id);
    const auto phase = ModePhases.find(id);
    model.NMMagnitude = 1.0;
    for (NormalMode& mode : model.Modes) {
      mode.Animate = entry != frame.Freqs.end() && mode.ModeNumber == entry->second.Mode;
      mode.Phase = mode.Animate && phase != ModePhases.end() ? phase->second : 0;
      if (mode.Animate) model.NMMagnitude = entry->second.Amplitude;
    }
    model.ApplyModePhases();

    glPushMatrix();
    glTranslatef(placement.Position.x, placement.Position.y, placement.Position.z);
    glMultMatrixf(placement.Orientation.Element);
    model.Draw();
    glPopMatrix();
  }
}

void MolAnimation::DrawParticles(const MolFrame& frame) const {
  for (const auto& [id, particles] : frame.Particles) {
    const std::uint32_t code = Lookup(ModelTypes, id);
    if (!DrawsSpheres(code)) continue;  // wire models, file types, no %MODELTYPE
    for (const Particle& particle : particles) {
      glPushMatrix();
      DrawParticleSphere(particle, id);
      glPopMatrix();
    }
    if (!DrawsSticks(code)) continue;
    const auto bonds = Bonds.find(id);
    if (bonds == Bonds.end()) continue;
    // Sorted by i, then by j: the set was read in that order.
    for (const auto& [i, j] : bonds->second) {
      if (i < particles.size() && j < particles.size()) DrawParticleBond(particles[i], particles[j], id);
    }
  }
}

void MolAnimation::DrawParticleSphere(const Particle& p, std::uint32_t id) const {
  const std::uint32_t code = Lookup(ModelTypes, id);
  const auto element = static_cast<std::uint32_t>(p.Element);
  GraphicHandler::Color<float> color = Lookup(ParticleElements.Colors, element);
  double r = 0.01 * Lookup(ParticleElements.Radii, element);  // pm to drawing units
  if (code == BALL_AND_STICK || code == BALL_AND_STICK_COLORED) r *= Lookup(SphereScales, id);
  if (code == STICK || code == STICK_COLORED) r = Lookup(StickRadii, id) * 0.95;
  if (code == STICK) color = BondColor;
  const float rgba[4] = {color.r, color.g, color.b, color.a};
  glTranslated(p.Position.x, p.Position.y, p.Position.z);
  glMaterialfv(GL_FRONT, GL_AMBIENT_AND_DIFFUSE, rgba);
  glScaled(r, r, r);
  DrawSphere(SphereSlices, SphereStacks);
}

// Two half sticks that meet at the midpoint, each in its own end's colour
// for the coloured models.
void MolAnimation::DrawParticleBond(const Particle& a, const Particle& b, std::uint32_t id) const {
  const auto point = [](const Particle& p) {
    return ::Position<double>{p.Position.x, p.Position.y, p.Position.z, 1.0};
  };
  const ::Position<double> v = point(b) - point(a);
  if (v.x == 0 && v.y == 0 && v.z == 0) return;
  double length = 0, theta = 0, phi = 0;
  CartesianToSpherical(v, length, theta, phi);
  const std::uint32_t code = Lookup(ModelTypes, id);
  const bool colored = code == BALL_AND_STICK_COLORED || code == STICK_COLORED;
  const float radius = Lookup(StickRadii, id);
  const auto half = [&](const Particle& end, double turn) {
    const GraphicHandler::Color<float> color =
        colored ? Lookup(ParticleElements.Colors, static_cast<std::uint32_t>(end.Element)) : BondColor;
    const float rgba[4] = {color.r, color.g, color.b, color.a};
    glPushMatrix();
    glMaterialfv(GL_FRONT, GL_AMBIENT_AND_DIFFUSE, rgba);
    glTranslatef(end.Position.x, end.Position.y, end.Position.z);
    glRotated(phi * 180.0 / Pi, 0, 0, 1);
    glRotated(theta * 180.0 / Pi + turn, 0, 1, 0);
    glScalef(radius, radius, static_cast<float>(length * 0.5));
    DrawCylinder(CylinderSlices, CylinderStacks);
    glPopMatrix();
  };
  half(a, 0);
  half(b, 180);  // pointing back towards a
}
