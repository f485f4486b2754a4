// The Description window as built, held against its layout table: a fixed
// document window, hidden until shown, with close and minimise boxes only,
// and its two read-only text areas, the help text's over the plain one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "help_fixture.h"
#include "tests/gui/layout_facts.h"

namespace {

using layout_facts::Align;
using layout_facts::Font;

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);

layout_facts::Control Area(const char* name, QRect place, std::string text, Font font) {
  return {.name = name, .kind = "TextArea", .place = place, .text = std::move(text),
          .font = std::move(font), .align = Align::Left, .colour = kBlack, .background = kWhite,
          .scrollBars = "vertical", .border = true, .readOnly = true};
}

// The menu bar is carried, not shown.
const layout_facts::Window kDescriptionWindow = {
    .title = "Description", .size = {427, 491}, .fixedSize = true, .frame = "document",
    .closeBox = true, .minimiseBox = true, .maximiseBox = false, .background = std::nullopt,
    .menuBarShown = false, .visible = false};

using DescriptionLayoutTest = HelpWindowTest;

TEST_F(DescriptionLayoutTest, IsBuiltAsItsLayoutTable) {
  DescriptionWnd& window = DescriptionWnd::Instance();
  EXPECT_EQ(layout_facts::ReadWindow(window), kDescriptionWindow);
  layout_facts::ExpectControls(
      window, {Area("DescribeFld", {-1, -1, 427, 478}, "\r\n", Font{"Courier", 10}),
               Area("DescribeFld2", {-1, -1, 429, 476}, HelpText(), Font{"Times", 11})});
}

}  // namespace
