#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWindow>

#include <gmock/gmock.h>

#include "framework/graphics/graphics.h"

#include "framework/base/exception_hook.h"
#include "tests/gui/framework/fixture.h"

namespace fwtest {
namespace {

using ::testing::ElementsAre;
using W1 = ProbeWnd<1>;
using W2 = ProbeWnd<2>;

TEST_F(FrameworkTest, AccessorBuildsOnceInOrderAndRebuildsAfterClose) {
  W1& first = W1::Instance();
  WaitActive(first);
  EXPECT_THAT(gLog, ElementsAre("W1 Layout", "W1 CreateControls", "W1 AddMenuHandlers", "W1 Open",
                                "W1 Activate"));
  EXPECT_EQ(&W1::Instance(), &first);
  EXPECT_TRUE(first.Visible());

  gLog.clear();
  first.Close();
  EXPECT_THAT(gLog, ElementsAre("W1 Close"));
  EXPECT_EQ(fw::LiveInstance<W1>(), nullptr);
  Settle();  // the closed window is freed by the event loop

  W1& second = W1::Instance();
  EXPECT_TRUE(second.IsOpen());
  EXPECT_EQ(fw::LiveWindows().size(), 1u);
}

TEST_F(FrameworkTest, AWindowClosedByItsOwnHandlerLivesUntilTheHandlerIsDone) {
  W1::setup.controls = [](fw::Window& w) {
    auto& close = static_cast<W1&>(w).Add<fw::PushButton>("CloseBtn");
    close.OnAction([&w](fw::PushButton& button) {
      w.Close();
      // A message box's nested event loop runs before the handler ends.
      QEventLoop nested;
      QTimer::singleShot(20, &nested, &QEventLoop::quit);
      nested.exec();
      gLog.push_back("handler still has " + button.Name() + " of " + w.Title());
    });
  };
  W1::setup.layout.Title = "Quarnel Graph";
  QTimer::singleShot(0, [] { W1::Instance().ControlAs<fw::PushButton>("CloseBtn").Push(); });
  W1::Instance();
  gLog.clear();
  QTest::qWait(100);
  EXPECT_THAT(gLog, ElementsAre("W1 Close", "handler still has CloseBtn of Quarnel Graph", "W1 freed"));
}

TEST_F(FrameworkTest, ClassesHaveSeparateInstancesAndHideKeepsTheWindow) {
  W1& one = W1::Instance();
  W2& two = W2::Instance();
  EXPECT_NE(static_cast<fw::Window*>(&one), static_cast<fw::Window*>(&two));
  one.Hide();
  EXPECT_FALSE(one.Visible());
  EXPECT_EQ(&W1::Instance(), &one);
  one.Show();
  WaitActive(one);
  EXPECT_TRUE(one.Visible());
  EXPECT_EQ(fw::FrontmostWindow(), &one);
}

// Qt counts a minimised window as visible, so showing it again does not
// bring it back by itself.
TEST_F(FrameworkTest, ShowRestoresAMinimisedWindowAndActivatesIt) {
  W1& one = W1::Instance();
  W2& two = W2::Instance();
  WaitActive(two);
  one.widget()->showMinimized();
  ASSERT_TRUE(QTest::qWaitFor([&] { return one.widget()->isMinimized(); }));
  one.Show();
  EXPECT_FALSE(one.widget()->isMinimized());
  WaitActive(one);
  EXPECT_EQ(fw::FrontmostWindow(), &one);
}

TEST_F(FrameworkTest, AnEmptyTitleShowsNoText) {
  // Qt would put the application's name into an empty title bar.
  W1::setup.layout.Title = "";
  W1& window = W1::Instance();
  EXPECT_EQ(window.Title(), "");
  EXPECT_FALSE(window.widget()->windowTitle().isEmpty());
  EXPECT_TRUE(window.widget()->windowTitle().trimmed().isEmpty());
}

TEST_F(FrameworkTest, HiddenAtCreationUntilShown) {
  W1::setup.layout.Visible = false;
  W1& window = W1::Instance();
  EXPECT_FALSE(window.Visible());
  EXPECT_THAT(gLog, ElementsAre("W1 Layout", "W1 CreateControls", "W1 AddMenuHandlers", "W1 Open"));
  window.Show();
  EXPECT_TRUE(window.Visible());
}

TEST_F(FrameworkTest, FailedBuildLeavesNoInstanceAndPassesTheExceptionOn) {
  W1::setup.controls = [](fw::Window&) { throw std::runtime_error("no controls today"); };
  EXPECT_THROW(W1::Instance(), std::runtime_error);
  EXPECT_EQ(fw::LiveInstance<W1>(), nullptr);
  EXPECT_TRUE(script.exceptions().empty());

  W1::setup.controls = nullptr;
  EXPECT_TRUE(W1::Instance().IsOpen());
}

TEST_F(FrameworkTest, PropertiesOfTheLayout) {
  W1::setup.layout = {.Width = 500, .Height = 550, .MaximumWidth = 500, .MaximumHeight = 500,
                      .Title = "Quarnel", .HasMaximizeButton = false, .Resizeable = false,
                      .HasBackgroundColor = true, .BackgroundColor = fw::RGB(255, 255, 255)};
  W1& window = W1::Instance();
  // The maximum height below the height must not cut the lower controls off.
  EXPECT_EQ(window.Width(), 500);
  EXPECT_EQ(window.Height(), 550);
  EXPECT_EQ(window.Title(), "Quarnel");
  EXPECT_FALSE(window.widget()->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(window.widget()->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_EQ(window.content()->palette().color(QPalette::Window), QColor(255, 255, 255));
}

TEST_F(FrameworkTest, ResizableWindowKeepsItsSizeAboveAMaximumBelowIt) {
  W1::setup.layout = {.Width = 300, .Height = 400, .MaximumWidth = 200, .MaximumHeight = 100};
  W1& window = W1::Instance();
  EXPECT_GE(window.content()->maximumHeight(), 400);
  EXPECT_GE(window.content()->maximumWidth(), 300);
  EXPECT_EQ(window.Height(), 400);
}

// The window system's request to close a window without a close box is
// turned down and handed to the window, once the close event is over and
// once however often it was asked meanwhile.
TEST_F(FrameworkTest, DialogFrameHasNoCloseBoxAndHandsTheWindowSystemsCloseToTheWindow) {
  W1::setup.layout = {.Width = 300, .Height = 200, .Type = fw::WindowType::ModalDialog,
                      .HasCloseButton = false, .HasMinimizeButton = false,
                      .HasMaximizeButton = false};
  W1& window = W1::Instance();
  EXPECT_EQ(window.widget()->windowFlags() & Qt::WindowType_Mask, Qt::Dialog);
  EXPECT_FALSE(window.widget()->windowFlags() & Qt::WindowCloseButtonHint);
  Settle();  // activation
  gLog.clear();

  window.widget()->windowHandle()->close();  // as the window manager asks
  window.widget()->close();
  EXPECT_TRUE(gLog.empty());
  Settle();
  EXPECT_THAT(gLog, ElementsAre("W1 CloseRequest"));
  EXPECT_TRUE(window.IsOpen());
  EXPECT_TRUE(window.Visible());
  window.widget()->close();  // asked again later: handed on again
  Settle();
  EXPECT_THAT(gLog, ElementsAre("W1 CloseRequest", "W1 CloseRequest"));
  window.Close();  // its own code still closes it
  EXPECT_FALSE(window.IsOpen());
}

TEST_F(FrameworkTest, CloseBoxEndsTheInstance) {
  W1& window = W1::Instance();
  window.widget()->close();
  EXPECT_FALSE(window.IsOpen());
  EXPECT_EQ(fw::LiveInstance<W1>(), nullptr);
  EXPECT_THAT(gLog.back(), "W1 Close");
  Settle();
  EXPECT_THAT(gLog, testing::Not(testing::Contains("W1 CloseRequest")));
}

TEST_F(FrameworkTest, ControlsAreFoundByNameAndClass) {
  W1::setup.controls = [](fw::Window& w) {
    static_cast<W1&>(w).Add<fw::Label>("StaticText1").SetProperties({.Text = "Quarnel"});
    static_cast<W1&>(w).Add<fw::PushButton>("ClearBtn").SetProperties({.Caption = "Clear"});
  };
  W1& window = W1::Instance();
  EXPECT_EQ(window.ControlAs<fw::Label>("StaticText1").Text(), "Quarnel");
  EXPECT_EQ(window.ControlAs<fw::PushButton>("ClearBtn").Caption(), "Clear");
  EXPECT_THROW(window.ControlByName("Missing"), fw::NilObjectException);
  EXPECT_THROW(window.ControlAs<fw::Label>("ClearBtn"), fw::NilObjectException);
}

TEST_F(FrameworkTest, ControlsDrawWhatTheirPropertiesSay) {
  auto logo = std::make_shared<fw::Picture>(20, 10);
  logo->Graphics().SetDrawingColor(fw::RGB(200, 0, 0));
  logo->Graphics().FillRect(0, 0, 20, 10);
  W1::setup.layout.HasBackgroundColor = true;
  W1::setup.controls = [&](fw::Window& w) {
    auto& window = static_cast<W1&>(w);
    window.Add<fw::Rectangle>("Rectangle1").SetProperties(
        {.Left = 10, .Top = 10, .Width = 50, .Height = 6, .FillColor = fw::RGB(0, 0, 255),
         .BorderWidth = 1, .TopLeftColor = fw::RGB(0, 0, 128), .BottomRightColor = fw::RGB(0, 255, 0)});
    auto& canvas = window.Add<fw::Canvas>("Canvas3");
    canvas.SetBackdrop(logo);
    canvas.SetProperties({.Left = 100, .Top = 10, .Width = 40, .Height = 40});
    window.Add<fw::Label>("StaticText4").SetProperties(
        {.Left = 10, .Top = 60, .Width = 180, .Height = 50, .Text = "Quarnel", .FontSize = 36,
         .Bold = true, .TextAlignment = fw::Alignment::Center,
         .TextColor = fw::RGB(0, 0, 200)});
  };
  W1& window = W1::Instance();
  const QImage shot = window.content()->grab().toImage();
  const qreal ratio = shot.devicePixelRatio();
  auto at = [&](int x, int y) { return shot.pixelColor(QPoint(x, y) * ratio); };
  EXPECT_EQ(at(30, 10), QColor(0, 0, 128));   // top edge
  EXPECT_EQ(at(10, 12), QColor(0, 0, 128));   // left edge
  EXPECT_EQ(at(30, 13), QColor(0, 0, 255));   // fill
  EXPECT_EQ(at(30, 15), QColor(0, 255, 0));   // bottom edge
  EXPECT_EQ(at(59, 12), QColor(0, 255, 0));   // right edge
  EXPECT_EQ(at(105, 15), QColor(200, 0, 0));  // backdrop at the canvas's top left, unscaled
  EXPECT_EQ(at(125, 15), QColor(255, 255, 255));
  const QFont title = window.ControlByName("StaticText4").widget()->font();
  EXPECT_EQ(title.pixelSize(), 36);
  EXPECT_TRUE(title.bold());
}

TEST_F(FrameworkTest, KeysAndClicksReachTheWindowWhereNoControlTakesThem) {
  W1::setup.controls = [](fw::Window& w) {
    static_cast<W1&>(w).Add<fw::Label>("StaticText1").SetProperties(
        {.Left = 10, .Top = 10, .Width = 100, .Height = 20, .Text = "title"});
    // A canvas without a MouseDown handler leaves the click to the window.
    static_cast<W1&>(w).Add<fw::Canvas>("Canvas1").SetProperties(
        {.Left = 50, .Top = 50, .Width = 40, .Height = 40, .Enabled = false});
  };
  W1& window = W1::Instance();
  WaitActive(window);
  gLog.clear();
  // Through the window system, as a user's key arrives.
  QTest::keyClick(window.widget()->windowHandle(), Qt::Key_X);
  // Keys that give no character arrive with an empty text; a modifier alone
  // is no key of its own.
  for (Qt::Key key : {Qt::Key_Left, Qt::Key_Home, Qt::Key_F5, Qt::Key_Shift, Qt::Key_Control})
    QTest::keyClick(window.widget()->windowHandle(), key);
  QTest::mouseClick(window.ControlByName("StaticText1").widget(), Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseClick(window.ControlByName("Canvas1").widget(), Qt::LeftButton, {}, QPoint(1, 2));
  EXPECT_THAT(gLog, ElementsAre("W1 KeyDown x", "W1 KeyDown ", "W1 KeyDown ", "W1 KeyDown ",
                                "W1 MouseDown 15,15", "W1 MouseDown 51,52"));
}

TEST_F(FrameworkTest, ControlEventsRunTheirHandlers) {
  std::vector<std::string> seen;
  W1::setup.controls = [&](fw::Window& w) {
    auto& window = static_cast<W1&>(w);
    auto& button = window.Add<fw::PushButton>("GraphBtn");
    button.SetProperties({.Caption = "Graph"});
    button.OnAction([&](fw::PushButton& b) { seen.push_back(b.Name() + " Action"); });
    auto& canvas = window.Add<fw::Canvas>("Canvas1");
    canvas.SetProperties({.Left = 100, .Top = 0, .Width = 74, .Height = 45});
    canvas.OnOpen([&](fw::Canvas& c) { seen.push_back(c.Name() + " Open"); });
    canvas.OnMouseDown([&](fw::Canvas& c, fw::Integer x, fw::Integer y) {
      seen.push_back(c.Name() + " MouseDown " + std::to_string(x) + "," + std::to_string(y));
      return false;
    });
  };
  W1& window = W1::Instance();
  EXPECT_THAT(seen, ElementsAre("Canvas1 Open"));
  window.ControlAs<fw::PushButton>("GraphBtn").Push();
  QTest::mouseClick(window.ControlByName("Canvas1").widget(), Qt::LeftButton, {}, QPoint(3, 4));
  EXPECT_THAT(seen, ElementsAre("Canvas1 Open", "GraphBtn Action", "Canvas1 MouseDown 3,4"));
}

TEST_F(FrameworkTest, OneShotTimerFiresOnceOnTime) {
  QElapsedTimer clock;
  std::vector<qint64> fired;
  W1::setup.controls = [&](fw::Window& w) {
    auto& timer = static_cast<W1&>(w).Add<fw::Timer>("Timer1");
    timer.SetProperties({.Period = 200, .RunMode = fw::TimerMode::Single});
    timer.OnAction([&](fw::Timer&) { fired.push_back(clock.elapsed()); });
  };
  clock.start();
  W1& window = W1::Instance();
  EXPECT_TRUE(window.ControlAs<fw::Timer>("Timer1").IsRunning());
  QTest::qWait(500);
  ASSERT_EQ(fired.size(), 1u);
  EXPECT_GE(fired[0], 200);
  EXPECT_FALSE(window.ControlAs<fw::Timer>("Timer1").IsRunning());
  EXPECT_EQ(window.ControlAs<fw::Timer>("Timer1").timer()->timerType(), Qt::PreciseTimer);
}

}  // namespace
}  // namespace fwtest
