// A graph's picture drawn by hand, element by element, with the drawing
// surface's own calls at the coordinates the graph's drawing rules give,
// worked out here from those rules. The rendering tests compare what
// DrawGraph draws with it, pixel for pixel.
#pragma once

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include <QDir>
#include <QImage>

#include "plot/linegraph/line_graph.h"

namespace reference {

constexpr fw::Color kWhite = fw::RGB(255, 255, 255);
constexpr fw::Color kBlack = fw::RGB(0, 0, 0);
constexpr fw::Color kGridColour = fw::RGB(107, 255, 255);

struct LineSpec {
  std::string label;
  fw::Color colour;
  std::vector<TovPoint> points;
};

// One graph as a caller sets it up: every setter once, then the lines with
// their points, then DrawGraph(w, h).
struct GraphConfig {
  std::string name{};
  Integer w = 600, h = 420;
  GraphRanges range{-1, -1, -1, -1};   // given to SetXRange and SetYRange before the points
  Integer xMarks = 11, yMarks = 6;     // given to SetXMarks and SetYMarks
  bool xGrid = false, yGrid = false;
  std::string xFormat = "#.00", yFormat = "#.00";
  LegendMode legend = LegendMode::None;
  Integer radius = 1;
  bool labelAxes = false;
  std::string xTitle{}, yTitle{};
  bool labelXVals = false, labelYVals = false;
  fw::Color fore = kBlack, back = kWhite;
  std::vector<LineSpec> lines{};
};

inline QImage Render(TovLineGraph& graph, const GraphConfig& c) {
  graph.SetLegend(c.legend);
  graph.SetGridLines(c.xGrid, c.yGrid);
  graph.SetNumberFormats(c.xFormat, c.yFormat);
  graph.SetForeColor(c.fore);
  graph.SetBackColor(c.back);
  graph.SetPointRadius(c.radius);
  graph.SetLabelAxes(c.labelAxes);
  graph.SetAxisLabels(c.xTitle, c.yTitle);
  graph.SetLabelXVals(c.labelXVals);
  graph.SetLabelYVals(c.labelYVals);
  graph.SetXRange(c.range.xMin, c.range.xMax);
  graph.SetYRange(c.range.yMin, c.range.yMax);
  graph.SetXMarks(c.xMarks);
  graph.SetYMarks(c.yMarks);
  for (const LineSpec& line : c.lines) {
    const Integer index = graph.NewLine(line.label, line.colour);
    for (const TovPoint& p : line.points) graph.NewPoint(index, p.x, p.y);
  }
  return graph.DrawGraph(c.w, c.h)->Image();
}

inline QImage Render(const GraphConfig& c) {
  TovLineGraph graph;
  return Render(graph, c);
}

inline double D(Integer v) { return static_cast<double>(v); }
inline double Whole(double v) { return D(fw::Truncate(v)); }

// The graph's state as the drawing works it out, step by step.
struct State {
  GraphRanges r;
  Integer left = 20, right = 20, top = 20, bottom = 30;
  Integer graphWidth = 0, graphHeight = 0;
  double xScale = 0, yScale = 0;
  Integer xMarks = 0, yMarks = 0;
};

// The ranges after the points: a maximum of exactly -1 means unset, and the
// next point sets both ends; otherwise a point only widens its range.
inline GraphRanges RangesAfterPoints(const GraphConfig& c) {
  GraphRanges r = c.range;
  for (const LineSpec& line : c.lines) {
    for (const TovPoint& p : line.points) {
      if (r.xMax == -1.0) r.xMax = r.xMin = p.x;
      if (r.yMax == -1.0) r.yMax = r.yMin = p.y;
      if (p.x > r.xMax) r.xMax = p.x; else if (p.x < r.xMin) r.xMin = p.x;
      if (p.y > r.yMax) r.yMax = p.y; else if (p.y < r.yMin) r.yMin = p.y;
    }
  }
  return r;
}

// Swatch frame, label 5 pixels right of the swatch, fill inside the frame.
inline void LegendItem(fw::Graphics& g, const LineSpec& line, fw::Color fore, double ix, double iy) {
  g.SetDrawingColor(fore);
  g.DrawRect(ix, iy + 5, 15, 15);
  g.DrawString(line.label, ix + 20, iy + 17, 0, false);
  g.SetDrawingColor(line.colour);
  g.FillRect(ix + 1, iy + 6, 13, 13);
}

inline std::unique_ptr<fw::Picture> LegendRow(Integer width, double height) {
  auto row = std::make_unique<fw::Picture>(D(width), height, 32);
  row->Graphics().SetFontSize(10);
  return row;
}

// Rows of items centred on the picture's width, at the top margin or 10
// above the bottom edge; a single row shrinks to its items.
inline void RowsLegend(fw::Graphics& g, const GraphConfig& c, State& s) {
  const Integer rowLimit = c.w - s.left - s.right - 20;
  std::vector<std::unique_ptr<fw::Picture>> rows;
  rows.push_back(LegendRow(rowLimit, 21));
  Integer penX = 5;
  for (const LineSpec& line : c.lines) {
    const Integer labelWidth = fw::Truncate(rows.back()->Graphics().StringWidth(line.label));
    if (rowLimit < penX + 15 + labelWidth + 10) {
      penX = 5;
      rows.push_back(LegendRow(rowLimit, 25));
    }
    LegendItem(rows.back()->Graphics(), line, c.fore, D(penX), 0);
    penX += 15 + labelWidth + 10;
  }
  const Integer height = static_cast<Integer>(rows.size()) * 20 + 5;
  Integer width = rowLimit;
  if (rows.size() == 1) {
    width = penX;
    auto shrunk = std::make_unique<fw::Picture>(D(width), D(height), 32);
    shrunk->Graphics().DrawPicture(*rows[0], 0, 0);
    rows[0] = std::move(shrunk);
  }
  Integer top = s.top;
  if (c.legend == LegendMode::Top) {
    s.top += height + 10;
  } else {
    top = c.h - height - 10;
    s.bottom += height + 10;
  }
  const double left = D(c.w) / 2 - D(width) / 2;
  g.SetDrawingColor(kWhite);
  g.FillRect(left + 1, D(top) + 1, D(width) - 2, D(height) - 2);
  for (std::size_t j = 0; j < rows.size(); ++j) g.DrawPicture(*rows[j], left, D(top) + 20 * D(j));
  g.SetDrawingColor(c.fore);
  g.DrawRect(left, D(top), D(width), D(height));
}

// One item per line in a framed column, 10 pixels from the right or left
// edge, centred on the picture's height.
inline void ColumnLegend(fw::Graphics& g, const GraphConfig& c, State& s) {
  g.SetFontSize(10);
  Integer itemWidth = 0;
  for (const LineSpec& line : c.lines) {
    itemWidth = std::max(itemWidth, fw::Truncate(g.StringWidth(line.label)) + 30);
  }
  const Integer height = static_cast<Integer>(c.lines.size()) * 20 + 5;
  fw::Picture legend(D(itemWidth), D(height), 32);
  legend.Graphics().SetFontSize(10);
  for (std::size_t i = 0; i < c.lines.size(); ++i) {
    LegendItem(legend.Graphics(), c.lines[i], c.fore, 5, 20 * D(i));
  }
  legend.Graphics().SetDrawingColor(c.fore);
  legend.Graphics().DrawRect(0, 0, D(itemWidth), D(height));
  double left = 10;
  if (c.legend == LegendMode::Right) {
    left = D(c.w - itemWidth - 10);
    s.right += itemWidth + 10;
  } else {
    s.left += itemWidth + 20;
  }
  g.DrawPicture(legend, left, D(c.h) / 2 - D(height) / 2);
}

inline void Legend(fw::Graphics& g, const GraphConfig& c, State& s) {
  if (c.legend == LegendMode::None) return;
  if (c.legend == LegendMode::Top || c.legend == LegendMode::Bottom) {
    RowsLegend(g, c, s);
  } else {
    ColumnLegend(g, c, s);
  }
}

// The ticks drawn of an axis: all of them while there are no more intervals
// than pixels along it; past that, of the ticks whose position falls in a
// pixel, the one nearest the pixel's top or left edge, searched for among
// all of them. In the order of their positions. A tick whose position is not
// a number (no intervals, so an infinite step; an empty range, so a scale of
// 0) has no place on the axis: neither its label nor its grid line is drawn.
template <class Position>
std::vector<Integer> DrawnTicks(Integer intervals, Integer pixels, Position position) {
  std::vector<Integer> all;
  for (Integer i = 0; i <= intervals; ++i) {
    if (std::isfinite(position(i))) all.push_back(i);
  }
  if (intervals <= pixels) return all;
  std::vector<Integer> nearest;   // by pixel, from the first pixel of the axis
  std::stable_sort(all.begin(), all.end(),
                   [&](Integer a, Integer b) { return position(a) < position(b); });
  for (const Integer i : all) {
    if (nearest.empty() || Whole(position(nearest.back())) != Whole(position(i))) nearest.push_back(i);
  }
  return nearest;
}

// Widens the left margin for the labels, then draws each y tick: the label
// ending 14 left of the axis with its baseline 4 below the tick's row, and
// the grid line from just right of the axis to the plot's right edge.
inline void YTicks(fw::Graphics& g, const GraphConfig& c, State& s) {
  g.SetFontSize(10);
  const double ystep = D(s.graphHeight) / D(s.yMarks);
  s.left = fw::Truncate(g.StringWidth(fw::Format(s.r.yMax, c.yFormat)) + D(s.left) + 10);
  auto value = [&](Integer i) { return D(i) * ystep * s.yScale + s.r.yMin; };
  auto row = [&](Integer i) { return D(s.top) + (s.r.yMax - value(i)) / s.yScale; };
  for (const Integer i : DrawnTicks(s.yMarks, s.graphHeight, row)) {
    const double v = value(i);
    const std::string label = fw::Format(v, c.yFormat);
    const double tw = Whole(g.StringWidth(label));
    const double yp = Whole(row(i));
    g.SetDrawingColor(c.fore);
    g.DrawString(label, D(s.left) - 14 - tw, yp + 4, 0, false);
    if (c.xGrid) {
      g.SetDrawingColor(kGridColour);
      g.DrawLine(D(s.left) + 1, yp, D(c.w - s.right), yp);
    }
  }
  s.graphWidth = c.w - s.left - s.right;
  s.xScale = (s.r.xMax - s.r.xMin) / D(s.graphWidth);
}

// Each x tick: the label centred under it, 22 below the axis, and the grid
// line from the plot's top to one pixel above the axis.
inline void XTicks(fw::Graphics& g, const GraphConfig& c, const State& s) {
  const double xstep = D(s.graphWidth) / D(s.xMarks);
  auto value = [&](Integer i) { return D(i) * xstep * s.xScale + s.r.xMin; };
  auto column = [&](Integer i) { return D(s.left) + (value(i) - s.r.xMin) / s.xScale; };
  for (const Integer i : DrawnTicks(s.xMarks, s.graphWidth, column)) {
    const double v = value(i);
    const std::string label = fw::Format(v, c.xFormat);
    const double tw = Whole(g.StringWidth(label));
    const double xp = Whole(column(i));
    g.SetDrawingColor(c.fore);
    g.DrawString(label, xp - tw / 2, D(c.h - s.bottom) + 22, 0, false);
    if (c.yGrid) {
      g.SetDrawingColor(kGridColour);
      g.DrawLine(xp, D(s.top), xp, D(c.h - s.bottom) - 1);
    }
  }
}

inline void AxesAndFrame(fw::Graphics& g, const GraphConfig& c, const State& s) {
  const double left = D(s.left), top = D(s.top);
  const double right = D(c.w - s.right), bottom = D(c.h - s.bottom);
  g.SetDrawingColor(c.fore);
  g.DrawLine(left, bottom, right, bottom);
  g.DrawLine(left, top, left, bottom);
  g.SetPenSize(2);
  g.SetPenHeight(2);
  g.DrawRect(left - 1, top - 1, D(s.graphWidth) + 2, D(s.graphHeight) + 2);
  g.SetPenSize(1);
  g.SetPenHeight(1);
}

// The y title upright at the middle height, left of the room made for the
// formatted maximum at size 12; the x title centred 40 below the axis.
inline void AxisTitles(fw::Graphics& g, const GraphConfig& c, const State& s) {
  if (!c.labelAxes) return;
  g.SetDrawingColor(c.fore);
  g.SetFontSize(12);
  if (!c.yTitle.empty()) {
    g.DrawObject(fw::StringShape{c.yTitle, 12, -std::numbers::pi / 2},
                 D(s.left) - g.StringWidth(fw::Format(s.r.yMax, c.yFormat)) - 15,
                 D(s.top) + D(s.graphHeight) / 2);
  }
  if (!c.xTitle.empty()) {
    const double tw = Whole(g.StringWidth(c.xTitle));
    g.DrawString(c.xTitle, D(s.left) + D(s.graphWidth) / 2 - tw / 2, D(c.h - s.bottom) + 40, 0,
                 false);
  }
}

// A disc 2r + 1 across on the point's pixel and its value label, right of
// the disc or, where it would reach the plot's right edge, left of it.
inline void Point(fw::Graphics& g, const GraphConfig& c, const State& s, fw::Color colour,
                  Integer x, Integer y) {
  if (c.radius == 0) return;
  const double r = D(c.radius);
  const double px = D(s.left + x), py = D(s.top + s.graphHeight - y);
  g.SetDrawingColor(colour);
  g.FillOval(px - r, py - r, 2 * r + 1, 2 * r + 1);
  if (!c.labelXVals && !c.labelYVals) return;
  std::string label;
  if (c.labelXVals) label = fw::Format(fw::Round(D(x) * s.xScale + s.r.xMin), c.xFormat);
  if (c.labelXVals && c.labelYVals) label += ",";
  if (c.labelYVals) label += fw::Format(fw::Round(D(y) * s.yScale + s.r.yMin), c.yFormat);
  g.SetFontSize(9);
  const double tw = Whole(g.StringWidth(label));
  if (px + r + 2 + tw < D(s.left + s.graphWidth)) {
    g.DrawString(label, px + r + 2, py + 4, 0, false);
  } else {
    g.DrawString(label, px - r - 2 - tw, py + 4, 0, false);
  }
}

inline void Segment(fw::Graphics& g, const State& s, fw::Color colour, Integer x1, Integer y1,
                    Integer x2, Integer y2) {
  g.SetDrawingColor(colour);
  const double bottom = D(s.top + s.graphHeight);
  g.DrawLine(D(s.left + x1), bottom - D(y1), D(s.left + x2), bottom - D(y2));
}

// Each line's points in order, each segment over the discs at its ends.
// The points are placed from the exact minima, as the tick labels are. A
// point with a plot coordinate that is not a number (the scale of an empty
// range is 0, so 0 / 0) has no place: it is left out with both segments
// that would join it, and nothing is piled on an axis in its stead.
inline void Lines(fw::Graphics& g, const GraphConfig& c, const State& s) {
  for (const LineSpec& line : c.lines) {
    auto plotX = [&](std::size_t n) { return (line.points[n].x - s.r.xMin) / s.xScale; };
    auto plotY = [&](std::size_t n) { return (line.points[n].y - s.r.yMin) / s.yScale; };
    auto placed = [&](std::size_t n) { return std::isfinite(plotX(n)) && std::isfinite(plotY(n)); };
    for (std::size_t k = 0; k < line.points.size(); ++k) {
      if (!placed(k)) continue;
      const Integer x = fw::Truncate(plotX(k)), y = fw::Truncate(plotY(k));
      Point(g, c, s, line.colour, x, y);
      if (k > 0 && placed(k - 1)) {
        Segment(g, s, line.colour, fw::Truncate(plotX(k - 1)), fw::Truncate(plotY(k - 1)), x, y);
      }
    }
  }
}

inline QImage Expected(const GraphConfig& c) {
  fw::Picture picture(D(c.w), D(c.h), 32);
  fw::Graphics& g = picture.Graphics();
  State s;
  s.r = RangesAfterPoints(c);
  s.xMarks = c.xMarks - 1;
  s.yMarks = c.yMarks - 1;
  g.SetDrawingColor(c.back);
  g.FillRect(0, 0, D(c.w), D(c.h));
  if (c.labelAxes) {
    s.left += 20;
    s.bottom += 20;
  }
  Legend(g, c, s);
  s.graphWidth = c.w - s.left - s.right;
  s.graphHeight = c.h - s.top - s.bottom;
  s.yScale = (s.r.yMax - s.r.yMin) / D(s.graphHeight);
  YTicks(g, c, s);
  XTicks(g, c, s);
  AxesAndFrame(g, c, s);
  AxisTitles(g, c, s);
  Lines(g, c, s);
  return picture.Image();
}

// "" where the two pictures agree to the pixel; else how many pixels differ
// and the first of them, with both pictures saved where they can be looked at.
inline std::string Mismatch(const QImage& actual, const QImage& expected, const std::string& name) {
  if (actual.size() != expected.size()) return "the pictures differ in size";
  int differing = 0, firstX = -1, firstY = -1;
  for (int y = 0; y < actual.height(); ++y) {
    for (int x = 0; x < actual.width(); ++x) {
      if (actual.pixel(x, y) == expected.pixel(x, y)) continue;
      if (differing++ == 0) firstX = x, firstY = y;
    }
  }
  if (differing == 0) return "";
  const QString folder = QDir::temp().filePath("linegraph-reference");
  QDir().mkpath(folder);
  actual.save(folder + "/" + QString::fromStdString(name) + "-actual.png");
  expected.save(folder + "/" + QString::fromStdString(name) + "-expected.png");
  return std::to_string(differing) + " pixels differ, the first at (" + std::to_string(firstX) +
         ", " + std::to_string(firstY) + "); pictures in " + folder.toStdString();
}

}  // namespace reference
