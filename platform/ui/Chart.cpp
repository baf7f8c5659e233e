#include "Chart.h"

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/Numbers.h"

namespace {

// A drag shorter than this, in pixels, is a click, not a zoom.
constexpr int kMinimumDrag = 16;
constexpr int kTickLength = 5;
constexpr int kMinorTickLength = 3;

bool Finite(double x, double y) { return std::isfinite(x) && std::isfinite(y); }

QString AxisLabel(double value) { return QString::fromUtf8(FormatFloat("#,##0.##", value)); }

// Ascending x, non-finite x behind every finite one.
bool XBefore(double a, double b) {
  if (!std::isfinite(a)) return false;
  return !std::isfinite(b) || a < b;
}

Chart::Range Widened(Chart::Range range) {
  if (range.Max > range.Min) return range;
  return {range.Min - 1.0, range.Min + 1.0};
}

// Cuts the segment a-b to `area` (Liang-Barsky); false when nothing is left.
bool ClipSegment(QPointF& a, QPointF& b, const QRectF& area) {
  const double dx = b.x() - a.x(), dy = b.y() - a.y();
  double t0 = 0.0, t1 = 1.0;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x() - area.left(), area.right() - a.x(), a.y() - area.top(),
                       area.bottom() - a.y()};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
    if (t0 > t1) return false;
  }
  const QPointF start = a;
  a = QPointF(start.x() + t0 * dx, start.y() + t0 * dy);
  b = QPointF(start.x() + t1 * dx, start.y() + t1 * dy);
  return true;
}

}  // namespace

Chart::Chart(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  setMinimumSize(120, 80);
}

void Chart::SetBottomAxis(const QString& title, double min, double max, bool inverted) {
  bottomTitle_ = title;
  bottomDesigned_ = {min, max};
  inverted_ = inverted;
  update();
}

void Chart::ClearBars() {
  bars_.clear();
  update();
}

void Chart::AddBar(double x, double y, const QColor& color) {
  const auto at = std::upper_bound(bars_.begin(), bars_.end(), x,
                                   [](double value, const Bar& bar) { return XBefore(value, bar.X); });
  bars_.insert(at, Bar{x, y, color});
  update();
}

void Chart::ClearLine() {
  line_.clear();
  update();
}

void Chart::SetLinePoints(std::vector<QPointF> points) {
  std::stable_sort(points.begin(), points.end(),
                   [](const QPointF& a, const QPointF& b) { return XBefore(a.x(), b.x()); });
  line_ = std::move(points);
  update();
}

void Chart::SetLineColor(const QColor& color) {
  lineColor_ = color;
  update();
}

Chart::Range Chart::BottomRange() const { return zoomed_ ? bottomZoom_ : bottomDesigned_; }

Chart::Range Chart::LeftRange() const {
  if (zoomed_) return leftZoom_;
  // Only bars within the bottom axis are drawn: an imaginary mode's bar at a
  // negative wavenumber must not scale the others down.
  double max = 0.0;
  for (const Bar& bar : bars_)
    if (Finite(bar.X, bar.Y) && bar.X >= bottomDesigned_.Min && bar.X <= bottomDesigned_.Max) max = std::max(max, bar.Y);
  return {0.0, max > 0.0 ? max : 1.0};
}

Chart::Range Chart::RightRange() const {
  if (zoomed_) return rightZoom_;
  bool any = false;
  Range range{0.0, 1.0};
  for (const QPointF& p : line_) {
    if (!Finite(p.x(), p.y())) continue;
    if (!any) range = {p.y(), p.y()};
    range.Min = std::min(range.Min, p.y());
    range.Max = std::max(range.Max, p.y());
    any = true;
  }
  // A span too large for a double is no range to scale by.
  if (!std::isfinite(range.Max - range.Min)) return {0.0, 1.0};
  return Widened(range);
}

QRectF Chart::PlotArea() const {
  const QFontMetrics metrics(font());
  int labelWidth = metrics.horizontalAdvance(QStringLiteral("0"));
  for (double tick : Ticks(LeftRange().Min, LeftRange().Max, 10))
    labelWidth = std::max(labelWidth, metrics.horizontalAdvance(AxisLabel(tick)));
  const double left = labelWidth + kTickLength + 6;
  const double bottom = 2 * metrics.height() + kTickLength + 6;
  const double top = metrics.height() / 2 + 4;
  const double right = metrics.horizontalAdvance(QStringLiteral("0,000")) / 2 + 4;
  return QRectF(left, top, std::max(1.0, width() - left - right),
                std::max(1.0, height() - top - bottom));
}

