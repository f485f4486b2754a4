// The legend in each of its modes: where it lies, what it holds and how
// much the margin on its side grows.
#include <gtest/gtest.h>

#include "plot/linegraph/line_graph.h"
#include "tests/gui/linegraph/pixels.h"

namespace {

constexpr fw::Color kGrey = fw::RGB(200, 200, 200);
constexpr fw::Color kBlack = fw::RGB(0, 0, 0);
constexpr fw::Color kRed = fw::RGB(255, 0, 0);
constexpr fw::Color kBlue = fw::RGB(0, 0, 255);

Integer LabelWidth(const std::string& label) {
  fw::Picture measure(1, 1, 32);
  measure.Graphics().SetFontSize(10);
  return fw::Truncate(measure.Graphics().StringWidth(label));
}

// Two lines whose labels measure 12 at size 10, as in the worked example,
// on a grey background so that the legend's own white shows.
// A one-pixel black frame from (left, top) to (right, bottom) inclusive,
// grey just outside it, checked across the middle of each side.
void ExpectFrame(const QImage& im, int left, int top, int right, int bottom) {
  const int x = (left + right) / 2, y = (top + bottom) / 2;
  EXPECT_EQ(At(im, left - 1, y), kGrey);
  EXPECT_EQ(At(im, left, y), kBlack);
  EXPECT_EQ(At(im, right, y), kBlack);
  EXPECT_EQ(At(im, right + 1, y), kGrey);
  EXPECT_EQ(At(im, x, top - 1), kGrey);
  EXPECT_EQ(At(im, x, top), kBlack);
  EXPECT_EQ(At(im, x, bottom), kBlack);
  EXPECT_EQ(At(im, x, bottom + 1), kGrey);
}

struct Example {
  explicit Example(LegendMode mode) {
    graph.SetLegend(mode);
    graph.SetBackColor(kGrey);
    graph.SetGridLines(false, false);
    graph.NewLine(kLabel, kRed);
    graph.NewLine(kLabel, kBlue);
    image = graph.DrawGraph(600, 420)->Image();
  }
  static constexpr const char* kLabel = "ab";
  TovLineGraph graph;
  QImage image;
};

TEST(DrawLegend, TheLabelsOfTheExampleMeasureTwelve) { ASSERT_EQ(LabelWidth(Example::kLabel), 12); }

TEST(DrawLegend, TopRowsOfTheWorkedExample) {
  Example e(LegendMode::Top);
  EXPECT_EQ(e.graph.Geometry().topSpace, 55);
  const QImage& im = e.image;
  ExpectFrame(im, 260, 20, 338, 44);   // (260.5, 20, 79, 25) in whole pixels
  EXPECT_TRUE(IsWhite(im, 261, 21));   // the white inside, beneath the row
  EXPECT_TRUE(IsWhite(im, 337, 43));
  // Swatches: frames at pen x 5 and 42 of the row, fills one pixel inside.
  for (auto [x, colour] : {std::pair{265, kRed}, {302, kBlue}}) {
    EXPECT_EQ(At(im, x, 25), kBlack) << x;
    EXPECT_EQ(At(im, x + 14, 39), kBlack) << x;
    EXPECT_EQ(At(im, x + 1, 26), colour) << x;
    EXPECT_EQ(At(im, x + 13, 38), colour) << x;
    EXPECT_TRUE(IsWhite(im, x + 15, 30)) << x;
    EXPECT_TRUE(HasInk(im, x + 20, 28, 12, 10)) << x;   // the label, baseline at row 37
  }
}

TEST(DrawLegend, RightAndLeftColumnsOfTheWorkedExample) {
  Example right(LegendMode::Right);
  EXPECT_EQ(right.graph.Geometry().rightSpace, 72);
  const QImage& im = right.image;
  ExpectFrame(im, 548, 187, 589, 231);   // 42 x 45 at (548, 187.5)
  EXPECT_EQ(At(im, 553, 192), kBlack);   // swatch frame at (5, 5)
  EXPECT_EQ(At(im, 554, 193), kRed);     // fill at (6, 6)
  EXPECT_EQ(At(im, 553, 212), kBlack);   // (5, 25)
  EXPECT_EQ(At(im, 554, 213), kBlue);    // (6, 26)
  EXPECT_TRUE(HasInk(im, 573, 196, 12, 9));   // label at (25, 17)

  Example left(LegendMode::Left);
  Example none(LegendMode::None);
  EXPECT_EQ(left.graph.Geometry().leftSpace - none.graph.Geometry().leftSpace, 62);
  ExpectFrame(left.image, 10, 187, 51, 231);
  EXPECT_EQ(At(left.image, 16, 193), kRed);
}

TEST(DrawLegend, ModeZeroDrawsNothingAndOtherValuesGoLeft) {
  Example none(LegendMode::None);
  const GraphGeometry f = none.graph.Geometry();
  EXPECT_EQ(f.topSpace, 20);
  EXPECT_EQ(f.bottomSpace, 30);
  EXPECT_EQ(f.rightSpace, 20);
  EXPECT_EQ(At(none.image, 10, 200), kGrey);
  EXPECT_EQ(At(none.image, 300, 20), kBlack);   // the frame, not a legend
  for (Integer mode : {5, -1}) {
    Example other(static_cast<LegendMode>(mode));
    EXPECT_EQ(other.graph.Geometry().leftSpace, f.leftSpace + 62) << mode;
    EXPECT_EQ(At(other.image, 16, 193), kRed) << mode;
  }
}

TEST(DrawLegend, BottomRowsStandTenPixelsAboveTheEdge) {
  Example e(LegendMode::Bottom);
  EXPECT_EQ(e.graph.Geometry().bottomSpace, 65);
  ExpectFrame(e.image, 260, 385, 338, 409);
  EXPECT_EQ(At(e.image, 266, 391), kRed);

  // Rows enough to pass the top of the picture: the last ones still end 10
  // pixels above the bottom edge, and the margin grows by all of them.
  TovLineGraph many;
  many.SetLegend(LegendMode::Bottom);
  many.SetBackColor(kGrey);
  for (int i = 0; i < 600; ++i) many.NewLine("Eigenvalues", kRed);
  const QImage image = many.DrawGraph(600, 420)->Image();
  const Integer perRow = (540 - 5) / (LabelWidth("Eigenvalues") + 25);
  const Integer rows = (600 + perRow - 1) / perRow;
  EXPECT_EQ(many.Geometry().bottomSpace, 30 + 20 * rows + 15);
  EXPECT_EQ(At(image, 300, 409), kBlack);
  EXPECT_EQ(At(image, 300, 410), kGrey);
  EXPECT_EQ(At(image, 36, 391), kRed);   // a swatch of the last row, at the row's pen x 5
  EXPECT_EQ(At(image, 30, 0), kBlack);   // the frame's left side runs off the top
}

TEST(DrawLegend, WithoutLinesAnEmptyBoxOrNothing) {
  TovLineGraph top;
  top.SetBackColor(kGrey);
  const QImage image = top.DrawGraph(600, 420)->Image();
  EXPECT_EQ(top.Geometry().topSpace, 55);
  ExpectFrame(image, 297, 20, 301, 44);   // 5 x 25 at 297.5
  TovLineGraph side;
  side.SetLegend(LegendMode::Right);
  side.DrawGraph(600, 420);
  EXPECT_EQ(side.Geometry().rightSpace, 30);
}

// Rows: an item stays in its row while pen x + label width + 25 reaches the
// row limit at most; one too wide for any row opens a row of its own.
TEST(DrawLegend, RowsWrapAtTheRowLimit) {
  const Integer label = LabelWidth("Eigenvalues");
  const Integer perRow = (540 - 5) / (label + 25);
  const Integer rowsOf30 = (30 + perRow - 1) / perRow;
  const struct {
    Integer width;
    std::vector<std::string> labels;
    Integer topSpace;
  } cases[] = {
      {60 + 30 + label, {"Eigenvalues"}, 55},          // fills the row exactly
      {60 + 29 + label, {"Eigenvalues"}, 75},          // one short: the first row stays empty
      {60 + 29 + label, {"Eigenvalues", "x"}, 95},     // and the next item opens a third row
      {600, std::vector<std::string>(30, "Eigenvalues"), 20 + 20 * rowsOf30 + 15},
  };
  for (const auto& c : cases) {
    TovLineGraph graph;
    for (const std::string& l : c.labels) graph.NewLine(l, kRed);
    graph.DrawGraph(c.width, 420);
    EXPECT_EQ(graph.Geometry().topSpace, c.topSpace) << c.width << " " << c.labels.size();
  }
}

TEST(DrawLegend, ATallColumnIsCutAtBothEdges) {
  TovLineGraph graph;
  graph.SetLegend(LegendMode::Left);
  graph.SetBackColor(kGrey);
  for (int i = 0; i < 100; ++i) graph.NewLine("", i == 40 ? kRed : kBlue);
  const QImage image = graph.DrawGraph(600, 420)->Image();
  // Legend 2005 high, its top at 210 - 1002.5, that is row -792.
  EXPECT_EQ(At(image, 15, -792 + 20 * 40 + 5), kBlack);
  EXPECT_EQ(At(image, 16, -792 + 20 * 40 + 6), kRed);
  EXPECT_EQ(At(image, 10, 0), kBlack);
  EXPECT_EQ(At(image, 10, 419), kBlack);
  EXPECT_EQ(At(image, 39, 0), kBlack);   // item width 30 for empty labels
  EXPECT_EQ(graph.Settings().legend, static_cast<LegendMode>(4));
}

}  // namespace
