#include <GL/gl.h>

#include "MolAnimation.h"
#include "MolGL.h"

void MolAnimation::Draw(long double /*time*/, double /*step*/) {
  const MolFrame* frame = Current();
  if (!frame) return;
  glPushMatrix();
  glMultMatrixf(frame->Rotation.Element);
  // Particle molecules (%MOL) are not drawn yet: only the loaded ones.
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

void MolAnimation::DrawTexts() const {
  // The time, dipole and frequency overlays are not built yet: nothing is
  // drawn.
}
