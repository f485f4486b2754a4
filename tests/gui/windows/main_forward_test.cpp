// Every way another window gives way to the main window, tried while the main
// window is minimised: it must come back shown, no longer an icon, active and
// frontmost.
#include <QApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMetaObject>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gmock/gmock.h>

#include <cctype>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "core/app/menu.h"
#include "core/calc/scree.h"
#include "core/windows/about_wnd.h"
#include "core/windows/control_wnd.h"
#include "help/description_wnd.h"
#include "plot/window/graph_wnd.h"
#include "windows_fixture.h"

namespace {

struct Way {
  const char* name;
  // Opens the other window and leaves it frontmost; answers it.
  std::function<fw::Window&(fw::ScriptedServices&)> open;
  // Gives way to the main window from there.
  std::function<void(fw::Window&, fw::ScriptedServices&)> giveWay;
  // The calls to the services on the way, after the opening.
  std::vector<std::string> calls;
};

void PrintTo(const Way& way, std::ostream* os) { *os << way.name; }

constexpr const char* kErase = "MsgBox 36: Are you sure you want to erase this graph -> 6";

// The plot of the worked example, calculated straight into the results.
GraphWnd& OpenPlot() {
  const bool calculated = CalculateScree(
      "20", kWorkedExample, [](const std::string&) {},
      [] { return ShortDateTime{"12/10/26", "9:30 AM"}; }, [](const std::string&) {}, module1());
  EXPECT_TRUE(calculated);
  return GraphWnd::Instance();
}

GraphWnd& AsPlot(fw::Window& window) { return static_cast<GraphWnd&>(window); }
AboutWnd& AsAbout(fw::Window& window) { return static_cast<AboutWnd&>(window); }

const Way kWays[] = {
    {"the help window's Control item",
     [](fw::ScriptedServices&) -> fw::Window& {
       DescriptionWnd& help = DescriptionWnd::Instance();
       help.Show();
       return help;
     },
     [](fw::Window& help, fw::ScriptedServices&) {
       // As the user chooses it: the enabling pass, then the item.
       fw::RunEnablingPass(&help);
       fw::Dispatch(*Menu::Shared()->Lookup("ControlMenuItem"), &help);
     },
     {}},
    {"the plot window's Close, the plot saved",
     [](fw::ScriptedServices& script) -> fw::Window& {
       GraphWnd& plot = OpenPlot();
       script.CancelExport();
       plot.SaveBtn().Push();
       script.ClearCalls();
       return plot;
     },
     [](fw::Window& plot, fw::ScriptedServices&) { AsPlot(plot).CloseBtn().Push(); },
     {}},
    {"the plot window's Close, erasing the plot",
     [](fw::ScriptedServices&) -> fw::Window& { return OpenPlot(); },
     [](fw::Window& plot, fw::ScriptedServices& script) {
       script.AnswerMsgBox(fw::MsgBoxAnswer::Yes);
       AsPlot(plot).CloseBtn().Push();
     },
     {kErase}},
    {"the window manager's close box of the plot window, erasing the plot",
     [](fw::ScriptedServices&) -> fw::Window& { return OpenPlot(); },
     [](fw::Window& plot, fw::ScriptedServices& script) {
       script.AnswerMsgBox(fw::MsgBoxAnswer::Yes);
       plot.widget()->close();
     },
     {kErase}},
    {"a key in the About window",
     [](fw::ScriptedServices&) -> fw::Window& { return AboutWnd::Instance(); },
     [](fw::Window& about, fw::ScriptedServices&) { QTest::keyClick(about.widget(), Qt::Key_A); },
     {}},
    {"a click in the About window",
     [](fw::ScriptedServices&) -> fw::Window& { return AboutWnd::Instance(); },
     [](fw::Window& about, fw::ScriptedServices&) {
       QTest::mouseClick(about.content(), Qt::LeftButton, {}, QPoint(10, 10));
     },
     {}},
    {"the About window's timer",
     [](fw::ScriptedServices&) -> fw::Window& { return AboutWnd::Instance(); },
     [](fw::Window& about, fw::ScriptedServices&) {
       QMetaObject::invokeMethod(AsAbout(about).Timer1().timer(), "timeout");
     },
     {}},
};

// A window manager acts when it gets to it: on a loaded machine that can
// take seconds. The waits end as soon as what they wait for is there.
constexpr int kWaitMs = 30000;

class MainWindowForwardTest : public WindowsTest, public testing::WithParamInterface<Way> {
 protected:
  static bool WaitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, kWaitMs); }
  // Makes the window active before a way is tried. A window manager may let
  // an activation request go (one that came before it managed the window,
  // or with an older time than the focused window's last input), where a
  // user would click the window: the request is made again until it holds.
  static bool MakeActive(fw::Window& window) {
    return QTest::qWaitFor(
        [&] {
          if (window.widget()->isActiveWindow()) return true;
          window.widget()->activateWindow();
          return QTest::qWaitForWindowActive(window.widget(), 500);
        },
        kWaitMs);
  }
};

TEST_P(MainWindowForwardTest, BringsAMinimisedMainWindowBackToTheFront) {
  const Way& way = GetParam();
  ControlWnd& main = ControlWnd::Instance();
  ASSERT_TRUE(MakeActive(main));

  // The main window becomes an icon before the other window opens: a window
  // manager may make an icon of a dialog (the About window) along with the
  // window it stands for, the program's main window.
  main.widget()->showMinimized();
  ASSERT_TRUE(WaitFor([&] { return main.widget()->isMinimized(); }));
  // Under a window manager the icon is made some time later, and the window
  // is no longer exposed then; offscreen it stays exposed.
  ASSERT_TRUE(WaitFor([&] {
    return QGuiApplication::platformName() == "offscreen" ||
           !main.widget()->windowHandle()->isExposed();
  }));
  // The other window is the one in front while the main window is an icon.
  fw::Window& other = way.open(script_);
  ASSERT_TRUE(MakeActive(other));
  ASSERT_EQ(fw::FrontmostWindow(), &other);
  ASSERT_TRUE(main.widget()->isMinimized());
  script_.ClearCalls();

  way.giveWay(other, script_);
  Settle();

  ASSERT_EQ(fw::LiveInstance<ControlWnd>(), &main) << "a new main window was made";
  EXPECT_TRUE(WaitFor([&] { return main.widget()->isActiveWindow(); }))
      << "active: " << (QApplication::activeWindow()
                            ? QApplication::activeWindow()->windowTitle().toStdString()
                            : "none");
  EXPECT_TRUE(main.Visible());
  EXPECT_FALSE(main.widget()->isMinimized());
  EXPECT_FALSE(main.widget()->windowState() & Qt::WindowMinimized);
  EXPECT_EQ(fw::FrontmostWindow(), &main);
  EXPECT_EQ(script_.calls(), way.calls);
  EXPECT_TRUE(script_.exceptions().empty());
}

INSTANTIATE_TEST_SUITE_P(EveryWay, MainWindowForwardTest, testing::ValuesIn(kWays),
                         [](const testing::TestParamInfo<Way>& info) {
                           std::string name;
                           for (const char c : std::string(info.param.name))
                             if (std::isalnum(static_cast<unsigned char>(c))) name += c;
                           return name;
                         });

}  // namespace
