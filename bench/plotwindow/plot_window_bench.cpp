// The scree plot from the results record (worked example, the most
// variables, a first eigenvalue of 1000 with 1001 y intervals), and the plot
// window opened and closed. Run with QT_QPA_PLATFORM=offscreen where there is
// no display.
#include <QApplication>

#include <benchmark/benchmark.h>

#include <string>

#include "core/calc/module1.h"
#include "core/calc/scree.h"
#include "framework/ui/window.h"
#include "plot/window/graph_wnd.h"
#include "plot/window/scree_plot.h"
#include "tests/support/scripted_services.h"
#include "tests/support/worked_example.h"

namespace {

// v eigenvalues falling from first, one per line.
std::string Falling(int v, double first) {
  std::string text;
  for (int i = 1; i <= v; ++i) {
    text += (i > 1 ? "\r\n" : "") + std::to_string(i == 1 ? first : 5.0 / i);
  }
  return text;
}

void Calculate(const std::string& variables, const std::string& eigenvalues) {
  module1() = Module1{};
  CalculateScree(
      variables, eigenvalues, [](const std::string&) {},
      [] { return ShortDateTime{"12/10/26", "9:30 AM"}; }, [](const std::string&) {}, module1());
}

void DrawPlot(benchmark::State& state, const std::string& variables, const std::string& values) {
  Calculate(variables, values);
  for (auto _ : state) benchmark::DoNotOptimize(DrawScreePlot(600, 420));
}

void DrawWorkedExample(benchmark::State& state) { DrawPlot(state, "20", kWorkedExample); }
void DrawNinetyNine(benchmark::State& state) { DrawPlot(state, "99", Falling(99, 6)); }
void DrawThousandIntervals(benchmark::State& state) { DrawPlot(state, "4", Falling(4, 1000)); }
BENCHMARK(DrawWorkedExample)->Unit(benchmark::kMillisecond);
BENCHMARK(DrawNinetyNine)->Unit(benchmark::kMillisecond);
BENCHMARK(DrawThousandIntervals)->Unit(benchmark::kMillisecond);

void OpenAndCloseWindow(benchmark::State& state) {
  fw::ScriptedServices script;
  Calculate("20", kWorkedExample);
  for (auto _ : state) {
    benchmark::DoNotOptimize(&GraphWnd::Instance());
    fw::CloseAllWindows();
    QApplication::processEvents();
  }
}
BENCHMARK(OpenAndCloseWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
