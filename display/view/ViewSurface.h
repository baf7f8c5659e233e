// The view's GL surface: a window of its own inside the view form, so that
// its context has a true double buffer and lives for the whole run. It hands
// its mouse, key and resize events to the form.
#pragma once

#include <QWindow>

class TFormGL;

class ViewSurface : public QWindow {
 public:
  explicit ViewSurface(TFormGL* form);

 protected:
  void exposeEvent(QExposeEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  TFormGL* form_;
};
