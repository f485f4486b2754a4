// The rotated y title stands clear of the y tick labels, centred on the
// plot area's middle height.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include <gtest/gtest.h>

#include "tests/gui/linegraph/pixels.h"
#include "tests/gui/linegraph/reference_picture.h"

namespace {

using reference::GraphConfig;

GraphConfig Titled(std::string name, GraphRanges range, Integer yMarks, std::string yFormat) {
  return {.name = std::move(name), .range = range, .yMarks = yMarks, .xFormat = "##",
          .yFormat = std::move(yFormat), .labelAxes = true, .yTitle = "Eigenvalue",
          .lines = {{"01", fw::RGB(0, 0, 255), {{1, 1}}}}};
}

struct Pixel {
  int x, y;
};

// The pixels that are not white in the columns left of the y axis, between
// the plot area's top and bottom rows.
std::vector<Pixel> InkLeftOfTheAxis(const QImage& image, const GraphGeometry& f) {
  std::vector<Pixel> ink;
  const int bottom = static_cast<int>(f.topSpace + f.graphHeight);
  for (int y = static_cast<int>(f.topSpace) - 12; y <= bottom + 12; ++y) {
    for (int x = 0; x < static_cast<int>(f.leftSpace) - 2; ++x) {
      if (!IsWhite(image, x, y)) ink.push_back({x, y});
    }
  }
  return ink;
}

TEST(AxisTitles, TheYTitleStandsClearOfTheTickLabelsAtTheMiddleHeight) {
  const GraphConfig cases[] = {
      Titled("one_digit", {0, 10, 0, 9}, 10, "##"),
      Titled("two_decimals", {0, 10, 0, 5}, 6, "#.00"),
      Titled("negative", {0, 10, -5, 10}, 16, "##"),
      Titled("scree_like", {1, 20, 0, 6}, 7, "##"),
  };
  for (const GraphConfig& c : cases) {
    SCOPED_TRACE(c.name);
    TovLineGraph titled, labels, title;
    reference::Render(titled, c);
    GraphConfig noTitle = c;
    noTitle.yTitle = "";
    GraphConfig noTicks = c;
    noTicks.yMarks = -1;
    const QImage labelsAlone = reference::Render(labels, noTitle);
    const QImage titleAlone = reference::Render(title, noTicks);
    const std::vector<Pixel> labelInk = InkLeftOfTheAxis(labelsAlone, labels.Geometry());
    const std::vector<Pixel> titleInk = InkLeftOfTheAxis(titleAlone, title.Geometry());
    ASSERT_FALSE(labelInk.empty());
    ASSERT_FALSE(titleInk.empty());
    int closest = 1 << 20;
    for (const Pixel& t : titleInk) {
      for (const Pixel& l : labelInk) closest = std::min(closest, std::max(std::abs(t.x - l.x), std::abs(t.y - l.y)));
    }
    EXPECT_GT(closest, 1);
    const GraphGeometry f = titled.Geometry();
    auto row = [](const Pixel& a, const Pixel& b) { return a.y < b.y; };
    const int top = std::min_element(titleInk.begin(), titleInk.end(), row)->y;
    const int bottom = std::max_element(titleInk.begin(), titleInk.end(), row)->y;
    EXPECT_NEAR((top + bottom + 1) / 2.0, static_cast<double>(f.topSpace) + static_cast<double>(f.graphHeight) / 2, 1);
  }
}

}  // namespace
