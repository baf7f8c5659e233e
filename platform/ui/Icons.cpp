#include "Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QPixmap Canvas() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

QIcon Paint(int index) {
  QPixmap pixmap = Canvas();
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  switch (index) {
    case IMAGE_BOND:  // a stick between two atoms
      p.setPen(QPen(QColor(120, 120, 120), 3));
      p.drawLine(4, 12, 12, 4);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(200, 40, 40));
      p.drawEllipse(QPointF(4, 12), 3, 3);
      p.setBrush(QColor(40, 40, 200));
      p.drawEllipse(QPointF(12, 4), 3, 3);
      break;
    case IMAGE_HIDDEN:  // an outline only
      p.setPen(QPen(QColor(140, 140, 140), 1.5));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QPointF(8, 8), 5.5, 5.5);
      break;
    case IMAGE_SHOWN: {  // a lit ball
      QRadialGradient shade(QPointF(6, 6), 8);
      shade.setColorAt(0, QColor(255, 255, 255));
      shade.setColorAt(1, QColor(30, 110, 200));
      p.setPen(Qt::NoPen);
      p.setBrush(shade);
      p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
      break;
    }
    case IMAGE_ANIMATED: {  // a wave
      QPainterPath wave(QPointF(1, 8));
      wave.cubicTo(4, 1, 6, 1, 8, 8);
      wave.cubicTo(10, 15, 12, 15, 15, 8);
      p.setPen(QPen(QColor(0, 150, 60), 2));
      p.drawPath(wave);
      break;
    }
    case IMAGE_NOT_ANIMATED:  // a flat line
      p.setPen(QPen(QColor(150, 150, 150), 2));
      p.drawLine(2, 8, 14, 8);
      break;
    default:
      return QIcon();
  }
  return QIcon(pixmap);
}

}  // namespace

QIcon ImageListIcon(int index) {
  static const QIcon icons[] = {Paint(0), Paint(1), Paint(2), Paint(3), Paint(4)};
  if (index < 0 || index > 4) return QIcon();
  return icons[index];
}
