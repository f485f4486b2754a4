// The graph's data model and operations, and the drawing of its background,
// points and segments. The grid is in grid.cpp, the legend in legend.cpp.
#include "plot/linegraph/line_graph.h"

#include <utility>

#include "core/calc/module1.h"
#include "framework/base/exception_hook.h"
#include "framework/base/services.h"
#include "plot/linegraph/gradient.h"
#include "plot/linegraph/pixels.h"

TovLine::TovLine(TovLineGraph& graph, Color colour, std::string label)
    : myColor(colour), myGraph(&graph), myLabel(std::move(label)) {}

TovLine::TovLine(TovLineGraph& graph, std::string label)
    : myColor(LineColorFor(module1().newlinecolor)), myGraph(&graph), myLabel(std::move(label)) {}

void TovLine::PlotPoint(double x, double y) { values.emplace_back(x, y); }

// Points are placed from the exact minima, as the tick labels are: from
// minima truncated to whole numbers, a range starting at a negative fraction
// would put every point a fraction of a unit away from its tick, and the
// lowest ones below the x axis. A point whose plot coordinates are not
// numbers (a scale of zero, say) is not drawn, nor are the segments that
// would join it.
void TovLine::paint() {
  const double xs = myGraph->GetXScale(), ys = myGraph->GetYScale();
  const GraphRanges ranges = myGraph->Ranges();
  const double x0 = ranges.xMin, y0 = ranges.yMin;
  bool havePrevious = false;
  TovPoint previous(0, 0);
  for (const TovPoint& point : values) {
    const TovPoint plotted((point.x - x0) / xs, (point.y - y0) / ys);
    const bool drawable = IsDrawable(plotted.x) && IsDrawable(plotted.y);
    if (drawable) myGraph->PlotPoint(myColor, fw::Truncate(plotted.x), fw::Truncate(plotted.y));
    if (drawable && havePrevious) {
      myGraph->PlotLine(myColor, fw::Truncate(previous.x), fw::Truncate(previous.y),
                        fw::Truncate(plotted.x), fw::Truncate(plotted.y));
    }
    previous = plotted;
    havePrevious = drawable;
  }
}

Color LineColorFor(Integer newlinecolor) {
  switch (newlinecolor) {
    case 0: return fw::RGB(0, 0, 0);
    case 1: return fw::RGB(0, 0, 255);
    case 2: return fw::RGB(255, 0, 0);
    case 3: return fw::RGB(0, 128, 0);
    case 4: return fw::RGB(255, 0, 255);
    case 5: return fw::RGB(255, 128, 0);
    case 6: return fw::RGB(255, 255, 0);
    case 7: return fw::RGB(128, 0, 255);
    case 8: return fw::RGB(128, 64, 0);
    case 9: return fw::RGB(0, 255, 255);
    case -9: return fw::RGB(255, 255, 255);
    default: return fw::RGB(150, 150, 150);
  }
}

// A new graph starts with automatic tick counts on both axes: the counts
// are chosen from the plot width at the first DrawGraph.
TovLineGraph::TovLineGraph() {
  leftSpace = 20;
  bottomSpace = 30;
  topSpace = 20;
  rightSpace = 20;
  SetGridLines(true, true);
  SetLegend(LegendMode::Top);
  SetXMarks(0);
  SetYMarks(0);
  SetXRange(-1, -1);
  SetYRange(-1, -1);
  SetNumberFormats("#.00", "#.00");
  SetForeColor(fw::RGB(0, 0, 0));
  SetBackColor(fw::RGB(255, 255, 255));
  SetPointRadius(1);
}

void TovLineGraph::NewPoint(Integer line, double x, double y) {
  myLines[CheckedIndex(line)]->PlotPoint(x, y);
  if (xMax == -1.0) xMax = xMin = x;
  if (yMax == -1.0) yMax = yMin = y;
  if (x > xMax) {
    xMax = x;
  } else if (x < xMin) {
    xMin = x;
  }
  if (y > yMax) {
    yMax = y;
  } else if (y < yMin) {
    yMin = y;
  }
}

Integer TovLineGraph::NewLine(const std::string& label, Color colour) {
  myLines.push_back(std::make_unique<TovLine>(*this, colour, label));
  return static_cast<Integer>(myLines.size()) - 1;
}

Integer TovLineGraph::NewLine(const std::string& label) {
  myLines.push_back(std::make_unique<TovLine>(*this, label));
  return static_cast<Integer>(myLines.size()) - 1;
}

void TovLineGraph::SetXMarks(Integer marks) { xMarks = Subtract(marks, 1); }

void TovLineGraph::SetYMarks(Integer marks) { yMarks = Subtract(marks, 1); }

void TovLineGraph::SetGridLines(bool horizontal, bool vertical) {
  xGrid = horizontal;
  yGrid = vertical;
}

void TovLineGraph::SetXRange(double minimum, double maximum) {
  xMin = minimum;
  xMax = maximum;
}

void TovLineGraph::SetYRange(double minimum, double maximum) {
  yMin = minimum;
  yMax = maximum;
}

void TovLineGraph::SetBackColor(Color colour) {
  backGradient = false;
  backColor = colour;
}

void TovLineGraph::SetBackGradient(Color top, Color bottom, GradientDirection direction) {
  backGradient = true;
  gradientTop = top;
  gradientBottom = bottom;
  gradientDirection = direction;
}

