// The view's picture as the back buffer holds it after one render pass.
#pragma once

#include <vector>

struct ViewFrame {
  int Width = 0;
  int Height = 0;
  std::vector<unsigned char> Rgb;  // rows from the bottom up

  // Pixels that are not the background colour (100, 165, 244) in the
  // rectangle [x0, x1) x [y0, y1), y from the bottom; all of them by default.
  int Drawn(int x0 = 0, int y0 = 0, int x1 = 1 << 30, int y1 = 1 << 30) const;
};

// Places the view wholly on the screen and uncovered (pixels off it or under
// another window belong to no one) and waits until it is shown at its size.
// False when it never shows.
bool PrepareView();

// Renders one frame of the view and reads it from the back buffer.
ViewFrame RenderFrame();
