// The rendered graph read back pixel by pixel: ticks, grid, axes, frame,
// points, segments, value labels, background and the counts and margins
// that DrawGraph stores.
#include <cstdlib>

#include <gtest/gtest.h>

#include "plot/linegraph/line_graph.h"
#include "tests/gui/linegraph/pixels.h"
#include "tests/gui/linegraph/scree_like.h"

namespace {

constexpr fw::Color kGrid = fw::RGB(107, 255, 255);
constexpr fw::Color kBlack = fw::RGB(0, 0, 0);
constexpr fw::Color kRed = fw::RGB(255, 0, 0);
constexpr fw::Color kBlue = fw::RGB(0, 0, 255);

// Ranges 0..10 by 0..5, 10 x intervals and 5 y intervals, no legend.
void Plain(TovLineGraph& graph) {
  graph.SetLegend(LegendMode::None);
  graph.SetXRange(0, 10);
  graph.SetYRange(0, 5);
  graph.SetXMarks(11);
  graph.SetYMarks(6);
}

bool HasColour(const QImage& image, fw::Color colour) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (At(image, x, y) == colour) return true;
    }
  }
  return false;
}

TEST(DrawGrid, YTicksOfTheWorkedExampleWithTheirGridLines) {
  TovLineGraph graph;
  Plain(graph);
  graph.SetGridLines(true, false);
  const QImage image = graph.DrawGraph(600, 420)->Image();
  const GraphGeometry f = graph.Geometry();
  ASSERT_EQ(f.graphHeight, 370);
  const int column = static_cast<int>(f.leftSpace) + 7;
  for (int row : {316, 242, 168, 94}) {
    EXPECT_EQ(At(image, column, row), kGrid) << row;
    EXPECT_TRUE(IsWhite(image, column, row + 1)) << row;
  }
  EXPECT_EQ(At(image, column, 390), kBlack);   // the lowest tick lies on the x axis
  EXPECT_EQ(At(image, column, 20), kBlack);    // the highest on the frame's top edge
  // Each label ends 14 pixels left of the y axis; all are right-aligned.
  const int axis = static_cast<int>(f.leftSpace);
  for (int row : {390, 316, 242, 168, 94, 20}) {
    const int right = RightmostInk(image, row - 6, 10, axis - 2);
    EXPECT_GE(right, axis - 17) << row;
    EXPECT_LE(right, axis - 15) << row;
  }
  // The margin made room for the formatted maximum.
  fw::Picture measure(1, 1, 32);
  measure.Graphics().SetFontSize(10);
  EXPECT_EQ(f.leftSpace, fw::Truncate(measure.Graphics().StringWidth("5.00") + 30));
  EXPECT_EQ(f.graphWidth, 600 - f.leftSpace - 20);
  EXPECT_DOUBLE_EQ(f.xScale, 10.0 / static_cast<double>(f.graphWidth));
  EXPECT_DOUBLE_EQ(f.yScale, 5.0 / 370);
}

TEST(DrawGrid, GridColourOnlyWhereTheFlagsAreOn) {
  const struct {
    bool horizontal, vertical;
  } cases[] = {{false, false}, {true, false}, {false, true}, {true, true}};
  for (const auto& c : cases) {
    TovLineGraph graph;
    Plain(graph);
    graph.SetGridLines(c.horizontal, c.vertical);
    const QImage image = graph.DrawGraph(600, 420)->Image();
    const GraphGeometry f = graph.Geometry();
    const int middleColumn = static_cast<int>(f.leftSpace + f.graphWidth / 2 + 3);
    // Row 242 is a y tick; the column between two x ticks is not an x tick.
    const double v = 3 * (static_cast<double>(f.graphWidth) / 10) * f.xScale;
    const int xTick = static_cast<int>(fw::Truncate(static_cast<double>(f.leftSpace) + v / f.xScale));
    EXPECT_EQ(At(image, middleColumn, 242) == kGrid, c.horizontal);
    EXPECT_EQ(At(image, xTick, 300) == kGrid, c.vertical);
    EXPECT_EQ(HasColour(image, kGrid), c.horizontal || c.vertical);
  }
}

