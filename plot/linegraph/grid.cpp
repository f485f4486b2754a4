// The scale of the graph: tick labels with their grid lines, the two axes,
// the frame around the plot area and the axis titles.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "plot/linegraph/line_graph.h"
#include "plot/linegraph/pixels.h"

namespace {

constexpr fw::Color kGridColor = fw::RGB(107, 255, 255);

// The ticks drawn of an axis with so many intervals along so many whole
// pixels: every tick while there are no more intervals than pixels. Past
// that, ticks closer than a pixel cannot be told apart, so each pixel gets
// one tick, the one lying nearest its top or left edge (the first one in it
// where positions grow with the index, the last where they fall), and both
// ends are always drawn. The indices are computed, not searched for, so the
// work grows with the pixels and not with the count.
std::vector<Integer> TickIndices(Integer intervals, Integer pixels, bool rising) {
  if (intervals < 0) return {};
  std::vector<Integer> indices;
  if (intervals <= pixels) {
    for (Integer i = 0; i <= intervals; ++i) indices.push_back(i);
    return indices;
  }
  if (pixels <= 0) return {0, intervals};
  const double perPixel = D(intervals) / D(pixels);
  for (Integer k = 0; k <= pixels; ++k) {
    const Integer nth = std::clamp<Integer>(fw::Truncate(std::ceil(D(k) * perPixel)), 0, intervals);
    indices.push_back(rising ? nth : intervals - nth);
  }
  indices.back() = rising ? intervals : 0;
  return indices;
}

// The pixels along an axis that ticks can be told apart on: the plot area's
// side, but no more than the picture has (none on an empty picture).
Integer AxisPixels(Integer side, Integer pictureSide) {
  return std::clamp<Integer>(side, 0, std::max<Integer>(pictureSide, 0));
}

struct Spot {
  double x, y;
};

struct Segment {
  double x1, y1, x2, y2;
};

// The ticks of one axis: of i = 0..intervals, those TickIndices picks, the value
// i * step * scale + minimum, labelled in the format.
struct TickRun {
  Integer intervals;
  Integer pixels;   // along the axis, as AxisPixels gives them
  bool rising;      // whether a tick's pixel grows with its index
  double step;      // pixels from one tick to the next
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
  for (const Integer i : TickIndices(run.intervals, run.pixels, run.rising)) {
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
  const Integer rows = AxisPixels(graphHeight, graph->Height());
  DrawTicks(g, foreColor, {yMarks, rows, false, ystep, yScale, yMin, yNumberFormat, xGrid},
            TickPlacement{
                [&](double v) { return D(topSpace) + (yMax - v) / yScale; },
                [&](double p, double tw) { return Spot{D(leftSpace) - 14 - tw, p + 4}; },
                [&](double p) { return Segment{D(leftSpace) + 1, p, D(w) - D(rightSpace), p}; }});
  graphWidth = Difference(w, leftSpace, rightSpace);
  xScale = (xMax - xMin) / D(graphWidth);
  // Labels centred under their ticks, 22 pixels below the x axis; grid lines
  // from the plot area's top to one pixel above the x axis.
  const Integer columns = AxisPixels(graphWidth, graph->Width());
  DrawTicks(g, foreColor,
            {xMarks, columns, true, D(graphWidth) / D(xMarks), xScale, xMin, xNumberFormat, yGrid},
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

// Drawn in the colour of the axes, which is still set. The y title's point
// lies a little left of the widest tick label; a text shape stands on its
// point, so the upright title lies wholly left of it, clear of the labels.
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
