// The splash and About window: its one-shot timer, giving way to the main
// window on a key, a click or the timer, and the timer's late firing.
#include <QMetaObject>
#include <QTimer>

#include <gmock/gmock.h>

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

TEST_F(AboutWndTest, AModifierAloneLeavesItUp) {
  AboutWnd& about = AboutWnd::Instance();
  for (Qt::Key key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_AltGr, Qt::Key_Meta,
                      Qt::Key_CapsLock, Qt::Key_NumLock, Qt::Key_ScrollLock}) {
    SCOPED_TRACE(QTest::toString(key));
    // With no text: QTest has no character for most of these keys.
    QTest::sendKeyEvent(QTest::Click, about.widget(), key, QString(), Qt::NoModifier);
    Settle();
    EXPECT_TRUE(about.Visible());
  }
  EXPECT_EQ(fw::LiveInstance<ControlWnd>(), nullptr);
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
