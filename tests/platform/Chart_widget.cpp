#include "platform/ui/Chart.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QImage>
#include <QTest>
#include <cmath>
#include <limits>

#include "tests/support/StrictRun.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

class ChartTest : public testing::Test {
 protected:
  void SetUp() override {
    chart.resize(400, 300);
    chart.SetBottomAxis("wavenumber", 0, 4500, true);
    chart.SetMinorTicks(9);
  }
  Chart chart;
};

// Columns of the plot area where `color` was painted.
std::vector<int> ColumnsOf(Chart& chart, const QColor& color) {
  const QImage image = chart.grab().toImage();
  const QRect area = chart.PlotArea().toRect();
  std::vector<int> columns;
  for (int x = area.left(); x <= area.right(); ++x)
    for (int y = area.top(); y <= area.bottom(); ++y)
      if (image.pixelColor(x, y) == color) {
        columns.push_back(x);
        break;
      }
  return columns;
}

}  // namespace

TEST_F(ChartTest, BarsStayInAscendingXWithTheirColours) {
  chart.AddBar(3000, 1, Qt::red);
  chart.AddBar(kNaN, 5, Qt::green);
  chart.AddBar(1000, 2, Qt::blue);
  chart.AddBar(3000, 3, Qt::blue);
  const auto& bars = chart.Bars();
  ASSERT_EQ(bars.size(), 4u);
  EXPECT_EQ(bars[0].X, 1000);
  EXPECT_EQ(bars[1].Y, 1);  // equal x keep the order they came in
  EXPECT_EQ(bars[1].Color, QColor(Qt::red));
  EXPECT_EQ(bars[2].Y, 3);
  EXPECT_TRUE(std::isnan(bars[3].X));  // non-finite ones go last
  chart.ClearBars();
  EXPECT_TRUE(chart.Bars().empty());
}

TEST_F(ChartTest, AutomaticRangesSkipValuesNotDrawn) {
  EXPECT_EQ(chart.LeftRange().Min, 0);
  EXPECT_EQ(chart.LeftRange().Max, 1);  // nothing to scale by
  chart.AddBar(100, 40, Qt::red);
  chart.AddBar(200, kInf, Qt::red);
  chart.AddBar(kInf, 80, Qt::red);
  chart.AddBar(300, -5, Qt::red);
  chart.AddBar(-245, 900, Qt::red);  // an imaginary mode's, off the axis: not drawn
  chart.AddBar(4501, 900, Qt::red);
  EXPECT_EQ(chart.LeftRange().Min, 0);
  EXPECT_EQ(chart.LeftRange().Max, 40);

  chart.SetLinePoints({{2000, 5}, {1000, kInf}, {kNaN, 1}, {500, -2}, {3000, 7}});
  EXPECT_EQ(chart.RightRange().Min, -2);
  EXPECT_EQ(chart.RightRange().Max, 7);
  ASSERT_EQ(chart.LinePoints().size(), 5u);
  EXPECT_EQ(chart.LinePoints()[0].x(), 500);
  EXPECT_EQ(chart.LinePoints()[3].x(), 3000);

  chart.SetLinePoints({{1, 3}});
  EXPECT_LT(chart.RightRange().Min, 3);  // a flat line still has a range
  EXPECT_GT(chart.RightRange().Max, 3);
  chart.SetLinePoints({{1, -1e308}, {2, 1e308}});
  EXPECT_TRUE(std::isfinite(chart.RightRange().Max - chart.RightRange().Min));
}

TEST(ChartTicks, RoundStepsWithinTheRange) {
  EXPECT_EQ(Chart::Ticks(0, 4500, 5), (std::vector<double>{0, 1000, 2000, 3000, 4000}));
  EXPECT_EQ(Chart::Ticks(-0.3, 0.3, 3), (std::vector<double>{-0.2, 0, 0.2}));
  EXPECT_EQ(Chart::Ticks(0.5, 0.5, 5).size(), 0u);
  EXPECT_EQ(Chart::Ticks(0, kInf, 5).size(), 0u);
  EXPECT_EQ(Chart::Ticks(kNaN, 1, 5).size(), 0u);
  EXPECT_EQ(Chart::Ticks(-1e308, 1e308, 5).size(), 0u);  // the span overflows
  EXPECT_LE(Chart::Ticks(1e17, 1e17 + 10, 10).size(), 12u);
}

