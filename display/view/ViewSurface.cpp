#include "ViewSurface.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "UnitGL.h"

ViewSurface::ViewSurface(TFormGL* form) : form_(form) {
  setSurfaceType(QSurface::OpenGLSurface);
  QSurfaceFormat format;
  format.setRenderableType(QSurfaceFormat::OpenGL);
  format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
  format.setRedBufferSize(8);
  format.setGreenBufferSize(8);
  format.setBlueBufferSize(8);
  format.setAlphaBufferSize(8);
  format.setDepthBufferSize(32);
  setFormat(format);
}

void ViewSurface::exposeEvent(QExposeEvent*) { form_->FormResize(); }

void ViewSurface::resizeEvent(QResizeEvent*) { form_->FormResize(); }

void ViewSurface::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  form_->FormMouseDown(at.x(), at.y());
  requestActivate();
}

void ViewSurface::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  form_->FormMouseUp(at.x(), at.y());
}

void ViewSurface::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  form_->FormMouseMove(event->buttons(), event->modifiers(), at.x(), at.y());
}

void ViewSurface::keyPressEvent(QKeyEvent* event) {
  const QByteArray text = event->text().toLatin1();
  if (text.size() == 1) form_->FormKeyPress(text[0]);
}
