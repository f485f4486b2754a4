// The plot window as built, held against its layout table: a fixed document
// window with a minimise box and no close box, the canvas with its plot and
// the four buttons, none of them the default.
#include <gtest/gtest.h>

#include <vector>

#include "plot/window/graph_wnd.h"
#include "plot_fixture.h"
#include "tests/gui/layout_facts.h"

namespace {

using layout_facts::Font;

layout_facts::Control Button(const char* name, int left, const char* caption) {
  return {.name = name, .kind = "PushButton", .place = {left, 455, 70, 25}, .text = caption,
          .font = Font{"System", 12}, .isDefault = false};
}

const std::vector<layout_facts::Control> kGraphControls = {
    {.name = "Canvas1", .kind = "Canvas", .place = {20, 14, 600, 420}, .picture = true},
    Button("CloseBtn", 20, "Close"),
    Button("CopyBtn", 210, "Copy"),
    Button("SaveBtn", 374, "Save"),
    Button("PrintBtn", 550, "Print"),
};

// Its background colour is stored but not applied.
const layout_facts::Window kGraphWindow = {
    .title = "Quarnel Graph", .size = {640, 500}, .fixedSize = true, .frame = "document",
    .closeBox = false, .minimiseBox = true, .maximiseBox = false, .background = std::nullopt,
    .menuBarShown = true, .visible = true};

using GraphLayoutTest = WindowsTest;

TEST_F(GraphLayoutTest, IsBuiltAsItsLayoutTable) {
  ASSERT_TRUE(Calculate("20", kWorkedExample));
  GraphWnd& wnd = GraphWnd::Instance();
  EXPECT_EQ(layout_facts::ReadWindow(wnd), kGraphWindow);
  layout_facts::ExpectControls(wnd, kGraphControls);
}

}  // namespace
