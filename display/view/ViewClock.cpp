#include "ViewClock.h"

long double AdvanceClock(long double time, long double step, bool animationMode, int playState,
                         long double speed, std::optional<long double> first, std::optional<long double> last) {
  if (!animationMode) return time + step;
  if (!first || !last) return time;
  switch (playState) {
    case FAST_REVERSE: time -= speed * step; break;
    case REVERSE_PLAY: time -= step; break;
    case PLAY: time += step; break;
    case FAST_FORWARD: time += speed * step; break;
    default: return time;
  }
  if (playState < 0 && time < *first) return *first;
  if (playState > 0 && time > *last) return *first;
  return time;
}

namespace {

// 'f' and 's': from fast reverse the speed starts again at 1.
void ChangeForwardSpeed(long double factor, int& playState, long double& playSpeed) {
  if (playState == FAST_REVERSE) playSpeed = 1.0L;
  playSpeed *= factor;
  playState = playSpeed == 1.0L ? PLAY : FAST_FORWARD;
}

}  // namespace

void HandleKey(char key, bool animationMode, int& playState, long double& playSpeed) {
  if (!animationMode) return;
  switch (key) {
    case ' ':
      playState = playState == STOP ? PLAY : STOP;
      playSpeed = 1.0L;
      break;
    case 'b':
      if (playState == FAST_FORWARD) {
        playSpeed = 1.0L;
        playState = REVERSE_PLAY;
      } else if (playState == REVERSE_PLAY || playState == FAST_REVERSE) {
        playSpeed *= 2;
        playState = FAST_REVERSE;
      } else {
        playState = REVERSE_PLAY;
      }
      break;
    case 'f': ChangeForwardSpeed(2.0L, playState, playSpeed); break;
    case 's': ChangeForwardSpeed(0.5L, playState, playSpeed); break;
    default: break;
  }
}

bool MapToTrackball(int x, int y, int w, int h, float& px, float& py) {
  if (w <= 0 || h <= 0) return false;
  px = static_cast<float>(2.0 * x - w) / static_cast<float>(w);
  py = static_cast<float>(h - 2.0 * y) / static_cast<float>(h);
  return true;
}
