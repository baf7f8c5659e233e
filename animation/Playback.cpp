// Playback of an animation project: its first and last times, and advancing
// the clock from frame to frame.

#include "MolAnimation.h"

namespace {

constexpr long double kSpeedOfLight = 299792458.0;  // m/s

}  // namespace

std::optional<long double> MolAnimation::First() const {
  if (Frames.empty()) return std::nullopt;
  return Frames.begin()->first;
}

std::optional<long double> MolAnimation::Last() const {
  if (Frames.empty()) return std::nullopt;
  return Frames.rbegin()->first;
}

void MolAnimation::Advance(long double time, double step) {
  if (Frames.empty()) return;
  // A missing or stale current frame counts as the end position.
  auto current = CurrentFrame ? Frames.find(*CurrentFrame) : Frames.end();
  if (const auto hit = Frames.find(time); hit != Frames.end()) current = hit;
  // Forward to the first frame not before time - step: with several frames
  // inside one step the earliest of them is shown.
  while (current != Frames.end() && current->first < time - step) ++current;
  if (current == Frames.end()) --current;
  while (current != Frames.begin() && time < current->first) --current;
  CurrentFrame = current->first;

  const auto& freqs = current->second.Freqs;
  for (auto& [key, phase] : ModePhases) {
    const auto entry = freqs.find(key);
    // A key the frame does not name holds its phase.
    const long double frequency = entry == freqs.end() ? 0.0L : entry->second.Frequency;
    phase += static_cast<long double>(step) * 2.0L * static_cast<long double>(Pi) * frequency *
             kSpeedOfLight * 100.0L * static_cast<long double>(1e-15);
  }
}

std::optional<long double> MolAnimation::ForwardOneFrame() {
  if (Frames.empty()) return std::nullopt;
  auto current = CurrentFrame ? Frames.find(*CurrentFrame) : Frames.end();
  if (current != Frames.end()) ++current;
  if (current == Frames.end()) --current;
  CurrentFrame = current->first;
  return CurrentFrame;
}

std::optional<long double> MolAnimation::ReverseOneFrame() {
  if (Frames.empty()) return std::nullopt;
  auto current = CurrentFrame ? Frames.find(*CurrentFrame) : Frames.end();
  if (current != Frames.begin()) --current;
  CurrentFrame = current->first;
  return CurrentFrame;
}
