// Axes with more intervals than pixels: one tick per pixel, both ends
// always labelled, however large the count.
#include <gtest/gtest.h>

#include "plot/linegraph/line_graph.h"
#include "tests/gui/linegraph/pixels.h"

namespace {

constexpr fw::Color kGrid = fw::RGB(107, 255, 255);

// The y axis as the scree plot sets it for a first eigenvalue: 0 up to the
// rounded bound, one interval per unit, whole-number labels.
void ScreeAxes(TovLineGraph& graph, double firstEigenvalue) {
  const double bound = fw::Round(1 + firstEigenvalue);
  graph.SetXRange(1, 20);
  graph.SetYRange(0, bound);
  graph.SetXMarks(20);
  graph.SetYMarks(fw::Truncate(1 + bound));
  graph.SetGridLines(false, false);
  graph.SetNumberFormats("##", "##");
  graph.SetLegend(LegendMode::None);
}

// Whether every pixel that has ink when text is drawn alone at (x, y) on a
// white picture has ink in image too.
bool HoldsText(const QImage& image, const std::string& text, double x, double y) {
  fw::Picture alone(image.width(), image.height(), 32);
  alone.Graphics().SetFontSize(10);
  alone.Graphics().DrawString(text, x, y, 0, false);
  const QImage ink = alone.Image();
  int pixels = 0;
  for (int j = 0; j < ink.height(); ++j) {
    for (int i = 0; i < ink.width(); ++i) {
      if (!HasInk(ink, i, j, 1, 1)) continue;
      ++pixels;
      if (!HasInk(image, i, j, 1, 1)) return false;
    }
  }
  return pixels > 0;
}

TEST(ManyTicks, BothEndsOfATallYAxisKeepTheirLabels) {
  for (double first : {1000.0, 70000.0, 1e9}) {
    SCOPED_TRACE(first);
    TovLineGraph graph;
    ScreeAxes(graph, first);
    const QImage image = graph.DrawGraph(600, 420)->Image();
    const GraphGeometry f = graph.Geometry();
    ASSERT_EQ(f.graphHeight, 370);
    fw::Picture measure(1, 1, 32);
    measure.Graphics().SetFontSize(10);
    const std::string top = fw::Format(fw::Round(1 + first), "##");
    const auto topWidth = static_cast<double>(fw::Truncate(measure.Graphics().StringWidth(top)));
    const auto zeroWidth = static_cast<double>(fw::Truncate(measure.Graphics().StringWidth("0")));
    const auto axis = static_cast<double>(f.leftSpace);
    EXPECT_TRUE(HoldsText(image, top, axis - 14 - topWidth, 20 + 4));
    EXPECT_TRUE(HoldsText(image, "0", axis - 14 - zeroWidth, 390 + 4));
  }
}

// A grid line for every row and every column inside the frame shows that
// none is left without its tick.
TEST(ManyTicks, EveryRowAndColumnGetsATick) {
  for (double first : {1000.0, 70000.0, 1e9}) {
    SCOPED_TRACE(first);
    for (bool horizontal : {true, false}) {
      TovLineGraph graph;
      ScreeAxes(graph, first);
      graph.SetXMarks(static_cast<Integer>(first));
      graph.SetGridLines(horizontal, !horizontal);
      const QImage image = graph.DrawGraph(600, 420)->Image();
      const GraphGeometry f = graph.Geometry();
      const int left = static_cast<int>(f.leftSpace);
      const int right = left + static_cast<int>(f.graphWidth);
      // The frame, two pixels wide, covers the plot area's outer pixels.
      if (horizontal) {
        for (int row = 21; row < 389; ++row) {
          ASSERT_EQ(At(image, left + 1, row), kGrid) << row;
          ASSERT_EQ(At(image, right - 2, row), kGrid) << row;
        }
      } else {
        for (int column = left + 1; column < right - 1; ++column) {
          ASSERT_EQ(At(image, column, 21), kGrid) << column;
          ASSERT_EQ(At(image, column, 388), kGrid) << column;
        }
      }
    }
  }
}

}  // namespace
