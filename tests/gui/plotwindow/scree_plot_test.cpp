// The scree plot as built from the results record: its axes and lines for
// the worked example and the other first eigenvalues, no factor, the plot
// opened after a calculation stopped early, and where the lines fall in the
// drawn picture.
#include <gmock/gmock.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "plot/linegraph/line_graph.h"
#include "plot/window/scree_plot.h"
#include "plot_fixture.h"
#include "tests/gui/linegraph/pixels.h"
#include "tests/gui/linegraph/reference_picture.h"

namespace {

class ScreePlotTest : public WindowsTest {
 protected:
  const TovLine& Line(Integer i) const { return graph_.Line(i); }

  // The picture pixel of a data point, as the graph places its points.
  QPoint PixelOf(double x, double y) const {
    const GraphGeometry f = graph_.Geometry();
    const GraphRanges r = graph_.Ranges();
    const auto px = fw::Truncate((x - r.xMin) / f.xScale);
    const auto py = fw::Truncate((y - r.yMin) / f.yScale);
    return {static_cast<int>(f.leftSpace + px), static_cast<int>(f.topSpace + f.graphHeight - py)};
  }

  TovLineGraph graph_;
};

TEST_F(ScreePlotTest, WorkedExampleSetsTheAxesAndBothLines) {
  ASSERT_TRUE(Calculate("20", kWorkedExample));
  ASSERT_EQ(module1().gCV, 7);
  BuildScreePlot(graph_);

  const GraphRanges r = graph_.Ranges();
  EXPECT_EQ(r.xMin, 1);
  EXPECT_EQ(r.xMax, 20);
  EXPECT_EQ(r.yMin, 0);
  EXPECT_EQ(r.yMax, 6);
  EXPECT_EQ(graph_.Geometry().xMarks, 19);
  EXPECT_EQ(graph_.Geometry().yMarks, 6);
  const GraphSettings s = graph_.Settings();
  EXPECT_FALSE(s.xGrid);
  EXPECT_FALSE(s.yGrid);
  EXPECT_EQ(s.xNumberFormat, "##");
  EXPECT_EQ(s.yNumberFormat, "##");
  EXPECT_EQ(s.legend, LegendMode::None);
  EXPECT_EQ(s.pointRadius, 1);
  ASSERT_EQ(graph_.LineCount(), 2);

  const TovLine& fitted = Line(0);
  EXPECT_EQ(fitted.GetLabel(), "00");
  EXPECT_EQ(fitted.GetColor(), fw::RGB(0, 0, 0));
  ASSERT_EQ(fitted.Values().size(), 20u);
  EXPECT_NEAR(fitted.Values().front().y, 0.745, 0.002);
  EXPECT_NEAR(fitted.Values().back().y, 0.104, 0.002);
  const double slope = module1().gArray.at(7, 4), intercept = module1().gArray.at(7, 5);
  for (int j = 1; j <= 20; ++j) {
    EXPECT_EQ(fitted.Values()[j - 1].x, j);
    EXPECT_DOUBLE_EQ(fitted.Values()[j - 1].y, slope * j + intercept);
  }

  const TovLine& eigenvalues = Line(1);
  EXPECT_EQ(eigenvalues.GetLabel(), "01");
  EXPECT_EQ(eigenvalues.GetColor(), fw::RGB(0, 0, 255));
  ASSERT_EQ(eigenvalues.Values().size(), 20u);
  EXPECT_EQ(eigenvalues.Values().front().y, 5.43);
  EXPECT_EQ(eigenvalues.Values().back().y, 0.15);
  EXPECT_EQ(eigenvalues.Values().back().x, 20);

  EXPECT_EQ(module1().newlinecolor, 1);
  EXPECT_EQ(module1().dirty, "y");
}

TEST_F(ScreePlotTest, NoFactorDrawsTheFittedLineOnZero) {
  // Eigenvalues on a straight line: every standard error is 0, so no factor.
  ASSERT_TRUE(Calculate("5", Lines({"5", "4", "3", "2", "1"})));
  ASSERT_EQ(module1().gCV, 0);
  BuildScreePlot(graph_);

  const auto& fitted = Line(0).Values();
  ASSERT_EQ(fitted.size(), 5u);
  for (size_t j = 0; j < fitted.size(); ++j) {
    EXPECT_EQ(fitted[j].x, static_cast<double>(j + 1));
    EXPECT_EQ(fitted[j].y, 0);
  }
  EXPECT_EQ(graph_.Ranges().yMin, 0);
  EXPECT_EQ(graph_.Ranges().yMax, 6);
}

// The upper y bound is the first eigenvalue plus one, rounded, with one
// interval per unit and no cap; a later eigenvalue above it (or the fitted
// line) widens the range but not the count of intervals.
TEST_F(ScreePlotTest, UpperBoundAndIntervalsFollowTheFirstEigenvalue) {
  struct Case {
    std::string first, second;
    double yMax;
    Integer yMarks;
  };
  for (const Case& c : {Case{"2.4", "1.0", 3, 3}, Case{"2.6", "1.0", 4, 4},
                        Case{"1000", "1.0", 1001, 1001}}) {
    SCOPED_TRACE(c.first + ", " + c.second);
    module1() = Module1{};
    ASSERT_TRUE(Calculate("4", Lines({c.first, c.second, ".5", ".2"})));
    TovLineGraph graph;
    BuildScreePlot(graph);
    EXPECT_EQ(graph.Ranges().yMax, c.yMax);
    EXPECT_EQ(graph.Geometry().yMarks, c.yMarks);
    EXPECT_EQ(graph.Geometry().xMarks, 3);
  }
  module1() = Module1{};
  ASSERT_TRUE(Calculate("4", Lines({"2.4", "5", ".5", ".2"})));
  TovLineGraph graph;
  BuildScreePlot(graph);
  EXPECT_GE(graph.Ranges().yMax, 5);
  EXPECT_EQ(graph.Geometry().yMarks, 3);
}

TEST_F(ScreePlotTest, ThousandIntervalsDrawWithoutFault) {
  ASSERT_TRUE(Calculate("4", Lines({"1000", "1.0", ".5", ".2"})));
  const auto picture = DrawScreePlot(600, 420);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->Width(), 600);
  EXPECT_EQ(picture->Height(), 420);
}

