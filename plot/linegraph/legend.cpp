// The legend: a swatch and a label for every line, in rows above or below
// the plot area, or in a column at its right or left; the margin on that
// side grows to make room for it.
#include <algorithm>
#include <vector>

#include "plot/linegraph/line_graph.h"
#include "plot/linegraph/pixels.h"

namespace {

constexpr float kLegendFontSize = 10;

// One item with its origin at (ix, iy): the swatch frame, the label, and
// the swatch fill one pixel inside the frame.
void DrawItem(fw::Graphics& g, const TovLine& line, Color foreColor, double ix, double iy) {
  g.SetDrawingColor(foreColor);
  g.DrawRect(ix, iy + 5, 15, 15);
  g.DrawString(line.GetLabel(), ix + 20, iy + 17, 0, false);
  g.SetDrawingColor(line.GetColor());
  g.FillRect(ix + 1, iy + 6, 13, 13);
}

struct PlacedItem {
  const TovLine* line;
  Integer row;
  Integer penX;
};

// Whether the band from top to top + height crosses a picture that high.
bool Crosses(double top, double height, Integer pictureHeight) {
  return pictureHeight > 0 && top < D(pictureHeight) && top + height > 0;
}

}  // namespace

void TovLineGraph::DrawLegend() {
  if (legend == LegendMode::None) return;
  if (legend == LegendMode::Top || legend == LegendMode::Bottom) {
    DrawHorizontalLegend();
  } else {
    DrawVerticalLegend();
  }
}

// Items are laid out first and drawn afterwards, and only the rows that can
// show on the picture are made: the margin grows by every row all the same.
void TovLineGraph::DrawHorizontalLegend() {
  const Integer rowLimit = Subtract(Difference(w, leftSpace, rightSpace), 20);
  fw::Picture measure(1, 1, 32);
  measure.Graphics().SetFontSize(kLegendFontSize);
  std::vector<PlacedItem> items;
  Integer rows = 1, penX = 5;
  for (const auto& line : myLines) {
    const Integer labelWidth = fw::Truncate(measure.Graphics().StringWidth(line->GetLabel()));
    if (D(rowLimit) < D(penX) + 15 + D(labelWidth) + 10) {
      penX = 5;
      rows = Add(rows, 1);
    }
    items.push_back({line.get(), rows - 1, penX});
    penX = Add(penX, Add(labelWidth, 25));
  }
  const Integer legendHeight = Add(fw::Truncate(D(rows) * 20), 5);
  const Integer legendWidth = rows == 1 ? penX : rowLimit;
  Integer legendTop = 0;
  if (legend == LegendMode::Top) {
    legendTop = topSpace;
    topSpace = Add(topSpace, Add(legendHeight, 10));
  } else {
    legendTop = Difference(h, legendHeight, 10);
    bottomSpace = Add(bottomSpace, Add(legendHeight, 10));
  }
  const double legendLeft = D(w) / 2 - D(legendWidth) / 2;

  fw::Graphics& g = Surface();
  g.SetDrawingColor(fw::RGB(255, 255, 255));
  g.FillRect(legendLeft + 1, D(legendTop) + 1, D(legendWidth) - 2, D(legendHeight) - 2);
  for (Integer row = 0; row < rows; ++row) {
    const double rowTop = D(legendTop) + 20 * D(row);
    if (!Crosses(rowTop, 25, graph->Height())) continue;
    fw::Picture picture(D(rowLimit), row == 0 ? 21 : 25, 32);
    picture.Graphics().SetFontSize(kLegendFontSize);
    for (const PlacedItem& item : items) {
      if (item.row == row) DrawItem(picture.Graphics(), *item.line, foreColor, D(item.penX), 0);
    }
    if (rows == 1) {
      fw::Picture shrunk(D(legendWidth), D(legendHeight), 32);
      shrunk.Graphics().DrawPicture(picture, 0, 0);
      g.DrawPicture(shrunk, legendLeft, rowTop);
    } else {
      g.DrawPicture(picture, legendLeft, rowTop);
    }
  }
  g.SetDrawingColor(foreColor);
  g.DrawRect(legendLeft, D(legendTop), D(legendWidth), D(legendHeight));
}

// The legend picture is made only for the band of it that can show on the
// graph's picture; the items and the frame are drawn into that band where
// they would lie on the whole legend.
void TovLineGraph::DrawVerticalLegend() {
  fw::Graphics& g = Surface();
  g.SetFontSize(kLegendFontSize);
  Integer itemWidth = 0;
  for (const auto& line : myLines) {
    itemWidth = std::max(itemWidth, Add(fw::Truncate(g.StringWidth(line->GetLabel())), 30));
  }
  const auto lines = static_cast<Integer>(myLines.size());
  const Integer legendHeight = Add(fw::Truncate(D(lines) * 20), 5);
  double legendLeft = 10;
  if (legend == LegendMode::Right) {
    legendLeft = D(w) - D(itemWidth) - 10;
    rightSpace = Add(rightSpace, Add(itemWidth, 10));
  } else {
    leftSpace = Add(leftSpace, Add(itemWidth, 20));
  }
  // Where the whole legend picture would be drawn, in whole pixels.
  const Integer top = fw::Truncate(D(h) / 2 - D(legendHeight) / 2);
  const Integer first = std::max<Integer>(0, Subtract(0, top));
  const Integer last = std::min(legendHeight, Subtract(graph->Height(), top));
  if (last <= first) return;
  fw::Picture band(D(itemWidth), D(last - first), 32);
  fw::Graphics& b = band.Graphics();
  b.SetFontSize(kLegendFontSize);
  for (Integer i = first / 20 - 1; i < lines && 20 * i < last; ++i) {
    if (i >= 0) DrawItem(b, *myLines[static_cast<std::size_t>(i)], foreColor, 5, D(20 * i - first));
  }
  b.SetDrawingColor(foreColor);
  b.DrawRect(0, -D(first), D(itemWidth), D(legendHeight));
  g.DrawPicture(band, legendLeft, D(top) + D(first));
}