TEST(DrawGrid, AxesAndATwoPixelFrame) {
  TovLineGraph graph;
  Plain(graph);
  graph.SetGridLines(false, false);
  const QImage image = graph.DrawGraph(600, 420)->Image();
  const GraphGeometry f = graph.Geometry();
  const int left = static_cast<int>(f.leftSpace), right = left + static_cast<int>(f.graphWidth);
  const int y = 200;
  EXPECT_TRUE(IsWhite(image, left - 2, y));
  EXPECT_EQ(At(image, left - 1, y), kBlack);
  EXPECT_EQ(At(image, left, y), kBlack);
  EXPECT_TRUE(IsWhite(image, left + 1, y));
  EXPECT_TRUE(IsWhite(image, right - 2, y));
  EXPECT_EQ(At(image, right - 1, y), kBlack);
  EXPECT_EQ(At(image, right, y), kBlack);
  EXPECT_TRUE(IsWhite(image, right + 1, y));
  const int x = left + 100;
  EXPECT_TRUE(IsWhite(image, x, 18));
  EXPECT_EQ(At(image, x, 19), kBlack);
  EXPECT_EQ(At(image, x, 20), kBlack);
  EXPECT_TRUE(IsWhite(image, x, 21));
  EXPECT_EQ(At(image, x, 389), kBlack);
  EXPECT_EQ(At(image, x, 390), kBlack);
  EXPECT_TRUE(IsWhite(image, x, 391));
}

TEST(DrawGrid, NegativeCountsDrawNoTicksAndStayAsTheyAre) {
  TovLineGraph graph;
  Plain(graph);
  graph.SetXMarks(-1);
  graph.SetYMarks(-1);
  const QImage image = graph.DrawGraph(600, 420)->Image();
  const GraphGeometry f = graph.Geometry();
  EXPECT_EQ(f.xMarks, -2);
  EXPECT_EQ(f.yMarks, -2);
  EXPECT_FALSE(HasColour(image, kGrid));
  EXPECT_FALSE(HasInk(image, 0, 0, static_cast<int>(f.leftSpace) - 2, 420));  // no y labels
  EXPECT_FALSE(HasInk(image, 0, 392, 600, 28));                             // no x labels
  EXPECT_EQ(At(image, static_cast<int>(f.leftSpace), 200), kBlack);         // axes and frame
}

TEST(DrawGraph, AutomaticTickCountsComeFromThePlotWidth) {
  for (Integer height : {100, 420, 800}) {
    TovLineGraph graph;
    graph.SetLegend(LegendMode::None);
    graph.DrawGraph(600, height);   // a new graph asks for automatic counts
    EXPECT_EQ(graph.Geometry().xMarks, 17) << height;
    EXPECT_EQ(graph.Geometry().yMarks, 27) << height;
  }
  TovLineGraph narrow;
  narrow.SetLegend(LegendMode::None);
  narrow.DrawGraph(59, 100);   // a plot area 19 wide: the rule stores -1 again
  EXPECT_EQ(narrow.Geometry().yMarks, -1);
  EXPECT_EQ(narrow.Geometry().xMarks, -1);
}

TEST(DrawGraph, AnUnsetRangeGivesAScaleOfZero) {
  TovLineGraph graph;
  graph.SetLegend(LegendMode::None);
  graph.DrawGraph(600, 420);
  EXPECT_EQ(graph.Geometry().xScale, 0);
  EXPECT_EQ(graph.Geometry().yScale, 0);
}

TEST(DrawGraph, MarginsGrowOnEveryDraw) {
  TovLineGraph graph;
  Plain(graph);
  graph.SetLabelAxes(true);
  graph.SetAxisLabels("Factor", "Eigenvalue");
  const std::shared_ptr<fw::Picture> first = graph.DrawGraph(600, 420);
  const GraphGeometry one = graph.Geometry();
  EXPECT_EQ(one.bottomSpace, 50);
  const std::shared_ptr<fw::Picture> second = graph.DrawGraph(600, 420);
  const GraphGeometry two = graph.Geometry();
  EXPECT_EQ(two.bottomSpace, 70);
  EXPECT_EQ(two.leftSpace - one.leftSpace, 20 + (one.leftSpace - 40));
  EXPECT_NE(first, second);
  EXPECT_EQ(graph.GetGraph(), second);
  EXPECT_EQ(first->Width(), 600);   // the earlier picture lives on with its holder
}

