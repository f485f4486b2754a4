// The graph's data model: construction values, lines and their colours, the
// range-widening rule of NewPoint and the setters.
#include <gtest/gtest.h>

#include "core/calc/module1.h"
#include "framework/ui/exception_hook.h"
#include "framework/ui/scripted_services.h"
#include "tests/gui/linegraph/inspector.h"
#include "tests/gui/linegraph/pixels.h"

namespace {

TEST(TovLineGraph, ConstructionSetsEveryField) {
  const TovLineGraph graph;
  const GraphFields f = Fields(graph);
  EXPECT_EQ(f.leftSpace, 20);
  EXPECT_EQ(f.bottomSpace, 30);
  EXPECT_EQ(f.topSpace, 20);
  EXPECT_EQ(f.rightSpace, 20);
  EXPECT_TRUE(f.xGrid);
  EXPECT_TRUE(f.yGrid);
  EXPECT_EQ(f.legend, 1);
  EXPECT_EQ(f.xMarks, -1);   // automatic counts at the first DrawGraph
  EXPECT_EQ(f.yMarks, -1);
  EXPECT_EQ(f.xMin, -1);
  EXPECT_EQ(f.xMax, -1);
  EXPECT_EQ(f.yMin, -1);
  EXPECT_EQ(f.yMax, -1);
  EXPECT_EQ(f.xNumberFormat, "#.00");
  EXPECT_EQ(f.yNumberFormat, "#.00");
  EXPECT_EQ(f.foreColor, fw::RGB(0, 0, 0));
  EXPECT_EQ(f.backColor, fw::RGB(255, 255, 255));
  EXPECT_FALSE(f.backGradient);
  EXPECT_EQ(f.pointRadius, 1);
  EXPECT_EQ(f.w, 0);
  EXPECT_EQ(f.h, 0);
  EXPECT_EQ(f.graphWidth, 0);
  EXPECT_EQ(f.graphHeight, 0);
  EXPECT_EQ(f.xScale, 0);
  EXPECT_EQ(f.yScale, 0);
  EXPECT_EQ(f.gradientDirection, 0);
  EXPECT_FALSE(f.labelAxes || f.labelXVals || f.labelYVals);
  EXPECT_EQ(f.gradientTop, fw::RGB(0, 0, 0));
  EXPECT_EQ(f.gradientBottom, fw::RGB(0, 0, 0));
  EXPECT_EQ(f.xLabel + f.yLabel, "");
  EXPECT_EQ(f.lines, 0u);
  EXPECT_EQ(graph.GetGraph(), nullptr);
}

TEST(TovLineGraph, LinesAreNumberedFromZeroAgainAfterReset) {
  TovLineGraph graph;
  EXPECT_EQ(graph.NewLine("a", fw::RGB(1, 2, 3)), 0);
  EXPECT_EQ(graph.NewLine("b"), 1);
  graph.NewPoint(1, 4, 5);
  graph.ResetGraph();
  EXPECT_EQ(Fields(graph).lines, 0u);
  EXPECT_EQ(graph.NewLine("c"), 0);
  EXPECT_EQ(TovLineGraphInspector::Line(graph, 0).GetLabel(), "c");
  // After the reset, points widen the old range rather than starting anew.
  graph.NewPoint(0, 7, 1);
  EXPECT_EQ(Fields(graph).xMin, 4);
  EXPECT_EQ(Fields(graph).xMax, 7);
  EXPECT_EQ(Fields(graph).yMin, 1);
  EXPECT_EQ(Fields(graph).yMax, 5);
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
    EXPECT_EQ(TovLineGraphInspector::Line(graph, 0).GetColor(), c.colour) << c.index;
    EXPECT_EQ(TovLineGraphInspector::Line(graph, 1).GetColor(), c.colour) << c.index;
    EXPECT_EQ(module1().newlinecolor, c.index);   // read, never advanced
  }
  module1().newlinecolor = saved;
  TovLineGraph graph;
  graph.NewLine("given", fw::RGB(9, 8, 7));
  EXPECT_EQ(TovLineGraphInspector::Line(graph, 0).GetColor(), fw::RGB(9, 8, 7));
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
      EXPECT_EQ(Fields(graph).xMin, c.after[i].first) << c.name << " #" << i;
      EXPECT_EQ(Fields(graph).xMax, c.after[i].second) << c.name << " #" << i;
    }
  }
  TovLineGraph graph;
  graph.NewLine("y");
  graph.NewPoint(0, 2, 5);
  EXPECT_EQ(Fields(graph).yMin, 5);
  EXPECT_EQ(Fields(graph).yMax, 5);
  graph.NewPoint(0, 2, 9);
  graph.NewPoint(0, 2, 3);
  EXPECT_EQ(Fields(graph).yMin, 3);
  EXPECT_EQ(Fields(graph).yMax, 9);
}

