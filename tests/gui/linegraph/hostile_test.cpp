// DrawGraph driven with hostile settings and data: nothing may trap,
// overflow or hang (the sanitizer build runs this too).
#include <cmath>
#include <limits>
#include <random>

#include <gtest/gtest.h>

#include "plot/linegraph/line_graph.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr Integer kMax = std::numeric_limits<Integer>::max();
constexpr Integer kMin = std::numeric_limits<Integer>::min();

template <class T, size_t N>
T Pick(std::mt19937_64& random, const T (&values)[N]) {
  return values[std::uniform_int_distribution<size_t>(0, N - 1)(random)];
}

const double kNumbers[] = {0, 1, -1, 0.5, 5.43, -3, 1e-300, -1e-300, 1e300, -1e300, 1e18, -1e18,
                           kInf, -kInf, kNaN, 1e9, 20, 99};
const Integer kCounts[] = {-2, -1, 0, 1, 2, 7, 100, 1002, 1000000000, kMax, kMin, -5};
const Integer kSizes[] = {600, 420, 1, 0, -1, 19, 20, 59, 3000, 100000, kMax, kMin};
const LegendMode kModes[] = {LegendMode::None,   LegendMode::Top,  LegendMode::Right,
                             LegendMode::Bottom, LegendMode::Left, static_cast<LegendMode>(-1),
                             static_cast<LegendMode>(kMax)};
const char* const kPatterns[] = {"#.00", "##", "", "+0.0000", "#,##0.0"};
const char* const kLabels[] = {"", "01", "Eigenvalues of a long name for the legend", "\xC3\xA9t\xC3\xA9"};

void Configure(TovLineGraph& graph, std::mt19937_64& random) {
  graph.SetXRange(Pick(random, kNumbers), Pick(random, kNumbers));
  graph.SetYRange(Pick(random, kNumbers), Pick(random, kNumbers));
  graph.SetXMarks(Pick(random, kCounts));
  graph.SetYMarks(Pick(random, kCounts));
  graph.SetLegend(Pick(random, kModes));
  graph.SetPointRadius(Pick(random, kCounts) % 50);
  graph.SetGridLines(random() % 2, random() % 2);
  graph.SetLabelAxes(random() % 2);
  graph.SetLabelXVals(random() % 2);
  graph.SetLabelYVals(random() % 2);
  graph.SetAxisLabels(Pick(random, kLabels), Pick(random, kLabels));
  graph.SetNumberFormats(Pick(random, kPatterns), Pick(random, kPatterns));
  if (random() % 2) graph.SetBackGradient(fw::RGB(200, 10, 0), fw::RGB(100, 250, 0),
                                         static_cast<GradientDirection>(random() % 6));
  const int lines = static_cast<int>(random() % 4 == 0 ? 300 : random() % 4);
  for (int l = 0; l < lines; ++l) {
    const Integer line = graph.NewLine(Pick(random, kLabels));
    const int points = static_cast<int>(random() % 30);
    for (int p = 0; p < points; ++p) {
      graph.NewPoint(line, Pick(random, kNumbers), Pick(random, kNumbers));
    }
  }
}

TEST(DrawGraphHostile, RandomSettingsAndDataNeverFault) {
  std::mt19937_64 random(20261210);
  for (int round = 0; round < 150; ++round) {
    TovLineGraph graph;
    Configure(graph, random);
    const Integer w = Pick(random, kSizes), h = Pick(random, kSizes);
    for (int draw = 0; draw < 2; ++draw) {
      const auto picture = graph.DrawGraph(w, h);
      ASSERT_NE(picture, nullptr);
      graph.PlotPoint(fw::RGB(1, 2, 3), Pick(random, kCounts), Pick(random, kCounts));
      graph.PlotLine(fw::RGB(1, 2, 3), Pick(random, kCounts), Pick(random, kCounts),
                     Pick(random, kCounts), Pick(random, kCounts));
    }
  }
}

// The cases the rules leave without a scale or a step: each draws the rest
// of the graph; a count that made the work grow with it would hang here
// past the test's time limit.
TEST(DrawGraphHostile, UndefinedScalesAndStepsDrawTheRest) {
  const struct {
    const char* name;
    Integer marks;
    double min, max;
    Integer w, h;
  } cases[] = {
      {"zero intervals", 1, 0, 5, 600, 420},
      {"a billion intervals", 1000000001, 0, 5, 600, 420},
      {"empty range", 6, 3, 3, 600, 420},
      {"reversed range", 6, 5, 0, 600, 420},
      {"no plot area", 6, 0, 5, 40, 50},
      {"negative plot area", 6, 0, 5, 10, 10},
  };
  for (const auto& c : cases) {
    TovLineGraph graph;
    graph.SetLegend(LegendMode::None);
    graph.SetXMarks(c.marks);
    graph.SetYMarks(c.marks);
    graph.SetXRange(c.min, c.max);
    graph.SetYRange(c.min, c.max);
    graph.SetPointRadius(-2);
    graph.SetLabelXVals(true);
    const Integer line = graph.NewLine("l");
    graph.NewPoint(line, 3, 3);
    graph.NewPoint(line, 4, 1);
    const auto picture = graph.DrawGraph(c.w, c.h);
    EXPECT_EQ(picture->Width(), c.w) << c.name;
  }
}

}  // namespace