TEST(DrawGraph, AxisTitlesLieLeftOfTheLabelsAndBelowTheAxis) {
  TovLineGraph graph;
  Plain(graph);
  graph.SetGridLines(false, false);
  graph.SetLabelAxes(true);
  graph.SetAxisLabels("Factor", "Eigenvalue");
  const QImage image = graph.DrawGraph(600, 420)->Image();
  const GraphGeometry f = graph.Geometry();
  const int axisRow = static_cast<int>(420 - f.bottomSpace);
  const int middle = static_cast<int>(f.leftSpace + f.graphWidth / 2);
  EXPECT_TRUE(HasInk(image, middle - 20, axisRow + 28, 40, 13));   // x title around row +40
  EXPECT_FALSE(HasInk(image, middle - 20, axisRow + 42, 40, 420 - axisRow - 42));
  // The y title stands upright left of the tick labels, centred on the plot height.
  const int centre = static_cast<int>(f.topSpace + f.graphHeight / 2);
  fw::Picture measure(1, 1, 32);
  measure.Graphics().SetFontSize(12);
  const auto anchor = static_cast<int>(fw::Truncate(static_cast<double>(f.leftSpace) -
                                                    measure.Graphics().StringWidth("5.00") - 15));
  EXPECT_TRUE(HasInk(image, anchor - 12, centre - 5, 12, 10));
  EXPECT_TRUE(HasInk(image, anchor - 12, centre - 28, 12, 4));
  EXPECT_TRUE(HasInk(image, anchor - 12, centre + 24, 12, 4));
  EXPECT_FALSE(HasInk(image, anchor, centre - 40, 4, 80));   // the title ends left of its point
  EXPECT_FALSE(HasInk(image, 0, 0, anchor - 15, 420));
}

TEST(PlotPoint, DiscsOf2rPlus1WithSegmentsOverThem) {
  TovLineGraph graph;
  Plain(graph);
  graph.SetGridLines(false, false);
  graph.SetPointRadius(3);
  const Integer under = graph.NewLine("under", kBlue);
  const Integer over = graph.NewLine("over", kRed);
  graph.NewPoint(under, 5, 2.5);
  graph.NewPoint(over, 4, 2.5);
  graph.NewPoint(over, 6, 2.5);
  const QImage image = graph.DrawGraph(600, 420)->Image();
  const GraphGeometry f = graph.Geometry();
  const int cx = static_cast<int>(f.leftSpace + fw::Truncate(5 / f.xScale));
  const int cy = static_cast<int>(f.topSpace + f.graphHeight - fw::Truncate(2.5 / f.yScale));
  EXPECT_EQ(At(image, cx, cy), kRed);   // the later line's segment runs over the disc
  EXPECT_EQ(At(image, cx, cy - 1), kBlue);
  EXPECT_EQ(At(image, cx, cy - 3), kBlue);
  EXPECT_TRUE(IsWhite(image, cx, cy - 4));
  EXPECT_EQ(At(image, cx, cy + 3), kBlue);
  EXPECT_TRUE(IsWhite(image, cx, cy + 4));
  const int ox = static_cast<int>(f.leftSpace + fw::Truncate(6 / f.xScale));
  EXPECT_EQ(At(image, ox + 3, cy), kRed);   // 7 across: 3 each side of the centre
  EXPECT_TRUE(IsWhite(image, ox + 4, cy));
}

TEST(PlotPoint, RadiusZeroDrawsSegmentsOnly) {
  TovLineGraph graph;
  Plain(graph);
  graph.SetGridLines(false, false);
  graph.SetPointRadius(0);
  graph.SetLabelXVals(true);
  const Integer line = graph.NewLine("l", kRed);
  graph.NewPoint(line, 2, 1);
  graph.NewPoint(line, 8, 1);
  const QImage image = graph.DrawGraph(600, 420)->Image();
  const GraphGeometry f = graph.Geometry();
  const int y = static_cast<int>(f.topSpace + f.graphHeight - fw::Truncate(1 / f.yScale));
  const int x = static_cast<int>(f.leftSpace + fw::Truncate(2 / f.xScale));
  EXPECT_EQ(At(image, x + 50, y), kRed);
  EXPECT_TRUE(IsWhite(image, x, y - 1));            // no disc
  EXPECT_FALSE(HasInk(image, x - 30, y - 12, 20, 10));   // no label
}