// A first eigenvalue below -0.5 gives an upper bound of 0 or less, so the y
// range is empty or reversed and the tick count 0, -1 (chosen by the graph)
// or negative. The plot passes that on unguarded and still draws.
TEST_F(ScreePlotTest, UpperBoundsOfZeroAndBelowStillDraw) {
  struct Case {
    std::string first;
    Integer yMarks;
  };
  for (const Case& c : {Case{"-0.6", 0}, Case{"-1.6", -1}, Case{"-3", -2}}) {
    SCOPED_TRACE(c.first);
    module1() = Module1{};
    ASSERT_TRUE(Calculate("4", Lines({c.first, "-4", "-5", "-7"})));
    TovLineGraph graph;
    BuildScreePlot(graph);
    EXPECT_EQ(graph.Geometry().yMarks, c.yMarks);
    const auto picture = DrawScreePlot(600, 420);
    EXPECT_EQ(picture->Width(), 600);
  }
}

// After a completed calculation of 20 variables with 7 factors, "No
// Eigenvalues." for 5 variables leaves the old count and a table of zeros
// with rows 0..5: the fitted step lies beyond the table and counts as 0.
// Every point is at x = 0, so the x range is empty: the picture has the y
// ticks 0 and 1, the axes and the frame, and no x tick nor any point, which
// have no place on an axis without a scale.
TEST_F(ScreePlotTest, PlotAfterACalculationStoppedEarlyReadsOnlyTheTable) {
  ASSERT_TRUE(Calculate("20", kWorkedExample));
  ASSERT_FALSE(Calculate("5", ""));
  ASSERT_EQ(module1().gN, 5);
  ASSERT_EQ(module1().gArray.RowBound(), 5);
  ASSERT_EQ(module1().gCV, 7);
  BuildScreePlot(graph_);

  for (Integer line = 0; line < 2; ++line) {
    ASSERT_EQ(Line(line).Values().size(), 5u);
    for (const TovPoint& point : Line(line).Values()) {
      EXPECT_EQ(point.x, 0);
      EXPECT_EQ(point.y, 0);
    }
  }
  const std::vector<TovPoint> zeros(5, TovPoint(0, 0));
  const reference::GraphConfig drawn{.name = "scree_after_a_stopped_calculation",
                                     .range = {0, 0, 0, 1}, .xMarks = 5, .yMarks = 2,
                                     .xFormat = "##", .yFormat = "##",
                                     .lines = {{"00", fw::RGB(0, 0, 0), zeros},
                                               {"01", fw::RGB(0, 0, 255), zeros}}};
  const std::string mismatch = reference::Mismatch(DrawScreePlot(600, 420)->Image(),
                                                   reference::Expected(drawn), drawn.name);
  EXPECT_EQ(mismatch, "");
}

TEST_F(ScreePlotTest, CellsOutsideTheTableReadAsZero) {
  ResultsTable table(5, 5);
  table.at(5, 5) = 2.5;
  EXPECT_EQ(ResultOrZero(table, 5, 5), 2.5);
  EXPECT_EQ(ResultOrZero(table, 6, 4), 0);
  EXPECT_EQ(ResultOrZero(table, -1, 4), 0);
  EXPECT_EQ(ResultOrZero(table, 1, 6), 0);
  EXPECT_EQ(ResultOrZero(ResultsTable(-1, -1), 0, 0), 0);
}

