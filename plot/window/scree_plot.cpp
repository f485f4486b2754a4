// The plot's data come from the results record as a completed calculation
// leaves it: rows 1..gN hold the ordinal (column 1) and the eigenvalue
// (column 2), row gCV the slope (column 4) and intercept (column 5) of the
// fitted step, and row 0 zeros, so that no factor gives the line y = 0.
//
// A calculation stopped by "No Eigenvalues." leaves the flag at "y" and the
// old number of factors, but a table of zeros for the new number of
// variables. A plot opened then reads every cell through ResultOrZero: a
// fitted step beyond the table's last row counts as a line of slope and
// intercept 0 (as with no factor), and the rows of zeros give every ordinal
// and eigenvalue as 0. The graph then draws over an empty range, which it
// does without a fault.
#include "plot/window/scree_plot.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "plot/linegraph/line_graph.h"

namespace {

// Index 0 holds 0 and is never read, so that index i is ordinal i.
struct ScreeSeries {
  std::vector<double> ordinals;
  std::vector<double> eigenvalues;

  double Ordinal(fw::Integer i) const { return ordinals.at(static_cast<std::size_t>(i)); }
  double Eigenvalue(fw::Integer i) const { return eigenvalues.at(static_cast<std::size_t>(i)); }
};

ScreeSeries ReadSeries(const Module1& results, fw::Integer count) {
  const auto size = static_cast<std::size_t>(count) + 1;
  ScreeSeries series{std::vector<double>(size, 0.0), std::vector<double>(size, 0.0)};
  for (fw::Integer i = 1; i <= count; ++i) {
    series.ordinals[static_cast<std::size_t>(i)] = ResultOrZero(results.gArray, i, 1);
    series.eigenvalues[static_cast<std::size_t>(i)] = ResultOrZero(results.gArray, i, 2);
  }
  return series;
}

// Ranges, ticks and the plain look: the x axis from the first to the last
// ordinal with one interval per ordinal step, the y axis from 0 to the
// first eigenvalue plus one, rounded, with one interval per unit.
void SetUpAxes(TovLineGraph& graph, const ScreeSeries& series, fw::Integer count) {
  const double firstOrdinal = count >= 1 ? series.Ordinal(1) : 0;
  const double lastOrdinal = count >= 1 ? series.Ordinal(count) : 0;
  const double firstEigenvalue = count >= 1 ? series.Eigenvalue(1) : 0;
  const double upperBound = fw::Round(1 + firstEigenvalue);
  graph.SetXRange(firstOrdinal, lastOrdinal);
  graph.SetYRange(0, upperBound);
  graph.SetXMarks(count);
  graph.SetYMarks(fw::Truncate(1 + upperBound));
  graph.SetGridLines(false, false);
  graph.SetNumberFormats("##", "##");
  graph.SetLegend(LegendMode::None);
}

void AddFittedLine(TovLineGraph& graph, Module1& results, const ScreeSeries& series,
                   fw::Integer count) {
  results.newlinecolor = 0;
  const fw::Integer line = graph.NewLine(fw::Format(0, "00"));
  const fw::Integer step = fw::Truncate(results.gCV);
  const double slope = ResultOrZero(results.gArray, step, 4);
  const double intercept = ResultOrZero(results.gArray, step, 5);
  for (fw::Integer j = 1; j <= count; ++j) {
    graph.NewPoint(line, series.Ordinal(j), slope * series.Ordinal(j) + intercept);
  }
}

// Made after the fitted line, so it is drawn over it.
void AddEigenvalueLine(TovLineGraph& graph, Module1& results, const ScreeSeries& series,
                       fw::Integer count) {
  results.newlinecolor = 1;
  const fw::Integer line = graph.NewLine(fw::Format(1, "00"));
  graph.SetPointRadius(1);
  for (fw::Integer k = 1; k <= count; ++k) {
    graph.NewPoint(line, series.Ordinal(k), series.Eigenvalue(k));
  }
}

}  // namespace

double ResultOrZero(const ResultsTable& table, fw::Integer row, fw::Integer column) {
  return table.Contains(row, column) ? table.at(row, column) : 0.0;
}

void BuildScreePlot(TovLineGraph& graph) {
  Module1& results = module1();
  // Only a completed calculation sets gN (3..99); below 1 there is nothing to plot.
  const fw::Integer count = std::max<fw::Integer>(results.gN, 0);
  const ScreeSeries series = ReadSeries(results, count);
  SetUpAxes(graph, series, count);
  AddFittedLine(graph, results, series, count);
  AddEigenvalueLine(graph, results, series, count);
}

std::shared_ptr<fw::Picture> DrawScreePlot(fw::Integer width, fw::Integer height) {
  TovLineGraph graph;
  BuildScreePlot(graph);
  return graph.DrawGraph(width, height);
}
