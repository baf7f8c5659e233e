#include "PanelButton.h"

#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

PanelButton::PanelButton(const QString& caption, QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Raised);
  setLineWidth(1);
  if (!caption.isEmpty()) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* label = new QLabel(caption, this);
    label->setAlignment(Qt::AlignCenter);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    layout->addWidget(label);
  }
}

void PanelButton::SetColor(const QColor& color) {
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, color);
  setPalette(colours);
}

QColor PanelButton::Color() const { return palette().color(QPalette::Window); }

void PanelButton::mousePressEvent(QMouseEvent* event) {
  setFrameShadow(QFrame::Sunken);
  emit pressed(event->button());
}

void PanelButton::mouseReleaseEvent(QMouseEvent* event) {
  setFrameShadow(QFrame::Raised);
  emit released(event->button());
}
