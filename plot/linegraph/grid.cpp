// The scale of the graph: tick labels with their grid lines, the two axes,
// the frame around the plot area and the axis titles.
#include <numbers>

#include "plot/linegraph/line_graph.h"
#include "plot/linegraph/pixels.h"

namespace {

constexpr fw::Color kGridColor = fw::RGB(107, 255, 255);

// More intervals than a picture can have pixels along an axis cannot be
// told apart; such an axis gets no ticks, so no count can make the loop hang.
constexpr Integer kMostIntervals = Integer{1} << 16;

bool TicksDrawn(Integer intervals) { return intervals >= 0 && intervals <= kMostIntervals; }

}  // namespace

void TovLineGraph::DrawGrid() {
  fw::Graphics& g = Surface();
  g.SetFontSize(10);
  const double ystep = D(graphHeight) / D(yMarks);
  leftSpace = fw::Truncate(g.StringWidth(fw::Format(yMax, yNumberFormat)) + D(leftSpace) + 10);
  DrawYTicks(ystep);
  graphWidth = Difference(w, leftSpace, rightSpace);
  xScale = (xMax - xMin) / D(graphWidth);
  DrawXTicks(D(graphWidth) / D(xMarks));

  const double left = D(leftSpace), top = D(topSpace);
  const double right = D(w) - D(rightSpace), bottom = D(h) - D(bottomSpace);
  g.SetDrawingColor(foreColor);
  g.DrawLine(left, bottom, right, bottom);
  g.DrawLine(left, top, left, bottom);
  g.SetPenSize(2);
  g.SetPenHeight(2);
  g.DrawRect(left - 1, top - 1, D(graphWidth) + 2, D(graphHeight) + 2);
  g.SetPenSize(1);
  g.SetPenHeight(1);
  if (labelAxes) DrawAxisTitles();
}

// A tick whose row is not a number (no intervals, an empty range) is left
// out with its grid line.
void TovLineGraph::DrawYTicks(double ystep) {
  if (!TicksDrawn(yMarks)) return;
  fw::Graphics& g = Surface();
  for (Integer i = 0; i <= yMarks; ++i) {
    const double v = D(i) * ystep * yScale + yMin;
    const double row = D(topSpace) + (yMax - v) / yScale;
    if (!IsDrawable(row)) continue;
    const std::string s = fw::Format(v, yNumberFormat);
    const auto tw = D(fw::Truncate(g.StringWidth(s)));
    const auto yp = D(fw::Truncate(row));
    g.SetDrawingColor(foreColor);
    g.DrawString(s, D(leftSpace) - 14 - tw, yp + 4, 0, false);
    if (xGrid) {
      g.SetDrawingColor(kGridColor);
      g.DrawLine(D(leftSpace) + 1, yp, D(w) - D(rightSpace), yp);
    }
  }
}

void TovLineGraph::DrawXTicks(double xstep) {
  if (!TicksDrawn(xMarks)) return;
  fw::Graphics& g = Surface();
  for (Integer i = 0; i <= xMarks; ++i) {
    const double v = D(i) * xstep * xScale + xMin;
    const double column = D(leftSpace) + (v - xMin) / xScale;
    if (!IsDrawable(column)) continue;
    const std::string s = fw::Format(v, xNumberFormat);
    const auto tw = D(fw::Truncate(g.StringWidth(s)));
    const auto xp = D(fw::Truncate(column));
    g.SetDrawingColor(foreColor);
    g.DrawString(s, xp - tw / 2, D(h) - D(bottomSpace) + 22, 0, false);
    if (yGrid) {
      g.SetDrawingColor(kGridColor);
      g.DrawLine(xp, D(topSpace), xp, D(h) - D(bottomSpace) - 1);
    }
  }
}

// Drawn in the colour of the axes, which is still set.
void TovLineGraph::DrawAxisTitles() {
  fw::Graphics& g = Surface();
  g.SetFontSize(12);
  if (!yLabel.empty()) {
    const fw::StringShape shape{yLabel, 12, -std::numbers::pi / 2};
    g.DrawObject(shape, D(leftSpace) - g.StringWidth(fw::Format(yMax, yNumberFormat)) - 15,
                 D(topSpace) + D(graphHeight) / 2);
  }
  if (!xLabel.empty()) {
    const auto tw = D(fw::Truncate(g.StringWidth(xLabel)));
    g.DrawString(xLabel, D(leftSpace) + D(graphWidth) / 2 - tw / 2, D(h) - D(bottomSpace) + 40, 0,
                 false);
  }
}