// The point as PlotPoint should draw it, by hand on a copy of the picture
// as it was before.
QImage DrawnByHand(const QImage& before, double left, double y, const std::string& text,
                   double textX) {
  fw::Picture expected(before);
  fw::Graphics& g = expected.Graphics();
  g.SetDrawingColor(kRed);
  g.FillOval(left - 1, y - 1, 3, 3);
  g.SetFontSize(9);
  g.DrawString(text, textX, y + 4, 0, false);
  return expected.Image();
}

TEST(PlotPoint, ValueLabelsRightOfTheDiscOrLeftAtTheEdge) {
  struct Case {
    bool xs, ys;
    bool nearRightEdge;
    std::string label;
  };
  const Case cases[] = {{true, true, false, "3,2"},
                        {true, false, false, "3"},
                        {false, true, false, "2"},
                        {true, false, true, "10"}};
  for (const Case& c : cases) {
    TovLineGraph graph;
    Plain(graph);
    graph.SetNumberFormats("##", "##");
    graph.SetLabelXVals(c.xs);
    graph.SetLabelYVals(c.ys);
    const std::shared_ptr<fw::Picture> picture = graph.DrawGraph(600, 420);
    const GraphGeometry f = graph.Geometry();
    const Integer px = c.nearRightEdge ? f.graphWidth - 5 : fw::Truncate(3 / f.xScale);
    const Integer py = fw::Truncate(2 / f.yScale);
    const QImage before = picture->Image();
    graph.PlotPoint(kRed, px, py);
    fw::Picture measure(1, 1, 32);
    measure.Graphics().SetFontSize(9);
    const auto tw = static_cast<double>(fw::Truncate(measure.Graphics().StringWidth(c.label)));
    const auto left = static_cast<double>(f.leftSpace + px);
    const auto y = static_cast<double>(f.topSpace + f.graphHeight - py);
    const double textX = c.nearRightEdge ? left - 1 - 2 - tw : left + 1 + 2;
    EXPECT_EQ(picture->Image(), DrawnByHand(before, left, y, c.label, textX)) << c.label;
  }
}

// Points placed at the tick values of both axes sit on their ticks, and
// nothing of the lines falls outside the plot area (but for the discs'
// radius), whatever fractions the minima have.
TEST(TovLinePaint, PointsSitOnTheirTicksWhateverTheMinima) {
  const struct {
    double xMin, yMin;
  } cases[] = {{0, 0}, {-0.5, -0.28}, {2.5, 1.25}, {-3.7, -2.2}, {0.4, -0.9}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.xMin << ", " << c.yMin);
    const auto setUp = [&](TovLineGraph& graph) {
      graph.SetLegend(LegendMode::None);
      graph.SetGridLines(false, false);
      graph.SetXRange(c.xMin, c.xMin + 10);
      graph.SetYRange(c.yMin, c.yMin + 5);
      graph.SetXMarks(6);
      graph.SetYMarks(6);
    };
    TovLineGraph graph, bare;
    setUp(graph);
    setUp(bare);
    // One line per point: discs alone, no segment that could pass a tick.
    for (int i = 0; i <= 5; ++i) graph.NewPoint(graph.NewLine("p", kRed), c.xMin + 2 * i, c.yMin + i);
    const QImage image = graph.DrawGraph(600, 420)->Image();
    const GraphGeometry f = graph.Geometry();
    for (int i = 0; i <= 5; ++i) {
      // The tick's pixel as the tick labels are placed.
      const double xv = i * (static_cast<double>(f.graphWidth) / 5) * f.xScale + c.xMin;
      const double yv = i * (static_cast<double>(f.graphHeight) / 5) * f.yScale + c.yMin;
      const auto column = fw::Truncate(static_cast<double>(f.leftSpace) + (xv - c.xMin) / f.xScale);
      const auto row = fw::Truncate(static_cast<double>(f.topSpace) + (c.yMin + 5 - yv) / f.yScale);
      EXPECT_EQ(At(image, static_cast<int>(column), static_cast<int>(row)), kRed) << i;
    }
    const int r = 1;
    const QRect plotArea(QPoint(static_cast<int>(f.leftSpace) - r, static_cast<int>(f.topSpace) - r),
                         QPoint(static_cast<int>(f.leftSpace + f.graphWidth) + r,
                                static_cast<int>(f.topSpace + f.graphHeight) + r));
    const QRect changed = ChangedArea(image, bare.DrawGraph(600, 420)->Image());
    EXPECT_FALSE(changed.isEmpty());
    EXPECT_TRUE(plotArea.contains(changed)) << changed.left() << "," << changed.top() << " "
                                            << changed.right() << "," << changed.bottom();
  }
}

