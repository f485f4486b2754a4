// The graph's data model: construction values, lines and their colours, the
// range-widening rule of NewPoint and the setters.
#include <gtest/gtest.h>

#include "core/calc/module1.h"
#include "framework/base/exception_hook.h"
#include "plot/linegraph/line_graph.h"
#include "tests/gui/linegraph/pixels.h"
#include "tests/support/scripted_services.h"

namespace {

TEST(TovLineGraph, ConstructionSetsEveryField) {
  const TovLineGraph graph;
  const GraphGeometry g = graph.Geometry();
  EXPECT_EQ(g.leftSpace, 20);
  EXPECT_EQ(g.bottomSpace, 30);
  EXPECT_EQ(g.topSpace, 20);
  EXPECT_EQ(g.rightSpace, 20);
  EXPECT_EQ(g.xMarks, -1);   // automatic counts at the first DrawGraph
  EXPECT_EQ(g.yMarks, -1);
  EXPECT_EQ(g.w, 0);
  EXPECT_EQ(g.h, 0);
  EXPECT_EQ(g.graphWidth, 0);
  EXPECT_EQ(g.graphHeight, 0);
  EXPECT_EQ(g.xScale, 0);
  EXPECT_EQ(g.yScale, 0);
  const GraphRanges r = graph.Ranges();
  EXPECT_EQ(r.xMin, -1);
  EXPECT_EQ(r.xMax, -1);
  EXPECT_EQ(r.yMin, -1);
  EXPECT_EQ(r.yMax, -1);
  const GraphSettings s = graph.Settings();
  EXPECT_TRUE(s.xGrid);
  EXPECT_TRUE(s.yGrid);
  EXPECT_EQ(s.legend, LegendMode::Top);
  EXPECT_EQ(s.xNumberFormat, "#.00");
  EXPECT_EQ(s.yNumberFormat, "#.00");
  EXPECT_EQ(s.foreColor, fw::RGB(0, 0, 0));
  EXPECT_EQ(s.backColor, fw::RGB(255, 255, 255));
  EXPECT_FALSE(s.backGradient);
  EXPECT_EQ(s.pointRadius, 1);
  EXPECT_EQ(s.gradientDirection, GradientDirection::None);
  EXPECT_FALSE(s.labelAxes || s.labelXVals || s.labelYVals);
  EXPECT_EQ(s.gradientTop, fw::RGB(0, 0, 0));
  EXPECT_EQ(s.gradientBottom, fw::RGB(0, 0, 0));
  EXPECT_EQ(s.xLabel + s.yLabel, "");
  EXPECT_EQ(graph.LineCount(), 0);
  EXPECT_EQ(graph.GetGraph(), nullptr);
}

TEST(TovLineGraph, LinesAreNumberedFromZeroAgainAfterReset) {
  TovLineGraph graph;
  EXPECT_EQ(graph.NewLine("a", fw::RGB(1, 2, 3)), 0);
  EXPECT_EQ(graph.NewLine("b"), 1);
  graph.NewPoint(1, 4, 5);
  graph.ResetGraph();
  EXPECT_EQ(graph.LineCount(), 0);
  EXPECT_EQ(graph.NewLine("c"), 0);
  EXPECT_EQ(graph.Line(0).GetLabel(), "c");
  // After the reset, points widen the old range rather than starting anew.
  graph.NewPoint(0, 7, 1);
  EXPECT_EQ(graph.Ranges().xMin, 4);
  EXPECT_EQ(graph.Ranges().xMax, 7);
  EXPECT_EQ(graph.Ranges().yMin, 1);
  EXPECT_EQ(graph.Ranges().yMax, 5);
}

TEST(TovLine, ColourTableByNewLineColor) {
  const struct {
    Integer index;
    fw::Color colour;
  } cases[] = {{0, fw::RGB(0, 0, 0)},       {1, fw::RGB(0, 0, 255)},    {2, fw::RGB(255, 0, 0)},
               {3, fw::RGB(0, 128, 0)},     {4, fw::RGB(255, 0, 255)},  {5, fw::RGB(255, 128, 0)},
               {6, fw::RGB(255, 255, 0)},   {7, fw::RGB(128, 0, 255)},  {8, fw::RGB(128, 64, 0)},
               {9, fw::RGB(0, 255, 255)},   {-9, fw::RGB(255, 255, 255)}, {10, fw::RGB(150, 150, 150)},
               {12, fw::RGB(150, 150, 150)}, {-1, fw::RGB(150, 150, 150)}};
  const Integer saved = module1().newlinecolor;
  for (const auto& c : cases) {
    module1().newlinecolor = c.index;
    TovLineGraph graph;
    graph.NewLine("first");
    graph.NewLine("second");
    EXPECT_EQ(graph.Line(0).GetColor(), c.colour) << c.index;
    EXPECT_EQ(graph.Line(1).GetColor(), c.colour) << c.index;
    EXPECT_EQ(module1().newlinecolor, c.index);   // read, never advanced
  }
  module1().newlinecolor = saved;
  TovLineGraph graph;
  graph.NewLine("given", fw::RGB(9, 8, 7));
  EXPECT_EQ(graph.Line(0).GetColor(), fw::RGB(9, 8, 7));
}

// Each case: an optional range set first, then the x values added in order,
// and the x range after each point. The y axis follows the same rule.
TEST(TovLineGraph, NewPointWidensTheRange) {
  struct Case {
    const char* name;
    bool setRange;
    double min, max;
    std::vector<double> xs;
    std::vector<std::pair<double, double>> after;
  };
  const Case cases[] = {
      {"first point sets both ends", false, 0, 0, {2}, {{2, 2}}},
      {"inside a set range", true, 1, 10, {5, 12, 0}, {{1, 10}, {1, 12}, {0, 12}}},
      {"a maximum of exactly -1 is unset", false, 0, 0, {-3, -1, 0}, {{-3, -3}, {-3, -1}, {0, 0}}},
      {"SetXRange(3, -1) leaves it unset", true, 3, -1, {7}, {{7, 7}}},
      {"a minimum of -1 is an ordinary bound", true, -1, 5, {2, -4}, {{-1, 5}, {-4, 5}}},
      {"reversed range: only the maximum moves", true, 10, 0, {5}, {{10, 5}}},
      {"strict comparisons", true, 1, 3, {3, 1}, {{1, 3}, {1, 3}}},
  };
  for (const Case& c : cases) {
    TovLineGraph graph;
    if (c.setRange) graph.SetXRange(c.min, c.max);
    graph.NewLine("x");
    for (size_t i = 0; i < c.xs.size(); ++i) {
      graph.NewPoint(0, c.xs[i], 0);
      EXPECT_EQ(graph.Ranges().xMin, c.after[i].first) << c.name << " #" << i;
      EXPECT_EQ(graph.Ranges().xMax, c.after[i].second) << c.name << " #" << i;
    }
  }
  TovLineGraph graph;
  graph.NewLine("y");
  graph.NewPoint(0, 2, 5);
  EXPECT_EQ(graph.Ranges().yMin, 5);
  EXPECT_EQ(graph.Ranges().yMax, 5);
  graph.NewPoint(0, 2, 9);
  graph.NewPoint(0, 2, 3);
  EXPECT_EQ(graph.Ranges().yMin, 3);
  EXPECT_EQ(graph.Ranges().yMax, 9);
}

TEST(TovLineGraph, NewPointWithABadIndexThrowsAndChangesNothing) {
  TovLineGraph graph;
  graph.NewLine("only");
  graph.NewPoint(0, 1, 1);
  for (Integer bad : {Integer{-1}, Integer{1}, Integer{1} << 40}) {
    EXPECT_THROW(graph.NewPoint(bad, 50, 50), fw::OutOfBoundsException) << bad;
  }
  EXPECT_THROW(graph.Line(1), fw::OutOfBoundsException);
  EXPECT_EQ(graph.Line(0).Values().size(), 1u);
  EXPECT_EQ(graph.Ranges().xMax, 1);
  EXPECT_EQ(graph.Ranges().yMax, 1);
  TovLineGraph empty;
  EXPECT_THROW(empty.NewPoint(0, 1, 1), fw::OutOfBoundsException);
  EXPECT_EQ(empty.Ranges().xMax, -1);
}

TEST(TovLineGraph, SettersStoreWhatTheyAreGiven) {
  TovLineGraph graph;
  graph.SetXMarks(11);
  graph.SetYMarks(1);
  EXPECT_EQ(graph.Geometry().xMarks, 10);
  EXPECT_EQ(graph.Geometry().yMarks, 0);
  graph.SetXMarks(0);
  EXPECT_EQ(graph.Geometry().xMarks, -1);
  graph.SetXRange(-0.5, 3);
  graph.SetYRange(2.99, 4);
  EXPECT_EQ(graph.GetXMin(), 0);
  EXPECT_EQ(graph.GetYMin(), 2);
  graph.SetXRange(-1.5, 0);
  EXPECT_EQ(graph.GetXMin(), -1);
  graph.SetPointRadius(-3);
  graph.SetLegend(static_cast<LegendMode>(17));
  graph.SetGridLines(false, true);
  graph.SetAxisLabels("x title", "y title");
  graph.SetNumberFormats("##", "0.0");
  graph.SetLabelAxes(true);
  graph.SetLabelXVals(true);
  graph.SetLabelYVals(true);
  graph.SetForeColor(fw::RGB(1, 2, 3));
  const GraphSettings f = graph.Settings();
  EXPECT_EQ(f.pointRadius, -3);
  EXPECT_EQ(f.legend, static_cast<LegendMode>(17));
  EXPECT_FALSE(f.xGrid);
  EXPECT_TRUE(f.yGrid);
  EXPECT_EQ(f.xLabel, "x title");
  EXPECT_EQ(f.yLabel, "y title");
  EXPECT_EQ(f.xNumberFormat, "##");
  EXPECT_EQ(f.yNumberFormat, "0.0");
  EXPECT_TRUE(f.labelAxes && f.labelXVals && f.labelYVals);
  EXPECT_EQ(f.foreColor, fw::RGB(1, 2, 3));
}

TEST(TovLineGraph, BackColorAndGradientReplaceEachOther) {
  TovLineGraph graph;
  graph.SetBackGradient(fw::RGB(1, 1, 1), fw::RGB(2, 2, 2), GradientDirection::Bottom);
  graph.SetBackColor(fw::RGB(9, 9, 9));
  EXPECT_FALSE(graph.Settings().backGradient);
  graph.SetBackGradient(fw::RGB(4, 4, 4), fw::RGB(5, 5, 5), static_cast<GradientDirection>(7));
  const GraphSettings f = graph.Settings();
  EXPECT_TRUE(f.backGradient);
  EXPECT_EQ(f.backColor, fw::RGB(9, 9, 9));
  EXPECT_EQ(f.gradientTop, fw::RGB(4, 4, 4));
  EXPECT_EQ(f.gradientBottom, fw::RGB(5, 5, 5));
  EXPECT_EQ(f.gradientDirection, static_cast<GradientDirection>(7));
}

TEST(TovLineGraph, DrawingBeforeThereIsAPictureRaisesNilObject) {
  TovLineGraph graph;
  EXPECT_THROW(graph.PlotPoint(fw::RGB(0, 0, 0), 1, 1), fw::NilObjectException);
  EXPECT_THROW(graph.PlotLine(fw::RGB(0, 0, 0), 1, 1, 2, 2), fw::NilObjectException);
  graph.SetPointRadius(0);   // a point of radius 0 draws nothing and needs no picture
  EXPECT_NO_THROW(graph.PlotPoint(fw::RGB(0, 0, 0), 1, 1));
  EXPECT_THROW(graph.PlotLine(fw::RGB(0, 0, 0), 1, 1, 2, 2), fw::NilObjectException);
}

TEST(TovLineGraph, ShowVersionShowsItsNameInAnOkBox) {
  fw::ScriptedServices script;
  TovLineGraph().ShowVersion();
  EXPECT_EQ(script.calls(), std::vector<std::string>{"MsgBox: VedeVovar 1.0"});
}

}  // namespace
