// One whole calculation, report included, as Calculate runs it.
#include <benchmark/benchmark.h>

#include <string>

#include "core/calc/scree.h"
#include "framework/text/text.h"

namespace {

std::string ScreeText(int v) {
  std::string text;
  double value = 0.1;
  std::string lines[100];
  for (int i = v; i >= 1; --i) lines[i] = fw::Format(value += 0.37 / i + 0.01 * i, "#0.00");
  for (int i = 1; i <= v; ++i) text += lines[i] + "\r\n";
  return text;
}

void BM_CalculateScree(benchmark::State& state) {
  const int v = static_cast<int>(state.range(0));
  const std::string variables = std::to_string(v), eigenvalues = ScreeText(v);
  Module1 results;
  std::size_t reportSize = 0;
  for (auto _ : state) {
    const bool done = CalculateScree(
        variables, eigenvalues, [](const std::string&) {},
        [] { return ShortDateTime{"12/10/26", "09:41"}; },
        [&](const std::string& report) { reportSize = report.size(); }, results);
    benchmark::DoNotOptimize(done);
  }
  state.counters["report_bytes"] = static_cast<double>(reportSize);
}
BENCHMARK(BM_CalculateScree)->Arg(20)->Arg(99)->Unit(benchmark::kMicrosecond);

}  // namespace
