// The splash and About window: its one-shot timer, giving way to the main
// window on a key, a click or the timer, and the timer's late firing.
#include <QMetaObject>
#include <QTimer>
#include <QWindow>

#include <gmock/gmock.h>

#include <vector>

#include "core/app/default_window.h"
#include "core/windows/about_wnd.h"
#include "core/windows/control_wnd.h"
#include "help/description_wnd.h"
#include "windows_fixture.h"

namespace {

class AboutWndTest : public WindowsTest {
 protected:
  // The timer's expiry, without waiting four seconds for it.
  static void FireTimer(AboutWnd& about) {
    QMetaObject::invokeMethod(about.Timer1().timer(), "timeout");
    Settle();
  }

  static bool MainWindowIsFront() {
    ControlWnd* main = fw::LiveInstance<ControlWnd>();
    return main && main->Visible() && fw::FrontmostWindow() == main;
  }
};

TEST_F(AboutWndTest, SplashIsTheOnlyWindowWithAPreciseOneShotTimer) {
  MakeDefaultWindow();
  AboutWnd* about = fw::LiveInstance<AboutWnd>();
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->Visible());
  EXPECT_EQ(fw::LiveWindows().size(), 1u);
  const QTimer* timer = about->Timer1().timer();
  EXPECT_TRUE(timer->isActive());
  EXPECT_TRUE(timer->isSingleShot());
  EXPECT_EQ(timer->interval(), 4000);
  EXPECT_EQ(timer->timerType(), Qt::PreciseTimer);
}

TEST_F(AboutWndTest, TimerGivesWayToTheMainWindow) {
  AboutWnd& about = AboutWnd::Instance();
  FireTimer(about);
  EXPECT_FALSE(about.Visible());
  EXPECT_TRUE(MainWindowIsFront());
}

TEST_F(AboutWndTest, KeyOrClickGivesWayAtOnce) {
  AboutWnd& about = AboutWnd::Instance();
  auto showAgain = [&] {
    about.Show();
    Settle();
    ASSERT_TRUE(about.Visible());
  };
  // Keys that give no character count as much as letters do.
  for (Qt::Key key : {Qt::Key_Q, Qt::Key_Left, Qt::Key_Home, Qt::Key_F5, Qt::Key_Escape}) {
    SCOPED_TRACE(QTest::toString(key));
    showAgain();
    QTest::keyClick(about.widget(), key);
    Settle();
    EXPECT_FALSE(about.Visible());
    EXPECT_TRUE(MainWindowIsFront());
  }
  {
    SCOPED_TRACE("click on the logo");
    showAgain();
    QTest::mouseClick(about.Canvas1().widget(), Qt::LeftButton);
    Settle();
    EXPECT_FALSE(about.Visible());
    EXPECT_TRUE(MainWindowIsFront());
  }
  EXPECT_EQ(fw::LiveWindows().size(), 2u);
}

// Where the window manager offers to close it anyway (its own close box,
// Alt+F4), it gives way as at a click, and is not closed.
TEST_F(AboutWndTest, WindowManagersCloseGivesWayAsAClick) {
  AboutWnd& about = AboutWnd::Instance();
  Settle();
  about.widget()->close();
  Settle();
  EXPECT_FALSE(about.Visible());
  EXPECT_TRUE(MainWindowIsFront());
  EXPECT_EQ(fw::LiveInstance<AboutWnd>(), &about);
  ShowAboutWindow();
  Settle();
  EXPECT_TRUE(about.Visible());
}