TEST(TovLineGraph, NewPointWithABadIndexThrowsAndChangesNothing) {
  TovLineGraph graph;
  graph.NewLine("only");
  graph.NewPoint(0, 1, 1);
  for (Integer bad : {Integer{-1}, Integer{1}, Integer{1} << 40}) {
    EXPECT_THROW(graph.NewPoint(bad, 50, 50), OutOfBoundsException) << bad;
  }
  EXPECT_EQ(TovLineGraphInspector::Line(graph, 0).Values().size(), 1u);
  EXPECT_EQ(Fields(graph).xMax, 1);
  EXPECT_EQ(Fields(graph).yMax, 1);
  TovLineGraph empty;
  EXPECT_THROW(empty.NewPoint(0, 1, 1), OutOfBoundsException);
  EXPECT_EQ(Fields(empty).xMax, -1);
}

TEST(TovLineGraph, SettersStoreWhatTheyAreGiven) {
  TovLineGraph graph;
  graph.SetXMarks(11);
  graph.SetYMarks(1);
  EXPECT_EQ(Fields(graph).xMarks, 10);
  EXPECT_EQ(Fields(graph).yMarks, 0);
  graph.SetXMarks(0);
  EXPECT_EQ(Fields(graph).xMarks, -1);
  graph.SetXRange(-0.5, 3);
  graph.SetYRange(2.99, 4);
  EXPECT_EQ(graph.GetXMin(), 0);
  EXPECT_EQ(graph.GetYMin(), 2);
  graph.SetXRange(-1.5, 0);
  EXPECT_EQ(graph.GetXMin(), -1);
  graph.SetPointRadius(-3);
  graph.SetLegend(17);
  graph.SetGridLines(false, true);
  graph.SetAxisLabels("x title", "y title");
  graph.SetNumberFormats("##", "0.0");
  graph.SetLabelAxes(true);
  graph.SetLabelXVals(true);
  graph.SetLabelYVals(true);
  graph.SetForeColor(fw::RGB(1, 2, 3));
  const GraphFields f = Fields(graph);
  EXPECT_EQ(f.pointRadius, -3);
  EXPECT_EQ(f.legend, 17);
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
  graph.SetBackGradient(fw::RGB(1, 1, 1), fw::RGB(2, 2, 2), 3);
  graph.SetBackColor(fw::RGB(9, 9, 9));
  EXPECT_FALSE(Fields(graph).backGradient);
  graph.SetBackGradient(fw::RGB(4, 4, 4), fw::RGB(5, 5, 5), 7);
  const GraphFields f = Fields(graph);
  EXPECT_TRUE(f.backGradient);
  EXPECT_EQ(f.backColor, fw::RGB(9, 9, 9));
  EXPECT_EQ(f.gradientTop, fw::RGB(4, 4, 4));
  EXPECT_EQ(f.gradientBottom, fw::RGB(5, 5, 5));
  EXPECT_EQ(f.gradientDirection, 7);
}

TEST(TovLineGraph, DrawingBeforeThereIsAPictureRaisesNilObject) {
  TovLineGraph graph;
  EXPECT_THROW(graph.PlotPoint(fw::RGB(0, 0, 0), 1, 1), fw::NilObjectException);
  EXPECT_THROW(graph.PlotLine(fw::RGB(0, 0, 0), 1, 1, 2, 2), fw::NilObjectException);
}

TEST(TovLineGraph, ShowVersionShowsItsNameInAnOkBox) {
  fw::ScriptedServices script;
  TovLineGraph().ShowVersion();
  EXPECT_EQ(script.calls(), std::vector<std::string>{"MsgBox: VedeVovar 1.0"});
}

}  // namespace
