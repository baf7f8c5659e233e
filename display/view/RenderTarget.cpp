// Where the render pass draws: the window's back buffer, or during a capture
// at another size a framebuffer object of that size on the same context.
#include <algorithm>

#include <GL/gl.h>

#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

#include "UnitGL.h"
#include "ViewSurface.h"

QSize TFormGL::WindowRenderSize() const {
  const qreal ratio = Surface->devicePixelRatio();
  return {std::max(1, static_cast<int>(ClientWidth() * ratio)), std::max(1, static_cast<int>(ClientHeight() * ratio))};
}

int TFormGL::RenderWidth() const { return CaptureBuffer ? CaptureBuffer->width() : WindowRenderSize().width(); }

int TFormGL::RenderHeight() const { return CaptureBuffer ? CaptureBuffer->height() : WindowRenderSize().height(); }

void TFormGL::BindRenderTarget() {
  if (CaptureBuffer) {
    CaptureBuffer->bind();
  } else {
    QOpenGLFramebufferObject::bindDefault();
    glReadBuffer(GL_BACK);
  }
  glViewport(0, 0, RenderWidth(), RenderHeight());
}

bool TFormGL::MakeCaptureBuffer(int width, int height) {
  CaptureBuffer.reset();
  if (!MakeCurrent()) return false;
  GLint largest[2] = {0, 0};
  GLint renderbuffer = 0;
  glGetIntegerv(GL_MAX_VIEWPORT_DIMS, largest);
  glGetIntegerv(0x84E8 /* GL_MAX_RENDERBUFFER_SIZE */, &renderbuffer);
  // The picture gets the size the context can give, as a window would.
  width = std::clamp(width, 1, std::max(1, std::min(largest[0], renderbuffer)));
  height = std::clamp(height, 1, std::max(1, std::min(largest[1], renderbuffer)));
  auto buffer = std::make_unique<QOpenGLFramebufferObject>(width, height, QOpenGLFramebufferObject::Depth);
  QOpenGLFramebufferObject::bindDefault();
  if (!buffer->isValid()) return false;
  CaptureBuffer = std::move(buffer);
  return true;
}

CaptureImage TFormGL::ReadRenderTarget() {
  if (!MakeCurrent()) return {};
  BindRenderTarget();
  CaptureImage image(RenderWidth(), RenderHeight());
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glPixelStorei(GL_PACK_ROW_LENGTH, 0);
  glPixelStorei(GL_PACK_SKIP_ROWS, 0);
  glPixelStorei(GL_PACK_SKIP_PIXELS, 0);
  glReadPixels(0, 0, image.Width, image.Height, GL_BGR, GL_UNSIGNED_BYTE, image.Pixels.data());
  return image;
}

void TFormGL::ShowCaptureBuffer() {
  if (!CaptureBuffer || !MakeCurrent()) return;
  const QSize window = WindowRenderSize();
  const int width = window.width();
  const int height = window.height();
  const double scale = std::min(static_cast<double>(width) / CaptureBuffer->width(),
                                static_cast<double>(height) / CaptureBuffer->height());
  const int shownWidth = static_cast<int>(CaptureBuffer->width() * scale);
  const int shownHeight = static_cast<int>(CaptureBuffer->height() * scale);
  const QRect shown((width - shownWidth) / 2, (height - shownHeight) / 2, shownWidth, shownHeight);
  QOpenGLFramebufferObject::bindDefault();
  glViewport(0, 0, width, height);
  glClearColor(BackgroundColor[0], BackgroundColor[1], BackgroundColor[2], BackgroundColor[3]);
  glClear(GL_COLOR_BUFFER_BIT);
  QOpenGLFramebufferObject::blitFramebuffer(nullptr, shown, CaptureBuffer.get(), QRect(QPoint(), CaptureBuffer->size()),
                                            GL_COLOR_BUFFER_BIT, GL_LINEAR);
}
