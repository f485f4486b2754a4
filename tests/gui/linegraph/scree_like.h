// A graph as the scree plot builds it: eigenvalues of a decreasing series
// against their ordinals, with a fitted straight line, no legend and no grid.
#pragma once

#include <cmath>

#include "plot/linegraph/line_graph.h"

inline void BuildScreeLike(TovLineGraph& graph, int v) {
  const double top = std::floor(1 + 5.43);
  graph.SetXRange(1, v);
  graph.SetYRange(0, top);
  graph.SetXMarks(v);
  graph.SetYMarks(static_cast<Integer>(top) + 1);
  graph.SetGridLines(false, false);
  graph.SetNumberFormats("##", "##");
  graph.SetLegend(LegendMode::None);
  graph.SetPointRadius(2);
  const Integer fitted = graph.NewLine("00", fw::RGB(0, 0, 0));
  const Integer eigen = graph.NewLine("01", fw::RGB(0, 0, 255));
  for (int i = 1; i <= v; ++i) {
    graph.NewPoint(fitted, i, 0.779 - 0.034 * i * 20.0 / v);
    graph.NewPoint(eigen, i, 5.43 * std::exp(-0.18 * i * 20.0 / v) + 0.1);
  }
}
