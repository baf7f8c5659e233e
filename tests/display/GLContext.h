// A GL context with a small framebuffer for the drawing tests, and helpers
// to read back what was drawn.
#pragma once

#include <array>
#include <functional>
#include <vector>

// Side of the square frame in pixels; odd, so that world 0 is a pixel centre.
constexpr int FrameSize = 65;

// True when main made a context current with the frame bound.
bool HaveGL();

// An orthographic view of -5..5 in x and y, looking down -z, a white light
// from the eye with no ambient part (a lit face towards the eye shows its
// material colour), depth test and back-face culling on, cleared to
// Background.
void BeginScene();
constexpr std::array<int, 4> Background{25, 51, 76, 255};

// The pixel under the world point (x, y) of the scene above, 0..255 RGBA.
std::array<int, 4> PixelAt(double x, double y);

// What a draw sends through the pipeline, by feedback in window coordinates
// (x, y in pixels, z the depth 0..1).
struct Feedback {
  using Vertex = std::array<float, 3>;
  std::vector<std::vector<Vertex>> Polygons;
  std::vector<std::array<Vertex, 2>> Lines;
  std::vector<Vertex> Points;
};
Feedback Capture(const std::function<void()>& draw);
