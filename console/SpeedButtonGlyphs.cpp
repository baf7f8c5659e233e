#include "SpeedButtonGlyphs.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace {

// A triangle pointing right (or left) with its tip at x.
QPolygonF Triangle(double x, bool right) {
  const double base = right ? x - 6 : x + 6;
  return QPolygonF({QPointF(base, 3), QPointF(x, 8), QPointF(base, 13)});
}

}  // namespace

QIcon SpeedButtonIcon(SpeedGlyph glyph) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 30, 30));
  switch (glyph) {
    case SpeedGlyph::GoTop:
      p.drawRect(QRectF(3, 3, 2, 10));
      p.drawPolygon(Triangle(6, false));
      break;
    case SpeedGlyph::FastReverse:
      p.drawPolygon(Triangle(1, false));
      p.drawPolygon(Triangle(7, false));
      break;
    case SpeedGlyph::Reverse1Frame:
      p.drawPolygon(Triangle(4, false));
      p.drawRect(QRectF(11, 3, 2, 10));
      break;
    case SpeedGlyph::ReversePlay: p.drawPolygon(Triangle(4, false)); break;
    case SpeedGlyph::Stop: p.drawRect(QRectF(4, 4, 8, 8)); break;
    case SpeedGlyph::Play: p.drawPolygon(Triangle(12, true)); break;
    case SpeedGlyph::Forward1Frame:
      p.drawRect(QRectF(3, 3, 2, 10));
      p.drawPolygon(Triangle(12, true));
      break;
    case SpeedGlyph::FastForward:
      p.drawPolygon(Triangle(9, true));
      p.drawPolygon(Triangle(15, true));
      break;
    case SpeedGlyph::GoEnd:
      p.drawPolygon(Triangle(10, true));
      p.drawRect(QRectF(11, 3, 2, 10));
      break;
  }
  return QIcon(pixmap);
}
