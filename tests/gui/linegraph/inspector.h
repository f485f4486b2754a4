// Reads a graph's private fields for the tests.
#pragma once

#include <string>

#include "plot/linegraph/line_graph.h"

struct GraphFields {
  double xMin, xMax, yMin, yMax;
  Integer w, h;
  size_t lines;
  bool xGrid, yGrid;
  Integer xMarks, yMarks;
  double xScale, yScale;
  Integer rightSpace, bottomSpace, graphWidth, graphHeight, pointRadius, leftSpace, topSpace;
  bool labelAxes;
  Color backColor, foreColor;
  bool labelXVals, labelYVals;
  Integer legend;
  bool backGradient;
  Color gradientTop, gradientBottom;
  std::string yLabel, xLabel, xNumberFormat, yNumberFormat;
  Integer gradientDirection;
};

struct TovLineGraphInspector {
  static GraphFields Read(const TovLineGraph& g) {
    return {g.xMin,       g.xMax,         g.yMin,         g.yMax,          g.w,
            g.h,          g.myLines.size(), g.xGrid,      g.yGrid,         g.xMarks,
            g.yMarks,     g.xScale,       g.yScale,       g.rightSpace,    g.bottomSpace,
            g.graphWidth, g.graphHeight,  g.pointRadius,  g.leftSpace,     g.topSpace,
            g.labelAxes,  g.backColor,    g.foreColor,    g.labelXVals,    g.labelYVals,
            g.legend,     g.backGradient, g.gradientTop,  g.gradientBottom, g.yLabel,
            g.xLabel,     g.xNumberFormat, g.yNumberFormat, g.gradientDirection};
  }
  static const TovLine& Line(const TovLineGraph& g, size_t i) { return *g.myLines.at(i); }
};

inline GraphFields Fields(const TovLineGraph& g) { return TovLineGraphInspector::Read(g); }
