// The text overlays of animation mode: the frame's time and the values of
// its %DIPOLE and %FREQ entries, in the time-text font.
#include <GL/gl.h>

#include "MolAnimation.h"
#include "platform/Numbers.h"

namespace {

// The time-text font's display lists start here.
constexpr GLuint kTimeFontLists = 1000;

std::string Compose(const MolAnimation::TextData& text, long double value) {
  return text.Prefix + FormatGeneral(value) + text.Unit + text.Postfix;
}

}  // namespace

std::vector<MolAnimation::Overlay> MolAnimation::Overlays() const {
  std::vector<Overlay> overlays;
  const MolFrame* frame = Current();
  if (!frame) return overlays;
  // The frame's own time, not the clock: between frames it stays.
  if (ShowTime) overlays.push_back({&TimeText, Compose(TimeText, *CurrentFrame)});
  for (const auto& [key, text] : DipoleTexts) {
    const auto dipole = frame->Dipoles.find(key);
    overlays.push_back({&text, Compose(text, dipole == frame->Dipoles.end() ? 0.0f : dipole->second)});
  }
  for (const auto& [key, text] : FreqTexts) {
    const auto freq = frame->Freqs.find(key);
    overlays.push_back({&text, Compose(text, freq == frame->Freqs.end() ? 0.0f : freq->second.Frequency)});
  }
  return overlays;
}

void MolAnimation::DrawTexts() const {
  for (const Overlay& overlay : Overlays()) {
    const TextData& text = *overlay.Text;
    // The raster position takes the current colour over for the bitmaps.
    glColor4ub(text.Color.r, text.Color.g, text.Color.b, text.Color.a);
    glRasterPos3f(text.Position.x, text.Position.y, text.Position.z);
    glListBase(kTimeFontLists);
    glCallLists(static_cast<GLsizei>(overlay.Bytes.size()), GL_UNSIGNED_BYTE, overlay.Bytes.data());
    glListBase(0);
  }
}
