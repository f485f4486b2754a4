// The line-graph component: a graph of polylines in data units, drawn into
// an off-screen picture with a background, a legend, tick labels, grid, axes,
// frame, axis titles and the lines' points and segments.
//
//   TovLineGraph graph;
//   graph.SetXRange(1, 20);
//   fw::Integer line = graph.NewLine("01");
//   graph.NewPoint(line, 1, 5.43);
//   std::shared_ptr<fw::Picture> picture = graph.DrawGraph(600, 420);
//
// The margins grow on every DrawGraph (axis titles, legend, tick labels) and
// nothing restores them: a graph is built for one drawing.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/base/exception_hook.h"
#include "framework/graphics/color.h"
#include "framework/graphics/graphics.h"
#include "framework/text/text.h"
#include "plot/linegraph/codes.h"

using fw::Color;
using fw::Integer;

struct TovPoint {
  TovPoint(double x, double y) : x(x), y(y) {}
  double x;
  double y;
};

class TovLineGraph;

class TovLine {
 public:
  TovLine(TovLineGraph& graph, Color colour, std::string label);
  // The colour comes from the colour table, by module1().newlinecolor.
  TovLine(TovLineGraph& graph, std::string label);

  void PlotPoint(double x, double y);
  void paint();
  std::string GetLabel() const { return myLabel; }
  Color GetColor() const { return myColor; }
  const std::vector<TovPoint>& Values() const { return values; }

 private:
  std::vector<TovPoint> values;
  Color myColor;
  TovLineGraph* myGraph;   // the graph owns its lines, so it outlives them
  std::string myLabel;
};

// The colour of a line created without one, for a value of newlinecolor.
Color LineColorFor(Integer newlinecolor);

// The data ranges: the values at the plot area's edges.
struct GraphRanges {
  double xMin, xMax, yMin, yMax;
};

// The sizes that the last DrawGraph stored and worked out, the margins as
// it left them, and the tick interval counts.
struct GraphGeometry {
  Integer w, h;
  Integer leftSpace, rightSpace, topSpace, bottomSpace;
  Integer graphWidth, graphHeight;
  double xScale, yScale;
  Integer xMarks, yMarks;
};

// What the setters store about the graph's look.
struct GraphSettings {
  bool xGrid, yGrid;
  Integer pointRadius;
  bool labelAxes, labelXVals, labelYVals;
  Color backColor, foreColor;
  LegendMode legend;
  bool backGradient;
  Color gradientTop, gradientBottom;
  GradientDirection gradientDirection;
  std::string xLabel, yLabel, xNumberFormat, yNumberFormat;
};

class TovLineGraph {
 public:
  TovLineGraph();
  TovLineGraph(const TovLineGraph&) = delete;   // lines refer back to their graph
  TovLineGraph& operator=(const TovLineGraph&) = delete;

  // Adds (x, y) to the line and widens the data ranges; throws
  // fw::OutOfBoundsException for an index outside the lines, changing nothing.
  void NewPoint(Integer line, double x, double y);
  Integer NewLine(const std::string& label, Color colour);
  Integer NewLine(const std::string& label);
  std::shared_ptr<fw::Picture> DrawGraph(Integer width, Integer height);
  void SetGridLines(bool horizontal, bool vertical);
  // Store marks - 1 intervals (the lowest Integer stays the lowest).
  void SetXMarks(Integer marks);
  void SetYMarks(Integer marks);
  double GetXScale() const { return xScale; }
  double GetYScale() const { return yScale; }
  std::shared_ptr<fw::Picture> GetGraph() const { return graph; }
  // Draw on the current picture in plot coordinates; throw
  // fw::NilObjectException before the first DrawGraph, but for a point of
  // radius 0, which draws nothing.
  void PlotPoint(Color c, Integer x, Integer y);
  void PlotLine(Color c, Integer x1, Integer y1, Integer x2, Integer y2);
  Integer GetXMin() const { return fw::Truncate(xMin); }
  Integer GetYMin() const { return fw::Truncate(yMin); }
  void SetPointRadius(Integer radius) { pointRadius = radius; }
  void SetXRange(double minimum, double maximum);
  void SetYRange(double minimum, double maximum);
  void SetLabelAxes(bool on) { labelAxes = on; }
  void SetLabelXVals(bool on) { labelXVals = on; }
  void ResetGraph() { myLines.clear(); }
  void SetBackColor(Color colour);
  void SetForeColor(Color colour) { foreColor = colour; }
  void SetLabelYVals(bool on) { labelYVals = on; }
  void SetLegend(LegendMode mode) { legend = mode; }
  void SetBackGradient(Color top, Color bottom, GradientDirection direction);
  void SetAxisLabels(const std::string& x, const std::string& y);
  void SetNumberFormats(const std::string& x, const std::string& y);
  void ShowVersion();

  // Read-only views of the graph's state.
  GraphRanges Ranges() const { return {xMin, xMax, yMin, yMax}; }
  GraphGeometry Geometry() const;
  GraphSettings Settings() const;
  Integer LineCount() const { return static_cast<Integer>(myLines.size()); }
  // Throws fw::OutOfBoundsException for an index outside the lines.
  const TovLine& Line(Integer index) const;

 private:
  void DrawBackground();
  void DrawLegend();
  void DrawHorizontalLegend();
  void DrawVerticalLegend();
  void DrawGrid();
  void DrawAxisTitles();
  fw::Graphics& Surface();   // throws NilObjectException without a picture
  std::size_t CheckedIndex(Integer line) const;   // throws fw::OutOfBoundsException

  std::shared_ptr<fw::Picture> graph;
  double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
  Integer w = 0, h = 0;
  std::vector<std::unique_ptr<TovLine>> myLines;
  bool xGrid = false, yGrid = false;
  Integer xMarks = 0, yMarks = 0;
  double xScale = 0, yScale = 0;
  Integer rightSpace = 0, bottomSpace = 0;
  Integer graphWidth = 0, graphHeight = 0;
  Integer pointRadius = 0;
  Integer leftSpace = 0, topSpace = 0;
  bool labelAxes = false;
  Color backColor{}, foreColor{};
  bool labelXVals = false, labelYVals = false;
  LegendMode legend = LegendMode::None;
  bool backGradient = false;
  Color gradientTop{}, gradientBottom{};
  std::string yLabel, xLabel;
  std::string xNumberFormat, yNumberFormat;
  GradientDirection gradientDirection = GradientDirection::None;
};