// In the worked example the eigenvalues run far above the fitted line at the
// first ordinals: each line shows in its own colour where it is alone.
TEST_F(ScreePlotTest, WorkedExampleLinesFallWhereTheirPointsAre) {
  ASSERT_TRUE(Calculate("20", kWorkedExample));
  BuildScreePlot(graph_);
  const QImage image = graph_.DrawGraph(600, 420)->Image();
  const auto& fitted = Line(0).Values();
  const auto& eigenvalues = Line(1).Values();
  for (size_t i = 1; i < 5; ++i) {
    SCOPED_TRACE(i + 1);
    const QPoint e = PixelOf(eigenvalues[i].x, eigenvalues[i].y);
    EXPECT_TRUE(IsColor(image, e.x(), e.y(), kBlue));
    const QPoint f = PixelOf(fitted[i].x, fitted[i].y);
    EXPECT_TRUE(IsColor(image, f.x(), f.y(), kBlack));
  }
  const QPoint last = PixelOf(eigenvalues.back().x, eigenvalues.back().y);
  EXPECT_TRUE(IsColor(image, last.x(), last.y(), kBlue));
}

// Where the two lines coincide, only blue shows inside the plot area: the
// eigenvalue line is drawn over the fitted one.
TEST_F(ScreePlotTest, EigenvalueLineLiesOverTheFittedLine) {
  Module1& results = module1();
  results.gN = 5;
  results.gArray.Redim(5, 5);
  for (int i = 1; i <= 5; ++i) {
    results.gArray.at(i, 1) = i;
    results.gArray.at(i, 2) = 6 - i;
  }
  results.gCV = 1;
  results.gArray.at(1, 4) = -1;
  results.gArray.at(1, 5) = 6;
  BuildScreePlot(graph_);
  const QImage image = graph_.DrawGraph(600, 420)->Image();

  const GraphGeometry f = graph_.Geometry();
  int blue = 0, black = 0;
  for (Integer y = f.topSpace + 2; y < f.topSpace + f.graphHeight - 2; ++y) {
    for (Integer x = f.leftSpace + 2; x < f.leftSpace + f.graphWidth - 2; ++x) {
      blue += IsColor(image, static_cast<int>(x), static_cast<int>(y), kBlue);
      black += IsColor(image, static_cast<int>(x), static_cast<int>(y), kBlack);
    }
  }
  EXPECT_GT(blue, 300);
  EXPECT_EQ(black, 0);
}

}  // namespace

namespace {

// The y axis labels every whole number from 0 up, the 0 beside the x axis:
// ink left of the axis on the origin's row, as on the rows of 1 and 2.
TEST_F(ScreePlotTest, TheYAxisLabelsZeroToo) {
  ASSERT_TRUE(Calculate("20", kWorkedExample));
  BuildScreePlot(graph_);
  const QImage image = graph_.DrawGraph(600, 420)->Image();
  const GraphGeometry f = graph_.Geometry();
  const auto inkLeftOfAxis = [&](double value) {
    const int row = PixelOf(graph_.GetXMin(), value).y();
    int ink = 0;
    for (int y = row - 8; y <= row + 2; ++y)
      for (int x = 0; x < f.leftSpace - 4; ++x) ink += qGray(image.pixel(x, y)) < 128;
    return ink;
  };
  for (double value : {0.0, 1.0, 2.0}) EXPECT_GT(inkLeftOfAxis(value), 5) << value;
}

}  // namespace

namespace {

// Five eigenvalues whose fitted line of one factor runs below 0 (to about
// -0.28), so that the y range starts at a negative fraction.
TEST_F(ScreePlotTest, AYRangeFromANegativeFractionKeepsThePointsOnTheirTicks) {
  ASSERT_TRUE(Calculate("5", Lines({"3.1", "0.9", "0.5", "0.3", "0.2"})));
  BuildScreePlot(graph_);
  TovLineGraph bare;   // the same axes without the lines
  BuildScreePlot(bare);
  bare.ResetGraph();
  const QImage image = graph_.DrawGraph(600, 420)->Image();
  const GraphRanges r = graph_.Ranges();
  ASSERT_LT(r.yMin, 0);
  ASSERT_GT(r.yMin, -1);
  const GraphGeometry f = graph_.Geometry();
  // Where the y tick labels put 3.1: ticks stand at top + (yMax - v) / yScale.
  const auto row = fw::Truncate(static_cast<double>(f.topSpace) + (r.yMax - 3.1) / f.yScale);
  EXPECT_TRUE(IsColor(image, static_cast<int>(f.leftSpace), static_cast<int>(row), kBlue));
  if (const char* path = std::getenv("QUARNEL_SCREE_PNG")) {
    EXPECT_TRUE(image.save(path));
  }

  // The lines change nothing outside the plot area but for the discs' radius.
  const QRect plotArea(QPoint(static_cast<int>(f.leftSpace) - 1, static_cast<int>(f.topSpace) - 1),
                       QPoint(static_cast<int>(f.leftSpace + f.graphWidth) + 1,
                              static_cast<int>(f.topSpace + f.graphHeight) + 1));
  const QRect changed = ChangedArea(image, bare.DrawGraph(600, 420)->Image());
  EXPECT_TRUE(plotArea.contains(changed)) << changed.left() << "," << changed.top() << " "
                                          << changed.right() << "," << changed.bottom();
}

}  // namespace