// Every key that the window counts as no key of its own, pressed and let go
// alone through the Qt window as the window system delivers it, with the
// modifier state the press reports; then ordinary keys, one with Shift held.
TEST_F(AboutWndTest, AModifierAloneLeavesItUpAndTheNextKeyGivesWay) {
  struct Press {
    Qt::Key key;
    Qt::KeyboardModifiers held;
    const char* text = "";
  };
  struct Case {
    const char* name;
    std::vector<Press> presses;
    bool givesWay;
  };
  const Case cases[] = {
      {"Shift", {{Qt::Key_Shift, Qt::ShiftModifier}}, false},
      {"Control", {{Qt::Key_Control, Qt::ControlModifier}}, false},
      {"Meta", {{Qt::Key_Meta, Qt::MetaModifier}}, false},
      {"Alt", {{Qt::Key_Alt, Qt::AltModifier}}, false},
      {"AltGr", {{Qt::Key_AltGr, Qt::GroupSwitchModifier}}, false},
      {"Caps Lock", {{Qt::Key_CapsLock, {}}}, false},
      {"Num Lock", {{Qt::Key_NumLock, {}}}, false},
      {"Scroll Lock", {{Qt::Key_ScrollLock, {}}}, false},
      {"Super left", {{Qt::Key_Super_L, Qt::MetaModifier}}, false},
      {"Super right", {{Qt::Key_Super_R, Qt::MetaModifier}}, false},
      {"Hyper left", {{Qt::Key_Hyper_L, {}}}, false},
      {"Hyper right", {{Qt::Key_Hyper_R, {}}}, false},
      {"Mode switch", {{Qt::Key_Mode_switch, Qt::GroupSwitchModifier}}, false},
      {"Shift bare", {{Qt::Key_Shift, {}}}, false},
      {"Control bare", {{Qt::Key_Control, {}}}, false},
      {"Mode switch bare", {{Qt::Key_Mode_switch, {}}}, false},
      {"A", {{Qt::Key_A, {}, "a"}}, true},
      {"Shift, then A",
       {{Qt::Key_Shift, Qt::ShiftModifier}, {Qt::Key_A, Qt::ShiftModifier, "A"}},
       true},
      {"Tab", {{Qt::Key_Tab, {}, "\t"}}, true},
      {"F5", {{Qt::Key_F5, {}}}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fw::CloseAllWindows();
    Settle();
    AboutWnd& about = AboutWnd::Instance();
    ASSERT_TRUE(QTest::qWaitForWindowActive(about.widget()));
    QWindow* window = about.widget()->windowHandle();
    // One event per key, as the window system sends them (QTest's own key
    // presses add presses of the modifiers held, and know no character for
    // most of these keys).
    for (const Press& press : c.presses)
      QTest::simulateEvent(window, true, press.key, press.held, press.text, false);
    for (auto press = c.presses.rbegin(); press != c.presses.rend(); ++press)
      QTest::simulateEvent(window, false, press->key, press->held, press->text, false);
    Settle();
    EXPECT_EQ(about.Visible(), !c.givesWay);
    // A window manager confirms the activation some time later.
    if (c.givesWay)
      EXPECT_TRUE(QTest::qWaitFor([] { return MainWindowIsFront(); }, 30000));
    else
      EXPECT_FALSE(MainWindowIsFront());
  }
}

// The splash shows no menu bar, yet carries the program's: its shortcuts act
// while it is frontmost, before its key-down sees the key.
TEST_F(AboutWndTest, MenuShortcutsActWhileItIsFrontmost) {
  AboutWnd& about = AboutWnd::Instance();
  Settle();
  ASSERT_EQ(fw::FrontmostWindow(), &about);
  ASSERT_FALSE(about.widget()->menuWidget() && about.widget()->menuWidget()->isVisible());
  QTest::keyClick(about.widget(), Qt::Key_Q, Qt::ControlModifier);
  Settle();
  EXPECT_TRUE(fw::QuitRequested());
  EXPECT_TRUE(about.Visible());
  EXPECT_EQ(fw::LiveInstance<ControlWnd>(), nullptr);
}

// After an early key the user opens the help window; the timer's expiry
// then brings the main window in front of it.
TEST_F(AboutWndTest, LateTimerBringsTheMainWindowForwardAgain) {
  AboutWnd& about = AboutWnd::Instance();
  QTest::keyClick(about.widget(), Qt::Key_Space);
  Settle();
  ControlWnd* main = fw::LiveInstance<ControlWnd>();
  ASSERT_NE(main, nullptr);
  DescriptionWnd::Instance().Show();
  Settle();
  ASSERT_FALSE(MainWindowIsFront());

  FireTimer(about);
  EXPECT_FALSE(about.Visible());
  EXPECT_TRUE(MainWindowIsFront());
  EXPECT_EQ(fw::LiveInstance<ControlWnd>(), main);
}

TEST_F(AboutWndTest, AboutShownFromTheHelpWindowGivesWayToTheMainWindow) {
  AboutWnd& about = AboutWnd::Instance();
  FireTimer(about);
  DescriptionWnd::Instance().Show();
  ShowAboutWindow();
  Settle();
  EXPECT_TRUE(about.Visible());
  EXPECT_EQ(fw::LiveInstance<AboutWnd>(), &about);
  QTest::mouseClick(about.content(), Qt::LeftButton, {}, QPoint(10, 10));
  Settle();
  EXPECT_FALSE(about.Visible());
  EXPECT_TRUE(MainWindowIsFront());
}

}  // namespace