TEST_F(ChartTest, ZoomAndUndoZoom) {
  chart.AddBar(1000, 10, Qt::red);
  const QRectF area = chart.PlotArea();
  // The axis is inverted: the left half of the plot shows the high half.
  chart.ZoomToPixels(QRect(area.left(), area.top(), area.width() / 2, area.height()).adjusted(0, 0, 0, -1));
  ASSERT_TRUE(chart.Zoomed());
  EXPECT_NEAR(chart.BottomRange().Min, 2250, 20);
  EXPECT_NEAR(chart.BottomRange().Max, 4500, 20);
  EXPECT_NEAR(chart.LeftRange().Max, 10, 0.1);
  chart.UndoZoom();
  EXPECT_FALSE(chart.Zoomed());
  EXPECT_EQ(chart.BottomRange().Min, 0);
  EXPECT_EQ(chart.BottomRange().Max, 4500);
}

TEST_F(ChartTest, MouseDragsZoomAndGoBack) {
  chart.show();
  const QPoint start = chart.PlotArea().center().toPoint();
  QTest::mousePress(&chart, Qt::LeftButton, {}, start);
  QTest::mouseMove(&chart, start + QPoint(5, 5));
  QTest::mouseRelease(&chart, Qt::LeftButton, {}, start + QPoint(5, 5));
  EXPECT_FALSE(chart.Zoomed()) << "a short drag is a click";

  QTest::mousePress(&chart, Qt::LeftButton, {}, start);
  QTest::mouseMove(&chart, start + QPoint(60, 40));
  QTest::mouseRelease(&chart, Qt::LeftButton, {}, start + QPoint(60, 40));
  ASSERT_TRUE(chart.Zoomed());
  EXPECT_LT(chart.BottomRange().Max, 2250 + 20);

  QTest::mousePress(&chart, Qt::LeftButton, {}, start);
  QTest::mouseMove(&chart, start - QPoint(40, 40));
  QTest::mouseRelease(&chart, Qt::LeftButton, {}, start - QPoint(40, 40));
  EXPECT_FALSE(chart.Zoomed());
}

TEST_F(ChartTest, HighWavenumbersAreDrawnAtTheLeft) {
  chart.AddBar(4000, 1, QColor(255, 0, 0));
  chart.AddBar(500, 1, QColor(0, 0, 255));
  const auto red = ColumnsOf(chart, QColor(255, 0, 0));
  const auto blue = ColumnsOf(chart, QColor(0, 0, 255));
  ASSERT_FALSE(red.empty());
  ASSERT_FALSE(blue.empty());
  const QRectF area = chart.PlotArea();
  EXPECT_LT(red.back(), area.left() + area.width() / 4);
  EXPECT_GT(blue.front(), area.right() - area.width() / 4);
}

TEST_F(ChartTest, PaintsWhateverTheValues) {
  chart.AddBar(kInf, 1, Qt::red);
  chart.AddBar(100, kNaN, Qt::red);
  chart.AddBar(-1e300, 1e300, Qt::red);
  chart.AddBar(-4000, 5, Qt::red);  // outside the fixed range
  chart.SetLinePoints({{0, 1e300}, {kNaN, 0}, {1e300, -1e300}, {100, kInf}, {200, 3}});
  chart.SetLineColor(QColor(0, 128, 64));
  EXPECT_FALSE(chart.grab().isNull());
  chart.ZoomToPixels(QRect(0, 0, 0, 0));
  EXPECT_FALSE(chart.grab().isNull());
}

TEST_F(ChartTest, RightClickShowsThePopupMenu) {
  QMenu menu;
  menu.addAction("undo zoom");
  chart.SetPopupMenu(&menu);
  chart.show();
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10), chart.mapToGlobal(QPoint(10, 10)));
  QApplication::sendEvent(&chart, &event);
  EXPECT_TRUE(menu.isVisible());
  menu.close();
}

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RunAllTestsStrictly();
}
