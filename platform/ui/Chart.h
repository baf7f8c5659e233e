// A two-dimensional chart for the console's stick spectrum: bars at any x on
// the left axis, a line on the right axis, a bottom axis with a designed
// (fixed, possibly inverted) range, rectangle zoom with the left mouse button
// and a popup menu on the right one. The data it draws can be read back.
#pragma once

#include <QColor>
#include <QMenu>
#include <QPointF>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <vector>

class QPainter;

class Chart : public QWidget {
  Q_OBJECT

 public:
  struct Bar {
    double X = 0.0;
    double Y = 0.0;
    QColor Color;
  };
  struct Range {
    double Min = 0.0;
    double Max = 1.0;
  };

  explicit Chart(QWidget* parent = nullptr);

  // The bottom axis: its title and designed range; inverted puts the
  // maximum at the left.
  void SetBottomAxis(const QString& title, double min, double max, bool inverted);
  void SetMinorTicks(int count) { minorTicks_ = count; }
  // Bar width as a percentage of the space each bar has.
  void SetBarWidthPercent(double percent) { barWidthPercent_ = percent; }

  void ClearBars();
  // Bars are kept in ascending x (equal x in the order added).
  void AddBar(double x, double y, const QColor& color);
  const std::vector<Bar>& Bars() const { return bars_; }

  void ClearLine();
  // Replaces the line's points; they are kept in ascending x.
  void SetLinePoints(std::vector<QPointF> points);
  const std::vector<QPointF>& LinePoints() const { return line_; }
  void SetLineColor(const QColor& color);
  QColor LineColor() const { return lineColor_; }

  // Shown on a right click; the chart does not own it.
  void SetPopupMenu(QMenu* menu) { popup_ = menu; }
  QMenu* PopupMenu() const { return popup_; }

  // Ranges shown now: the designed ones (the left axis from 0 to its largest
  // bar within the bottom axis, the right axis over the line) until a zoom
  // fixes all three.
  Range BottomRange() const;
  Range LeftRange() const;
  Range RightRange() const;
  bool Zoomed() const { return zoomed_; }
  // Zooms to a rectangle given in widget pixels, as a mouse drag does.
  void ZoomToPixels(const QRect& rect);
  // Back to the designed ranges.
  void UndoZoom();

  // The rectangle inside the axes, in widget pixels.
  QRectF PlotArea() const;

  // Round tick values from min to max, at most maxCount + 1 of them; none for
  // an empty or non-finite range.
  static std::vector<double> Ticks(double min, double max, int maxCount);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  double XToPixel(double x, const QRectF& area) const;
  double PixelToX(double pixel, const QRectF& area) const;
  static double ValueToPixel(double value, const Range& range, const QRectF& area);
  static double PixelToValue(double pixel, const Range& range, const QRectF& area);
  void DrawBottomAxis(QPainter& painter, const QRectF& area) const;
  void DrawLeftAxis(QPainter& painter, const QRectF& area) const;
  void DrawBars(QPainter& painter, const QRectF& area) const;
  void DrawLine(QPainter& painter, const QRectF& area) const;

  QString bottomTitle_;
  Range bottomDesigned_{0.0, 4500.0};
  bool inverted_ = false;
  int minorTicks_ = 0;
  double barWidthPercent_ = 2.0;

  std::vector<Bar> bars_;
  std::vector<QPointF> line_;
  QColor lineColor_ = Qt::darkGreen;
  QPointer<QMenu> popup_;

  bool zoomed_ = false;
  Range bottomZoom_, leftZoom_, rightZoom_;
  bool dragging_ = false;
  QPoint dragStart_, dragEnd_;
};