TEST(TovLinePaint, ASinglePointDrawsItsDiscAndNoSegment) {
  TovLineGraph graph;
  Plain(graph);
  graph.SetGridLines(false, false);
  graph.SetPointRadius(2);
  graph.NewPoint(graph.NewLine("one", kRed), 5, 2);
  const QImage image = graph.DrawGraph(600, 420)->Image();
  int red = 0;
  for (int y = 0; y < 420; ++y) {
    for (int x = 0; x < 600; ++x) red += At(image, x, y) == kRed;
  }
  EXPECT_EQ(red, 21);   // a disc 5 across and nothing else
  TovLineGraph none;
  Plain(none);
  none.SetGridLines(false, false);
  none.NewLine("empty", kRed);
  EXPECT_FALSE(HasColour(none.DrawGraph(600, 420)->Image(), kRed));
}

TEST(DrawBackground, GradientRowsOfTheWorkedExample) {
  TovLineGraph graph;
  graph.SetLegend(LegendMode::None);
  graph.SetBackGradient(fw::RGB(0, 200, 40), fw::RGB(255, 100, 40), GradientDirection::Top);
  const QImage image = graph.DrawGraph(300, 100)->Image();
  const struct {
    int row, red, green;
  } rows[] = {{0, 0, 200}, {1, 0, 200}, {2, 2, 199}, {99, 249, 102}};
  for (const auto& r : rows) {
    // Red runs up from 0 to 255, green down from 200 to 100 (linearly).
    EXPECT_EQ(At(image, 295, r.row), fw::RGB(r.red, r.green, 40)) << r.row;
  }
}

TEST(DrawBackground, DirectionsAndPlainColours) {
  const fw::Color top = fw::RGB(10, 20, 30), bottom = fw::RGB(210, 220, 230);
  const struct {
    GradientDirection direction;
    int x, y;
    fw::Color expected;
  } cases[] = {
      {GradientDirection::Right, 299, 5, top},
      {GradientDirection::Right, 0, 5, fw::RGB(209, 219, 229)},
      {GradientDirection::Bottom, 295, 99, top},
      {GradientDirection::Bottom, 295, 0, fw::RGB(208, 218, 228)},
      {GradientDirection::Left, 0, 5, top},
      {GradientDirection::Left, 1, 5, top},
      {GradientDirection::None, 295, 50, fw::RGB(255, 255, 255)},
      {static_cast<GradientDirection>(5), 0, 0, fw::RGB(255, 255, 255)},
  };
  for (const auto& c : cases) {
    TovLineGraph graph;
    graph.SetLegend(LegendMode::None);
    graph.SetBackGradient(top, bottom, c.direction);
    const QImage image = graph.DrawGraph(300, 100)->Image();
    EXPECT_EQ(At(image, c.x, c.y), c.expected)
        << static_cast<Integer>(c.direction) << " " << c.x << "," << c.y;
  }
  TovLineGraph same;
  same.SetLegend(LegendMode::None);
  same.SetBackGradient(top, top, GradientDirection::Top);
  EXPECT_EQ(At(same.DrawGraph(300, 100)->Image(), 295, 77), top);
  TovLineGraph plain;
  plain.SetLegend(LegendMode::None);
  plain.SetBackColor(bottom);
  EXPECT_EQ(At(plain.DrawGraph(300, 100)->Image(), 295, 77), bottom);
}

TEST(DrawGraph, ScreeLikePicture) {
  TovLineGraph graph;
  BuildScreeLike(graph, 20);
  const std::shared_ptr<fw::Picture> picture = graph.DrawGraph(600, 420);
  const QImage image = picture->Image();
  EXPECT_EQ(graph.Geometry().xMarks, 19);
  EXPECT_EQ(graph.Geometry().yMarks, 6);
  EXPECT_TRUE(HasColour(image, kBlue));
  EXPECT_FALSE(HasColour(image, kGrid));
  if (const char* path = std::getenv("QUARNEL_LINEGRAPH_PNG")) {
    EXPECT_TRUE(image.save(path));
  }
}

}  // namespace
