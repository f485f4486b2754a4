// DrawGraph compared pixel for pixel with the same graph drawn by hand from
// the drawing rules (reference_picture.h), one configuration per row.
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/calc/scree.h"
#include "tests/gui/linegraph/reference_picture.h"
#include "tests/support/worked_example.h"

namespace {

using reference::GraphConfig;
using reference::LineSpec;

constexpr fw::Color kBlack = fw::RGB(0, 0, 0);
constexpr fw::Color kBlue = fw::RGB(0, 0, 255);
constexpr fw::Color kRed = fw::RGB(255, 0, 0);
constexpr fw::Color kGreen = fw::RGB(0, 128, 0);
constexpr fw::Color kMaroon = fw::RGB(150, 20, 60);

// The scree plot of a calculation, set up as the plot window sets it: the
// fitted line of the step given by the number of factors, then the
// eigenvalues, on axes from the first to the last ordinal and from 0 to the
// first eigenvalue plus one, rounded, one interval per ordinal and per unit.
GraphConfig ScreeOf(std::string name, Integer variables, const std::string& eigenvalues) {
  Module1 results;
  const bool done = CalculateScree(
      fw::Str(variables), eigenvalues, [](const std::string&) {}, [] { return ShortDateTime{}; },
      [](const std::string&) {}, results);
  EXPECT_TRUE(done) << name;
  const Integer row = fw::Truncate(results.gCV);
  LineSpec fitted{"00", kBlack, {}}, eigen{"01", kBlue, {}};
  for (Integer j = 1; j <= variables; ++j) {
    const double ordinal = results.gArray.at(j, 1);
    fitted.points.emplace_back(ordinal, results.gArray.at(row, 4) * ordinal + results.gArray.at(row, 5));
    eigen.points.emplace_back(ordinal, results.gArray.at(j, 2));
  }
  const double bound = fw::Round(1 + results.gArray.at(1, 2));
  return {.name = std::move(name),
          .range = {results.gArray.at(1, 1), results.gArray.at(variables, 1), 0, bound},
          .xMarks = variables, .yMarks = fw::Truncate(1 + bound), .xFormat = "##", .yFormat = "##",
          .lines = {fitted, eigen}};
}

// The worked example's twenty eigenvalues.
GraphConfig WorkedScree() { return ScreeOf("worked_scree", 20, kWorkedExample); }

// Three lines with labels of different widths, for the legend rows.
std::vector<LineSpec> ThreeLines() {
  return {{"first", kRed, {{1, 1}, {4, 3}, {9, 2}}},
          {"second line", kGreen, {{2, 4}, {6, 1}}},
          {"3", kBlue, {{5, 4.5}}}};
}

GraphConfig Plain(std::string name) {
  return {.name = std::move(name), .range = {0, 10, 0, 5}, .lines = ThreeLines()};
}

GraphConfig With(GraphConfig c, auto change) {
  change(c);
  return c;
}

double TextWidth(const std::string& text, float size) {
  fw::Picture measure(1, 1, 32);
  measure.Graphics().SetFontSize(size);
  return static_cast<double>(fw::Truncate(measure.Graphics().StringWidth(text)));
}

// Value labels over a plot one data unit per pixel wide: one point whose
// label ends exactly on the plot's right edge (so it goes to the disc's
// left), one a pixel further left (so it stays right of the disc).
GraphConfig LabelAtTheRightEdge() {
  GraphConfig c = Plain("label_at_right_edge");
  const auto left = fw::Truncate(TextWidth(fw::Format(5, c.yFormat), 10) + 20 + 10);
  const Integer plotWidth = c.w - left - 20;
  c.range = {0, static_cast<double>(plotWidth), 0, 5};
  c.xFormat = "##";
  c.labelXVals = true;
  Integer px = plotWidth;
  for (int i = 0; i < 3; ++i) px = plotWidth - 1 - 2 - fw::Truncate(TextWidth(fw::Str(px), 9));
  c.lines = {{"edge", kRed, {{static_cast<double>(px) + 0.5, 2.5}}},
             {"inside", kBlue, {{static_cast<double>(px) - 0.5, 1.5}}}};
  return c;
}

std::vector<GraphConfig> Table() {
  return {
      WorkedScree(),
      // The y ticks 0..5 over a plot 370 high: rows 390, 316, 242, 168, 94, 20.
      {.name = "worked_y_ticks", .range = {0, 10, 0, 5}},
      With(WorkedScree(), [](GraphConfig& c) {
        c.name = "worked_scree_titled";
        c.labelAxes = true;
        c.xTitle = "Factor";
        c.yTitle = "Eigenvalue";
      }),
      With(Plain("fore_colour_top_legend_titles"), [](GraphConfig& c) {
        c.fore = kMaroon;
        c.legend = LegendMode::Top;
        c.labelAxes = true;
        c.xTitle = "Factor";
        c.yTitle = "Eigenvalue";
      }),
      With(Plain("fore_colour_right_legend"), [](GraphConfig& c) {
        c.fore = kMaroon;
        c.legend = LegendMode::Right;
      }),
      With(Plain("patterns_differ"), [](GraphConfig& c) {
        c.xFormat = "0.0";
        c.yFormat = "+#.000";
      }),
      With(Plain("grid"), [](GraphConfig& c) { c.xGrid = c.yGrid = true; }),
      With(Plain("legend_top"), [](GraphConfig& c) { c.legend = LegendMode::Top; }),
      With(Plain("legend_bottom"), [](GraphConfig& c) { c.legend = LegendMode::Bottom; }),
      With(Plain("legend_right"), [](GraphConfig& c) { c.legend = LegendMode::Right; }),
      With(Plain("legend_left"), [](GraphConfig& c) { c.legend = LegendMode::Left; }),
      With(Plain("legend_other_value"), [](GraphConfig& c) { c.legend = static_cast<LegendMode>(7); }),
      With(Plain("legend_rows_wrap"), [](GraphConfig& c) {
        c.legend = LegendMode::Bottom;
        for (int i = 0; i < 12; ++i) c.lines.push_back({"Eigenvalues " + fw::Str(Integer{i}), kGreen, {}});
      }),
      With(Plain("legend_top_titles"), [](GraphConfig& c) {
        c.legend = LegendMode::Top;
        c.labelAxes = true;
        c.yTitle = "Eigenvalue";
      }),
      With(Plain("fractional_negative_minima_value_labels"), [](GraphConfig& c) {
        c.range = {-0.7, 9.3, -0.5, 4.5};
        c.labelXVals = c.labelYVals = true;
        c.radius = 2;
        c.lines.push_back({"low", kMaroon, {{-0.7, -0.5}, {0.3, 0.1}, {1.9, 0.6}, {3.3, 1.7}}});
      }),
      LabelAtTheRightEdge(),
      // Only a top of -1 marks the range unset: the first point sets both
      // ends, so the bottom is the lowest point's 3.5, not the 3 given.
      With(Plain("y_range_unset_at_the_top_only"), [](GraphConfig& c) {
        c.range = {0, 10, 3, -1};
        c.lines = {{"high", kRed, {{1, 4}, {5, 3.5}, {9, 4.5}}}};
      }),
      With(WorkedScree(), [](GraphConfig& c) {
        c.name = "y_ticks_denser_than_the_rows";
        c.range.yMax = 1001;   // a first eigenvalue of 1000
        c.yMarks = 1002;
        c.xGrid = true;
      }),
      With(WorkedScree(), [](GraphConfig& c) {
        c.name = "y_ticks_far_denser_than_the_rows";
        c.range.yMax = 70001;
        c.yMarks = 70002;
        c.xGrid = true;
      }),
      With(Plain("x_ticks_denser_than_the_columns"), [](GraphConfig& c) {
        c.xMarks = 2001;
        c.yGrid = true;
      }),
      With(Plain("x_ticks_denser_than_the_rows"), [](GraphConfig& c) {
        c.xMarks = 451;   // more intervals than the plot is high, fewer than it is wide
        c.yGrid = true;
      }),
      // Ranges and counts that leave an axis without a scale or a step: its
      // ticks, grid lines and the points it cannot place are not drawn, the
      // rest of the graph is.
      With(Plain("empty_x_range"), [](GraphConfig& c) {
        c.range = {-1, -1, 0, 5};   // the first point sets both ends, nothing widens them
        c.xGrid = c.yGrid = true;
        c.lines = {{"upright", kRed, {{4, 1}, {4, 3}, {4, 2.5}}}, {"one", kGreen, {{4, 4.5}}}};
      }),
      With(Plain("empty_y_range"), [](GraphConfig& c) {
        c.range = {0, 10, 2, 2};
        c.xGrid = c.yGrid = true;
        c.yFormat = "##";
        c.lines = {{"level", kRed, {{1, 2}, {5, 2}, {9, 2}}}};
      }),
      With(Plain("no_y_intervals"), [](GraphConfig& c) {
        c.yMarks = 1;
        c.xGrid = c.yGrid = true;
      }),
      With(Plain("no_x_intervals"), [](GraphConfig& c) {
        c.xMarks = 1;
        c.xGrid = c.yGrid = true;
      }),
      // A first eigenvalue of -1: an upper bound of 0, so one tick and no
      // interval, and no y tick is drawn; the eigenvalues below 0 widen the
      // range downwards.
      ScreeOf("scree_of_a_first_eigenvalue_of_minus_one", 4, "-1\r\n-4\r\n-5\r\n-7"),
      // A point given as no number has no place on either axis (it leaves the
      // given ranges as they are): its line breaks around it.
      With(Plain("points_that_are_not_numbers"), [](GraphConfig& c) {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        c.lines = {{"no x", kRed, {{1, 1}, {2, 4}, {nan, 2}, {6, 3}, {9, 2}}},
                   {"no y", kBlue, {{2, 0.5}, {5, nan}, {8, 4.5}}}};
      }),
  };
}

TEST(DrawGraphReference, EveryPixelAsTheDrawingRulesPlaceIt) {
  for (const GraphConfig& c : Table()) {
    const std::string mismatch = reference::Mismatch(reference::Render(c), reference::Expected(c), c.name);
    if (!mismatch.empty()) ADD_FAILURE() << c.name << ": " << mismatch;
  }
}

}  // namespace
