#include "GLContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "tests/support/StrictRun.h"

namespace {

bool ContextReady = false;

}  // namespace

bool HaveGL() { return ContextReady; }

void BeginScene() {
  glViewport(0, 0, FrameSize, FrameSize);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-5, 5, -5, 5, -50, 50);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LESS);
  glEnable(GL_CULL_FACE);
  glCullFace(GL_BACK);
  glEnable(GL_NORMALIZE);
  const GLfloat none[4] = {0, 0, 0, 1}, white[4] = {1, 1, 1, 1}, eye[4] = {0, 0, 1, 0};
  glLightModelfv(GL_LIGHT_MODEL_AMBIENT, none);
  glLightfv(GL_LIGHT0, GL_AMBIENT, none);
  glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
  glLightfv(GL_LIGHT0, GL_SPECULAR, none);
  glLightfv(GL_LIGHT0, GL_POSITION, eye);
  glEnable(GL_LIGHTING);
  glEnable(GL_LIGHT0);
  glClearColor(Background[0] / 255.0f, Background[1] / 255.0f, Background[2] / 255.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

std::array<int, 4> PixelAt(double x, double y) {
  glFinish();
  const int px = static_cast<int>(std::floor((x + 5.0) / 10.0 * FrameSize));
  const int py = static_cast<int>(std::floor((y + 5.0) / 10.0 * FrameSize));
  unsigned char rgba[4] = {};
  glReadPixels(px, py, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
  return {rgba[0], rgba[1], rgba[2], rgba[3]};
}

Feedback Capture(const std::function<void()>& draw) {
  std::vector<GLfloat> buffer(1 << 20);
  glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
  glRenderMode(GL_FEEDBACK);
  draw();
  const GLint used = glRenderMode(GL_RENDER);
  EXPECT_GE(used, 0) << "feedback buffer overflow";

  Feedback result;
  const auto vertex = [&](GLint& i) {
    const Feedback::Vertex v{buffer[i], buffer[i + 1], buffer[i + 2]};
    i += 3;
    return v;
  };
  for (GLint i = 0; i < used;) {
    const GLint token = static_cast<GLint>(buffer[i++]);
    if (token == GL_POLYGON_TOKEN) {
      const GLint n = static_cast<GLint>(buffer[i++]);
      auto& polygon = result.Polygons.emplace_back();
      for (GLint k = 0; k < n; ++k) polygon.push_back(vertex(i));
    } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
      const Feedback::Vertex a = vertex(i);
      result.Lines.push_back({a, vertex(i)});
    } else if (token == GL_POINT_TOKEN) {
      result.Points.push_back(vertex(i));
    } else if (token == GL_PASS_THROUGH_TOKEN) {
      ++i;
    } else {  // bitmap and pixel tokens carry one vertex
      vertex(i);
    }
  }
  return result;
}

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Qt's xcb platform needs an X server (Xvfb in the test run); without one
  // the tests skip instead of aborting.
  std::unique_ptr<QGuiApplication> app;
  std::unique_ptr<QOffscreenSurface> surface;
  std::unique_ptr<QOpenGLContext> context;
  std::unique_ptr<QOpenGLFramebufferObject> frame;
  if (std::getenv("DISPLAY") != nullptr) {
    app = std::make_unique<QGuiApplication>(argc, argv);
    surface = std::make_unique<QOffscreenSurface>();
    surface->create();
    context = std::make_unique<QOpenGLContext>();
    if (context->create() && context->makeCurrent(surface.get())) {
      frame = std::make_unique<QOpenGLFramebufferObject>(FrameSize, FrameSize,
                                                         QOpenGLFramebufferObject::Depth);
      ContextReady = frame->isValid() && frame->bind();
    }
  }
  const int result = RunAllTestsStrictly();
  frame.reset();
  if (context) context->doneCurrent();
  return result;
}
