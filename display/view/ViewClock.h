// The view's clock and transport keys, apart from any window.
#pragma once

#include <optional>

enum PlayStateCode : int {
  FAST_REVERSE = -10,
  REVERSE_PLAY = -1,
  STOP = 0,
  PLAY = 1,
  FAST_FORWARD = 10,
};

// The clock after one idle pass. Outside animation mode it runs on by `step`
// whatever the play state. In animation mode it moves by the play state
// (the fast states scale the step by `speed`); backward play holds at the
// first frame's time, forward play past the last frame's time starts again
// at the first. Without frames (`first` or `last` missing) it stays.
long double AdvanceClock(long double time, long double step, bool animationMode, int playState,
                         long double speed, std::optional<long double> first, std::optional<long double> last);

// The transport keys of the view: space, 'b', 'f', 's' (lower case only),
// and only in animation mode.
void HandleKey(char key, bool animationMode, int& playState, long double& playSpeed);

// A mouse position in a w x h client area as a point of -1..1 in both
// directions, y up. False for an empty area, where no point exists.
bool MapToTrackball(int x, int y, int w, int h, float& px, float& py);
