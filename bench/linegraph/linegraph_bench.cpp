// DrawGraph of the scree plot at its window size: 600 x 420 with two lines
// of v points each, and with y axes of many intervals. Run with QT_QPA_PLATFORM=offscreen where there is no display.
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include "tests/gui/linegraph/scree_like.h"

namespace {

void DrawScreeGraph(benchmark::State& state) {
  const int v = static_cast<int>(state.range(0));
  for (auto _ : state) {
    TovLineGraph graph;   // the plot window builds a fresh graph for every plot
    BuildScreeLike(graph, v);
    benchmark::DoNotOptimize(graph.DrawGraph(600, 420));
  }
}
BENCHMARK(DrawScreeGraph)->Arg(20)->Arg(99)->Unit(benchmark::kMillisecond);

// A tall y axis: the scree plot of a first eigenvalue e has Round(1 + e)
// intervals, far more than the plot area's 370 rows.
void DrawScreeGraphOfALargeFirstEigenvalue(benchmark::State& state) {
  const double bound = fw::Round(1 + static_cast<double>(state.range(0)));
  for (auto _ : state) {
    TovLineGraph graph;
    BuildScreeLike(graph, 20);
    graph.SetYRange(0, bound);
    graph.SetYMarks(fw::Truncate(1 + bound));
    benchmark::DoNotOptimize(graph.DrawGraph(600, 420));
  }
}
BENCHMARK(DrawScreeGraphOfALargeFirstEigenvalue)
    ->Arg(1000)
    ->Arg(65535)
    ->Arg(1000000000)
    ->Unit(benchmark::kMillisecond);

void DrawScreeGraphWithGridAndLegend(benchmark::State& state) {
  for (auto _ : state) {
    TovLineGraph graph;
    BuildScreeLike(graph, 99);
    graph.SetGridLines(true, true);
    graph.SetLegend(LegendMode::Top);
    graph.SetLabelAxes(true);
    graph.SetAxisLabels("Factor", "Eigenvalue");
    benchmark::DoNotOptimize(graph.DrawGraph(600, 420));
  }
}
BENCHMARK(DrawScreeGraphWithGridAndLegend)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
