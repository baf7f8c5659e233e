// A panel that works as a push button: its bevel sinks while a mouse button
// is held on it and rises again on release, before `released` is raised.
#pragma once

#include <QFrame>

class PanelButton : public QFrame {
  Q_OBJECT

 public:
  explicit PanelButton(const QString& caption = QString(), QWidget* parent = nullptr);
  // The panel's own colour (used by colour swatches).
  void SetColor(const QColor& color);
  QColor Color() const;
  bool IsLowered() const { return frameShadow() == QFrame::Sunken; }

 signals:
  void pressed(Qt::MouseButton button);
  void released(Qt::MouseButton button);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};
