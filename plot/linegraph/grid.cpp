// The scale of the graph: tick labels with their grid lines, the two axes,
// the frame around the plot area and the axis titles.
#include <numbers>
#include <string>

#include "plot/linegraph/line_graph.h"
#include "plot/linegraph/pixels.h"

namespace {

constexpr fw::Color kGridColor = fw::RGB(107, 255, 255);

// More intervals than a picture can have pixels along an axis cannot be
// told apart; such an axis gets no ticks, so no count can make the loop hang.
constexpr Integer kMostIntervals = Integer{1} << 16;

bool TicksDrawn(Integer intervals) { return intervals >= 0 && intervals <= kMostIntervals; }

struct Spot {
  double x, y;
};

struct Segment {
  double x1, y1, x2, y2;
};

// The ticks of one axis: for i = 0..intervals, the value
// i * step * scale + minimum, labelled in the format.
struct TickRun {
  Integer intervals;
  double step;   // pixels from one tick to the next
  double scale, minimum;
  const std::string& format;
  bool grid;
};

// How one axis places its ticks: pixel(v) is a value's pixel along the
// axis, label(p, tw) where a label tw wide starts for a tick at the whole
// pixel p, gridLine(p) that tick's grid line.
template <class Pixel, class Label, class GridLine>
struct TickPlacement {
  Pixel pixel;
  Label label;
  GridLine gridLine;
};

// A tick whose pixel is not a number (no intervals, an empty range) is left
// out with its grid line.
template <class Pixel, class Label, class GridLine>
void DrawTicks(fw::Graphics& g, Color ink, const TickRun& run,
               const TickPlacement<Pixel, Label, GridLine>& place) {
  if (!TicksDrawn(run.intervals)) return;
  for (Integer i = 0; i <= run.intervals; ++i) {
    const double v = D(i) * run.step * run.scale + run.minimum;
    const double pixel = place.pixel(v);
    if (!IsDrawable(pixel)) continue;
    const std::string s = fw::Format(v, run.format);
    const auto tw = D(fw::Truncate(g.StringWidth(s)));
    const auto p = D(fw::Truncate(pixel));
    const Spot at = place.label(p, tw);
    g.SetDrawingColor(ink);
    g.DrawString(s, at.x, at.y, 0, false);
    if (run.grid) {
      const Segment line = place.gridLine(p);
      g.SetDrawingColor(kGridColor);
      g.DrawLine(line.x1, line.y1, line.x2, line.y2);
    }
  }
}

}  // namespace

// The y ticks are drawn after the left margin has grown for their labels and
// before the plot width is worked out again from it; the x ticks after.
void TovLineGraph::DrawGrid() {
  fw::Graphics& g = Surface();
  g.SetFontSize(10);
  const double ystep = D(graphHeight) / D(yMarks);
  leftSpace = fw::Truncate(g.StringWidth(fw::Format(yMax, yNumberFormat)) + D(leftSpace) + 10);
  // Labels end 14 pixels left of the y axis; grid lines run from one pixel
  // right of it to the plot area's right edge.
  DrawTicks(g, foreColor, {yMarks, ystep, yScale, yMin, yNumberFormat, xGrid},
            TickPlacement{
                [&](double v) { return D(topSpace) + (yMax - v) / yScale; },
                [&](double p, double tw) { return Spot{D(leftSpace) - 14 - tw, p + 4}; },
                [&](double p) { return Segment{D(leftSpace) + 1, p, D(w) - D(rightSpace), p}; }});
  graphWidth = Difference(w, leftSpace, rightSpace);
  xScale = (xMax - xMin) / D(graphWidth);
  // Labels centred under their ticks, 22 pixels below the x axis; grid lines
  // from the plot area's top to one pixel above the x axis.
  DrawTicks(g, foreColor, {xMarks, D(graphWidth) / D(xMarks), xScale, xMin, xNumberFormat, yGrid},
            TickPlacement{
                [&](double v) { return D(leftSpace) + (v - xMin) / xScale; },
                [&](double p, double tw) { return Spot{p - tw / 2, D(h) - D(bottomSpace) + 22}; },
                [&](double p) { return Segment{p, D(topSpace), p, D(h) - D(bottomSpace) - 1}; }});

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