double Chart::ValueToPixel(double value, const Range& range, const QRectF& area) {
  const Range r = Widened(range);
  return area.bottom() - (value - r.Min) / (r.Max - r.Min) * area.height();
}

double Chart::PixelToValue(double pixel, const Range& range, const QRectF& area) {
  const Range r = Widened(range);
  return r.Min + (area.bottom() - pixel) / area.height() * (r.Max - r.Min);
}

double Chart::XToPixel(double x, const QRectF& area) const {
  const Range r = Widened(BottomRange());
  const double fraction = (x - r.Min) / (r.Max - r.Min);
  return inverted_ ? area.right() - fraction * area.width() : area.left() + fraction * area.width();
}

double Chart::PixelToX(double pixel, const QRectF& area) const {
  const Range r = Widened(BottomRange());
  const double fraction =
      inverted_ ? (area.right() - pixel) / area.width() : (pixel - area.left()) / area.width();
  return r.Min + fraction * (r.Max - r.Min);
}

void Chart::ZoomToPixels(const QRect& rect) {
  const QRectF area = PlotArea();
  const QRectF r = QRectF(rect).normalized();
  const double x1 = PixelToX(r.left(), area), x2 = PixelToX(r.right(), area);
  const Range left{PixelToValue(r.bottom(), LeftRange(), area), PixelToValue(r.top(), LeftRange(), area)};
  const Range right{PixelToValue(r.bottom(), RightRange(), area),
                    PixelToValue(r.top(), RightRange(), area)};
  bottomZoom_ = {std::min(x1, x2), std::max(x1, x2)};
  leftZoom_ = left;
  rightZoom_ = right;
  zoomed_ = true;
  update();
}

void Chart::UndoZoom() {
  zoomed_ = false;
  update();
}

std::vector<double> Chart::Ticks(double min, double max, int maxCount) {
  std::vector<double> ticks;
  const double span = max - min;
  if (maxCount < 1 || !std::isfinite(span) || span <= 0.0) return ticks;
  // Step 1, 2 or 5 times a power of ten, the smallest that keeps the count.
  const double raw = span / maxCount;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  double step = 10.0 * power;
  for (double m : {1.0, 2.0, 5.0}) {
    if (m * power >= raw) {
      step = m * power;
      break;
    }
  }
  if (!std::isfinite(step) || step <= 0.0) return ticks;
  const double first = std::ceil(min / step);
  for (int i = 0; i <= maxCount + 1; ++i) {
    const double value = (first + i) * step;
    if (value > max + step * 1e-9) break;
    ticks.push_back(std::fabs(value) < step * 1e-9 ? 0.0 : value);
  }
  return ticks;
}

void Chart::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRectF area = PlotArea();
  painter.fillRect(area, Qt::white);

  DrawBottomAxis(painter, area);
  DrawLeftAxis(painter, area);

  painter.save();
  painter.setClipRect(area);
  DrawBars(painter, area);
  DrawLine(painter, area);
  painter.restore();

  painter.setPen(Qt::black);
  painter.drawRect(area);
  if (dragging_) {
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.drawRect(QRect(dragStart_, dragEnd_).normalized());
  }
}

void Chart::DrawBottomAxis(QPainter& painter, const QRectF& area) const {
  const QFontMetrics metrics(font());
  const Range range = BottomRange();
  // As many ticks as their labels leave room for.
  std::vector<double> ticks;
  for (int maxCount = std::max(1, static_cast<int>(area.width() / 24)); maxCount >= 1; --maxCount) {
    ticks = Ticks(range.Min, range.Max, maxCount);
    int widest = 0;
    for (double tick : ticks) widest = std::max(widest, metrics.horizontalAdvance(AxisLabel(tick)));
    if (ticks.size() <= 1 || (widest + 8) * static_cast<double>(ticks.size() - 1) <= area.width()) break;
  }
  const QPen grid(QColor(200, 200, 200), 1, Qt::DotLine);
  for (double tick : ticks) {
    const double x = XToPixel(tick, area);
    painter.setPen(grid);
    painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    painter.setPen(Qt::black);
    painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + kTickLength));
    const QString label = AxisLabel(tick);
    const double w = metrics.horizontalAdvance(label);
    painter.drawText(QPointF(x - w / 2, area.bottom() + kTickLength + metrics.ascent() + 1), label);
  }
  if (ticks.size() >= 2 && minorTicks_ > 0) {
    const double major = ticks[1] - ticks[0];
    const double step = major / (minorTicks_ + 1);
    const std::size_t count = (ticks.size() + 1) * static_cast<std::size_t>(minorTicks_ + 1);
    painter.setPen(Qt::black);
    for (std::size_t k = 0; k <= count; ++k) {
      const double v = ticks.front() - major + static_cast<double>(k) * step;
      if (v < range.Min || v > range.Max) continue;
      const double x = XToPixel(v, area);
      painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + kMinorTickLength));
    }
  }
  const double titleWidth = metrics.horizontalAdvance(bottomTitle_);
  painter.drawText(QPointF(area.center().x() - titleWidth / 2,
                           area.bottom() + kTickLength + metrics.height() + metrics.ascent() + 2),
                   bottomTitle_);
}

