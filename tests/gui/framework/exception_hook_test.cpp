#include <QAction>
#include <QTest>

#include <gmock/gmock.h>

#include "framework/base/exception_hook.h"
#include "framework/ui/internal.h"
#include "tests/gui/framework/fixture.h"

namespace fwtest {
namespace {

using ::testing::HasSubstr;
using W1 = ProbeWnd<1>;

// Every kind of handler: its exception is reported once, clearly, and the
// window goes on working.
TEST_F(FrameworkTest, ExceptionsEscapingHandlersAreReportedAndTheProgramGoesOn) {
  auto bar = std::make_shared<fw::MenuBar>();
  auto menu = std::make_shared<fw::MenuItem>();
  menu->Name = "FileMenu";
  menu->Text = "File";
  auto print = std::make_shared<fw::MenuItem>();
  print->Name = "Print";
  print->Text = "Print";
  print->AutoEnable = true;
  menu->AddMenu(print);
  bar->AddMenu(menu);
  fw::Application app;
  app.SetMenuBar(bar);
  fw::RegisterAppObject(&app);

  int presses = 0;
  W1::setup.controls = [&](fw::Window& w) {
    auto& window = static_cast<W1&>(w);
    auto& button = window.Add<fw::PushButton>("CalculateBtn");
    button.OnAction([&](fw::PushButton&) {
      if (++presses == 1) throw std::out_of_range("row 101 of gArray");
    });
    auto& canvas = window.Add<fw::Canvas>("Canvas1");
    canvas.OnOpen([](fw::Canvas&) { throw std::runtime_error("no picture"); });
    auto& area = window.Add<fw::TextArea>("EigenFld");
    area.SetProperties({.Left = 0, .Top = 40, .Width = 100, .Height = 50});
    area.OnKeyDown([](fw::TextArea&, const std::string& key) -> bool {
      if (key == "q") throw 42;  // not even a std::exception
      return false;
    });
  };
  W1::setup.menuHandlers = [](fw::Window& w) {
    w.AddMenuHandler("Print", []() -> bool { throw std::logic_error("printer on fire"); });
  };

  W1& window = W1::Instance();  // the canvas's Open throws; the window still opens
  EXPECT_TRUE(window.Visible());
  window.ControlAs<fw::PushButton>("CalculateBtn").Push();
  window.ControlAs<fw::PushButton>("CalculateBtn").Push();
  auto& area = window.ControlAs<fw::TextArea>("EigenFld");
  area.SetFocus();
  QTest::keyClicks(area.editor(), "q1");
  fw::RunEnablingPass(&window);
  fw::ActionOf(*bar->Lookup("Print"))->trigger();

  const auto& reports = script.exceptions();
  ASSERT_EQ(reports.size(), 4u);
  EXPECT_THAT(reports[0], HasSubstr("std::runtime_error"));
  EXPECT_THAT(reports[0], HasSubstr("Canvas1.Open"));
  EXPECT_THAT(reports[0], HasSubstr("no picture"));
  EXPECT_THAT(reports[1], HasSubstr("std::out_of_range"));
  EXPECT_THAT(reports[1], HasSubstr("CalculateBtn.Action"));
  EXPECT_THAT(reports[2], HasSubstr("class int"));
  EXPECT_THAT(reports[3], HasSubstr("printer on fire"));
  EXPECT_EQ(presses, 2);             // the second press ran normally
  EXPECT_EQ(area.Text(), "1");  // the key whose filter failed is not typed
}

TEST(ExceptionHook, GuardedHandlersGiveTheirDefaultResult) {
  fw::ScriptedServices script;
  EXPECT_FALSE(fw::RunGuarded("test", []() -> bool { throw std::runtime_error("x"); }));
  EXPECT_EQ(fw::RunGuarded("test", [] { return 7; }), 7);
  fw::RunGuarded("test", [] {});
  EXPECT_EQ(script.exceptions().size(), 1u);
}

}  // namespace
}  // namespace fwtest