void TovLineGraph::SetAxisLabels(const std::string& x, const std::string& y) {
  xLabel = x;
  yLabel = y;
}

void TovLineGraph::SetNumberFormats(const std::string& x, const std::string& y) {
  xNumberFormat = x;
  yNumberFormat = y;
}

void TovLineGraph::ShowVersion() { fw::services().MsgBox("VedeVovar 1.0"); }

GraphGeometry TovLineGraph::Geometry() const {
  return {w,          h,           leftSpace, rightSpace, topSpace, bottomSpace,
          graphWidth, graphHeight, xScale,    yScale,     xMarks,   yMarks};
}

GraphSettings TovLineGraph::Settings() const {
  return {xGrid,     yGrid,     pointRadius, labelAxes,    labelXVals,  labelYVals,
          backColor, foreColor, legend,      backGradient, gradientTop, gradientBottom,
          gradientDirection, xLabel, yLabel, xNumberFormat, yNumberFormat};
}

const TovLine& TovLineGraph::Line(Integer index) const { return *myLines[CheckedIndex(index)]; }

std::size_t TovLineGraph::CheckedIndex(Integer line) const {
  if (line < 0 || line >= LineCount()) throw fw::OutOfBoundsException("no line " + fw::Str(line));
  return static_cast<std::size_t>(line);
}

fw::Graphics& TovLineGraph::Surface() {
  if (!graph) throw fw::NilObjectException("the graph has no picture before DrawGraph");
  return graph->Graphics();
}

std::shared_ptr<fw::Picture> TovLineGraph::DrawGraph(Integer width, Integer height) {
  w = width;
  h = height;
  graph = std::make_shared<fw::Picture>(static_cast<double>(w), static_cast<double>(h), 32);
  DrawBackground();
  if (labelAxes) {
    leftSpace = Add(leftSpace, 20);
    bottomSpace = Add(bottomSpace, 20);
  }
  DrawLegend();
  graphWidth = Difference(w, leftSpace, rightSpace);
  graphHeight = Difference(h, topSpace, bottomSpace);
  if (xMarks == -1) SetXMarks(fw::Truncate(static_cast<double>(graphWidth) / 30));
  if (yMarks == -1) SetYMarks(fw::Truncate(static_cast<double>(graphWidth) / 20));
  xScale = (xMax - xMin) / static_cast<double>(graphWidth);
  yScale = (yMax - yMin) / static_cast<double>(graphHeight);
  DrawGrid();
  for (const auto& line : myLines) line->paint();
  return graph;
}

void TovLineGraph::DrawBackground() {
  fw::Graphics& g = Surface();
  if (!backGradient) {
    g.SetDrawingColor(backColor);
    g.FillRect(0, 0, static_cast<double>(w), static_cast<double>(h));
    return;
  }
  const Gradient gradient{gradientTop, gradientBottom, gradientDirection, w, h};
  // Only the passes whose line can fall on the picture are drawn; the colour
  // of a line depends on its pass alone.
  const PassRange passes = gradient.VisiblePasses(graph->Width(), graph->Height());
  for (Integer i = passes.first; i <= passes.last; ++i) {
    g.SetDrawingColor(gradient.ColorOfLine(i));
    const GradientLine line = gradient.Line(i);
    g.DrawLine(line.x1, line.y1, line.x2, line.y2);
  }
}

// A radius of 0 draws nothing, so it needs no picture either.
void TovLineGraph::PlotPoint(Color c, Integer x, Integer y) {
  if (pointRadius == 0) return;
  fw::Graphics& g = Surface();
  const auto r = static_cast<double>(pointRadius);
  const double px = static_cast<double>(leftSpace) + static_cast<double>(x);
  const double py = static_cast<double>(topSpace) + static_cast<double>(graphHeight) -
                    static_cast<double>(y);
  g.SetDrawingColor(c);
  g.FillOval(px - r, py - r, 2 * r + 1, 2 * r + 1);
  std::string s;
  if (labelXVals) s = fw::Format(fw::Round(static_cast<double>(x) * xScale + xMin), xNumberFormat);
  if (labelYVals) {
    if (labelXVals) s += ",";
    s += fw::Format(fw::Round(static_cast<double>(y) * yScale + yMin), yNumberFormat);
  }
  if (!labelXVals && !labelYVals) return;
  g.SetFontSize(9);
  const auto tw = static_cast<double>(fw::Truncate(g.StringWidth(s)));
  const double baseline = py + 4;
  if (px + r + 2 + tw < static_cast<double>(leftSpace) + static_cast<double>(graphWidth)) {
    g.DrawString(s, px + r + 2, baseline, 0, false);
  } else {
    g.DrawString(s, px - r - 2 - tw, baseline, 0, false);
  }
}

void TovLineGraph::PlotLine(Color c, Integer x1, Integer y1, Integer x2, Integer y2) {
  fw::Graphics& g = Surface();
  const auto left = static_cast<double>(leftSpace);
  const double bottom = static_cast<double>(topSpace) + static_cast<double>(graphHeight);
  g.SetDrawingColor(c);
  g.DrawLine(left + static_cast<double>(x1), bottom - static_cast<double>(y1),
             left + static_cast<double>(x2), bottom - static_cast<double>(y2));
}
