// Every window's control accessors: each hands back the control registered
// under its own name, and together they reach every control of the window,
// so a handle pointed at the wrong control (or never set) shows here.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/windows/about_wnd.h"
#include "core/windows/control_wnd.h"
#include "help/description_wnd.h"
#include "plot/window/graph_wnd.h"
#include "windows_fixture.h"

namespace {

using Accessors = std::vector<std::pair<std::string, const fw::Control*>>;

void ExpectAccessorsMatchNames(const fw::Window& window, const Accessors& accessors) {
  for (const auto& [name, control] : accessors) {
    SCOPED_TRACE(name);
    EXPECT_EQ(control, &window.ControlByName(name));
  }
  EXPECT_EQ(accessors.size(), window.controls().size());
}

using ControlAccessorTest = WindowsTest;

TEST_F(ControlAccessorTest, EachAccessorIsTheControlOfItsName) {
  const ControlWnd& main = ControlWnd::Instance();
  ExpectAccessorsMatchNames(
      main, {{"NVarsFld", &main.NVarsFld()},       {"EigenFld", &main.EigenFld()},
             {"ClearBtn", &main.ClearBtn()},       {"CalculateBtn", &main.CalculateBtn()},
             {"StaticText3", &main.StaticText3()}, {"Canvas3", &main.Canvas3()},
             {"StaticText4", &main.StaticText4()}, {"StaticText9", &main.StaticText9()},
             {"Rectangle1", &main.Rectangle1()},   {"StaticText1", &main.StaticText1()},
             {"PrintBtn", &main.PrintBtn()},       {"GraphBtn", &main.GraphBtn()},
             {"Canvas1", &main.Canvas1()}});

  const AboutWnd& about = AboutWnd::Instance();
  ExpectAccessorsMatchNames(about, {{"StaticText5", &about.StaticText5()},
                                    {"Canvas1", &about.Canvas1()},
                                    {"StaticText1", &about.StaticText1()},
                                    {"Timer1", &about.Timer1()}});

  const DescriptionWnd& help = DescriptionWnd::Instance();
  ExpectAccessorsMatchNames(
      help, {{"DescribeFld", &help.DescribeFld()}, {"DescribeFld2", &help.DescribeFld2()}});

  const GraphWnd& graph = GraphWnd::Instance();
  ExpectAccessorsMatchNames(graph, {{"Canvas1", &graph.Canvas1()},
                                    {"CloseBtn", &graph.CloseBtn()},
                                    {"CopyBtn", &graph.CopyBtn()},
                                    {"SaveBtn", &graph.SaveBtn()},
                                    {"PrintBtn", &graph.PrintBtn()}});
}

}  // namespace