void Chart::DrawLeftAxis(QPainter& painter, const QRectF& area) const {
  const QFontMetrics metrics(font());
  const Range range = LeftRange();
  const int maxCount = std::max(1, static_cast<int>(area.height() / (metrics.height() * 2)));
  const QPen grid(QColor(200, 200, 200), 1, Qt::DotLine);
  for (double tick : Ticks(range.Min, range.Max, maxCount)) {
    const double y = ValueToPixel(tick, range, area);
    painter.setPen(grid);
    painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    painter.setPen(Qt::black);
    painter.drawLine(QPointF(area.left() - kTickLength, y), QPointF(area.left(), y));
    const QString label = AxisLabel(tick);
    const double w = metrics.horizontalAdvance(label);
    painter.drawText(QPointF(area.left() - kTickLength - 3 - w, y + metrics.ascent() / 2.0 - 1), label);
  }
}

void Chart::DrawBars(QPainter& painter, const QRectF& area) const {
  const Range range = LeftRange();
  const double slot = area.width() / std::max<std::size_t>(1, bars_.size());
  const double width = std::max(2.0, slot * barWidthPercent_ / 100.0);
  const double base = std::clamp(ValueToPixel(0.0, range, area), area.top() - 1, area.bottom() + 1);
  for (const Bar& bar : bars_) {
    if (!Finite(bar.X, bar.Y)) continue;
    const double x = XToPixel(bar.X, area);
    if (x < area.left() - width || x > area.right() + width) continue;
    const double top = std::clamp(ValueToPixel(bar.Y, range, area), area.top() - 1, area.bottom() + 1);
    painter.fillRect(QRectF(x - width / 2, std::min(top, base), width, std::fabs(base - top)), bar.Color);
  }
}

void Chart::DrawLine(QPainter& painter, const QRectF& area) const {
  const Range range = RightRange();
  const QRectF bounds = area.adjusted(-1, -1, 1, 1);
  std::vector<QLineF> segments;
  bool havePrevious = false;
  QPointF previous;
  for (const QPointF& p : line_) {
    if (!Finite(p.x(), p.y())) {
      havePrevious = false;  // a gap in the line
      continue;
    }
    const QPointF pixel(XToPixel(p.x(), area), ValueToPixel(p.y(), range, area));
    if (havePrevious) {
      QPointF a = previous, b = pixel;
      if (std::isfinite(a.x() + a.y() + b.x() + b.y()) && ClipSegment(a, b, bounds))
        segments.emplace_back(a, b);
    }
    previous = pixel;
    havePrevious = true;
  }
  painter.setPen(QPen(lineColor_, 1));
  painter.drawLines(segments.data(), static_cast<int>(segments.size()));
}

void Chart::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  dragging_ = true;
  dragStart_ = dragEnd_ = event->position().toPoint();
}

void Chart::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) return QWidget::mouseMoveEvent(event);
  dragEnd_ = event->position().toPoint();
  update();
}

// Dragging down to the right zooms into the rectangle; dragging up to the
// left goes back to the designed ranges.
void Chart::mouseReleaseEvent(QMouseEvent* event) {
  if (!dragging_ || event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  dragging_ = false;
  dragEnd_ = event->position().toPoint();
  const QPoint delta = dragEnd_ - dragStart_;
  if (delta.x() >= kMinimumDrag && delta.y() >= kMinimumDrag)
    ZoomToPixels(QRect(dragStart_, dragEnd_));
  else if (delta.x() <= -kMinimumDrag && delta.y() <= -kMinimumDrag)
    UndoZoom();
  update();
}

void Chart::contextMenuEvent(QContextMenuEvent* event) {
  if (popup_) popup_->popup(event->globalPos());
}
