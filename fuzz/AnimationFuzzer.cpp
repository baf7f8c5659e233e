// Arbitrary bytes as an animation file. Reading must not crash, hang or grow
// without bound; every number it keeps must be finite, and the frame shown
// must be one of the frames read. The bytes go through a memory file so that
// the whole reader runs, its splitting of statements included.
#include <sys/mman.h>
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "animation/MolAnimation.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckFinite(const Position<float>& p) {
  Check(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z));
}

void CheckFinite(const Transformation<float>& m) {
  for (const float e : m.Element) Check(std::isfinite(e));
}

void CheckFrame(const MolAnimation::MolFrame& frame) {
  for (const auto& [id, particles] : frame.Particles)
    for (const MolAnimation::Particle& p : particles) CheckFinite(p.Position);
  for (const auto& [id, data] : frame.Molecules) {
    CheckFinite(data.Position);
    CheckFinite(data.Orientation);
  }
  for (const auto& [key, pair] : frame.Freqs) Check(std::isfinite(pair.Frequency) && std::isfinite(pair.Amplitude));
  for (const auto& [key, dipole] : frame.Dipoles) Check(std::isfinite(dipole));
  CheckFinite(frame.Rotation);
}

std::string FilePath() {
  static const int fd = memfd_create("animation", 0);
  Check(fd >= 0);
  return "/proc/self/fd/" + std::to_string(fd);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = FilePath();
  const int fd = std::stoi(path.substr(path.rfind('/') + 1));
  Check(ftruncate(fd, 0) == 0);
  Check(pwrite(fd, data, size, 0) == static_cast<ssize_t>(size));

  // No molecule lists: %FILE loads nothing, so the input cannot reach other files.
  MolAnimation animation;
  animation.Clear();
  Check(animation.Load(path));
  for (const auto& [time, frame] : animation.Frames) CheckFrame(frame);
  for (const auto& [id, radius] : animation.ParticleElements.Radii) Check(std::isfinite(radius));
  if (animation.CurrentFrame) Check(animation.Current() != nullptr);

  // Stepping through the frames and the overlays of each stays in the map.
  for (std::size_t k = 0; k < animation.Frames.size() && k < 4; ++k) {
    Check(animation.ForwardOneFrame().has_value());
    for (const MolAnimation::Overlay& overlay : animation.Overlays()) Check(overlay.Text != nullptr);
  }
  if (const auto first = animation.First()) animation.Advance(*first, 1.0);
  return 0;
}
