// Start-up's order, the state each step finds, and what an exception in any
// step does: one report, no later step, no event loop, a non-zero exit code,
// finalisers all the same.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/app/app.h"
#include "core/app/file_types.h"
#include "core/app/menu.h"
#include "core/app/pictures.h"
#include "core/app/startup.h"
#include "core/calc/scree.h"
#include "core/windows/about_wnd.h"
#include "framework/base/exception_hook.h"
#include "framework/ui/pictures.h"
#include "framework/ui/window.h"
#include "tests/support/scripted_services.h"

using testing::ElementsAre;
using testing::HasSubstr;

namespace {

// Records every step, the program's own (through the start-up probe) and the
// framework's, with what start-up had done before each, and throws in the
// step named by failAt.
class RecordingFramework : public StartupFramework {
 public:
  explicit RecordingFramework(std::string failAt = "") : failAt_(std::move(failAt)) {
    SetStartupProbe([this](std::string_view step) { Step(std::string(step)); });
  }
  ~RecordingFramework() override { SetStartupProbe(nullptr); }

  void SetSupportsHiDPI(bool on) override {
    Step(std::string("hidpi ") + (on ? "on" : "off"));
  }
  void RunFrameworkInitialization(const std::function<void()>& lateStartup) override {
    Step("init");
    lateStartup();
    Step("after late start-up");
  }
  int RunEventLoop() override {
    Step("event loop");
    return 0;
  }
  void ReportUnhandledException(std::exception_ptr error) override {
    log.push_back("report");
    fw::ReportUnhandledException(error, "start-up");
    if (failAt_ == "report") throw std::runtime_error("the report failed");
  }
  void RunFinalizers() override { log.push_back("finalizers"); }

  std::vector<std::string> log;
  std::vector<std::string> state;  // what start-up had done at each step

 private:
  void Step(const std::string& name) {
    log.push_back(name);
    state.push_back(name + ": " + Snapshot());
    if (name == failAt_ || (failAt_ == "report" && name == "init"))
      throw std::runtime_error("failed in " + name);
  }

  static std::string Snapshot() {
    std::string s = fw::App() ? "app" : "no app";
    if (fw::App() && fw::App()->menuBar()) s += " with its bar";
    if (fw::App() && fw::App()->menuHandlers().Has("AboutVorn") &&
        fw::App()->menuHandlers().Has("AboutMenuItem"))
      s += ", handlers";
    s += ", windows " + std::to_string(fw::LiveWindows().size());
    return s;
  }

  std::string failAt_;
};

// Every step of a run that fails nowhere, in order.
const std::vector<std::string> kSteps = {
    "_RunInitializers", "hidpi on", "_InitFileTypes", "_NewAppInstance", "Menu",
    "_ApplicationAddMenuHandlers", "init", "_LateStartup", "_MakeDefaultView",
    "after late start-up", "event loop"};

// The steps up to and including that one.
std::vector<std::string> Through(const std::string& last) {
  std::vector<std::string> steps;
  for (const std::string& step : kSteps) {
    steps.push_back(step);
    if (step == last) break;
  }
  return steps;
}

class StartupTest : public testing::Test {
 protected:
  // Each case starts as a fresh process would: no application object registered.
  void SetUp() override {
    fw::RegisterAppObject(nullptr);
    fw::ClearQuitRequest();
  }
  void TearDown() override {
    fw::CloseAllWindows();
    fw::SetPictureReader(nullptr);
    ForgetPictures();  // no picture of a fake reader stays for later tests
  }
  fw::ScriptedServices script_;
};

TEST_F(StartupTest, RunsItsStepsInOrder) {
  RecordingFramework framework;
  EXPECT_EQ(QuarnelMain(framework), 0);
  std::vector<std::string> expected = kSteps;
  expected.push_back("finalizers");
  EXPECT_EQ(framework.log, expected);
  // The application object is registered only once it carries its bar, and
  // its handlers are bound before the framework initialises.
  EXPECT_THAT(framework.state,
              ElementsAre("_RunInitializers: no app, windows 0",
                          "hidpi on: no app, windows 0",
                          "_InitFileTypes: no app, windows 0",
                          "_NewAppInstance: no app, windows 0",
                          "Menu: no app, windows 0",
                          "_ApplicationAddMenuHandlers: app with its bar, windows 0",
                          "init: app with its bar, handlers, windows 0",
                          "_LateStartup: app with its bar, handlers, windows 0",
                          "_MakeDefaultView: app with its bar, handlers, windows 0",
                          "after late start-up: app with its bar, handlers, windows 1",
                          "event loop: app with its bar, handlers, windows 1"));
  EXPECT_TRUE(script_.exceptions().empty());
}

TEST_F(StartupTest, LeavesTheVersionDataMenuBarAndFileTypes) {
  RecordingFramework framework;
  ASSERT_EQ(QuarnelMain(framework), 0);
  const HandleAboutMenu& app = App();
  EXPECT_EQ(app.MajorVersion, 2);
  EXPECT_EQ(app.MinorVersion, 0);
  EXPECT_EQ(app.BugVersion, 0);
  EXPECT_EQ(app.NonReleaseVersion, 2);
  EXPECT_EQ(app.StageCode, 3);
  EXPECT_EQ(app.LongVersion, kNotice);
  EXPECT_EQ(app.ShortVersion, "2.0");
  EXPECT_EQ(app.PackageInfo, "Quarnel");
  EXPECT_EQ(app.menuBar(), Menu::Shared());

  const std::vector<FileType>& types = FileTypes::pAllFileTypes();
  ASSERT_EQ(types.size(), 2u);
  EXPECT_EQ(types[0].Name, "text");
  EXPECT_EQ(types[0].MacType, "TEXT");
  EXPECT_EQ(types[0].MacCreator, "R*ch");
  EXPECT_TRUE(types[0].Imported);
  EXPECT_EQ(types[1].Name, "");
  EXPECT_EQ(types[1].MacCreator, "");
  EXPECT_TRUE(types[1].Imported);
}

TEST_F(StartupTest, FirstWindowIsTheAboutWindowShownAtOnce) {
  RecordingFramework framework;
  ASSERT_EQ(QuarnelMain(framework), 0);
  const std::vector<fw::Window*> windows = fw::LiveWindows();
  ASSERT_EQ(windows.size(), 1u);
  EXPECT_EQ(windows.front(), fw::LiveInstance<AboutWnd>());
  EXPECT_TRUE(windows.front()->Visible());
}

// The initialisers start every module afresh: a second run builds its own
// menu bar and reads the logo again.
TEST_F(StartupTest, InitializersStartFromNothing) {
  int logoReads = 0;
  fw::SetPictureReader([&](const std::string& name) {
    if (name == "Quarnel.tiff") ++logoReads;
    return std::make_shared<fw::Picture>(78, 78);
  });
  RecordingFramework first;
  ASSERT_EQ(QuarnelMain(first), 0);
  const std::shared_ptr<Menu> firstBar = Menu::Shared();
  fw::CloseAllWindows();
  module1().dirty = "y";
  RecordingFramework second;
  ASSERT_EQ(QuarnelMain(second), 0);
  EXPECT_NE(Menu::Shared(), firstBar);
  EXPECT_EQ(App().menuBar(), Menu::Shared());
  EXPECT_EQ(logoReads, 2);
  EXPECT_EQ(module1().dirty, "");
}

struct FailureCase {
  std::string failAt;
  std::vector<std::string> log;  // the steps that ran, the report, the finalisers
  bool appRegistered;
  std::size_t windows;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << "failing in " << c.failAt; }

std::vector<std::string> FailedAt(const std::string& step) {
  std::vector<std::string> log = Through(step);
  log.push_back("report");
  log.push_back("finalizers");
  return log;
}

class StartupFailureTest : public StartupTest, public testing::WithParamInterface<FailureCase> {};

TEST_P(StartupFailureTest, IsReportedOnceAndEndsTheRun) {
  const FailureCase& c = GetParam();
  RecordingFramework framework(c.failAt);
  EXPECT_EQ(QuarnelMain(framework), 1);
  EXPECT_EQ(framework.log, c.log);
  EXPECT_EQ(fw::App() != nullptr, c.appRegistered);
  EXPECT_EQ(fw::LiveWindows().size(), c.windows);
  ASSERT_EQ(script_.exceptions().size(), 1u);
  EXPECT_THAT(script_.exceptions().front(), HasSubstr("failed in"));
  EXPECT_THAT(script_.exceptions().front(), HasSubstr("start-up"));
  // The application's handlers are bound only by a run that got past them.
  if (fw::App()) {
    EXPECT_EQ(fw::App()->menuHandlers().Has("AboutVorn"),
              c.failAt != "_ApplicationAddMenuHandlers");
  }
}

INSTANTIATE_TEST_SUITE_P(
    EachStep, StartupFailureTest,
    testing::Values(
        FailureCase{"_RunInitializers", FailedAt("_RunInitializers"), false, 0},
        FailureCase{"hidpi on", FailedAt("hidpi on"), false, 0},
        FailureCase{"_InitFileTypes", FailedAt("_InitFileTypes"), false, 0},
        FailureCase{"_NewAppInstance", FailedAt("_NewAppInstance"), false, 0},
        // The half-built application object is never registered.
        FailureCase{"Menu", FailedAt("Menu"), false, 0},
        FailureCase{"_ApplicationAddMenuHandlers", FailedAt("_ApplicationAddMenuHandlers"), true,
                    0},
        FailureCase{"init", FailedAt("init"), true, 0},
        FailureCase{"_MakeDefaultView", FailedAt("_MakeDefaultView"), true, 0},
        FailureCase{"after late start-up", FailedAt("after late start-up"), true, 1},
        FailureCase{"event loop", FailedAt("event loop"), true, 1},
        // A report that fails itself still ends the run in order.
        FailureCase{"report", FailedAt("init"), true, 0}),
    [](const testing::TestParamInfo<FailureCase>& info) {
      std::string name;
      for (char ch : info.param.failAt) name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
      return name;
    });

// Building the About window fails (its logo cannot be read for want of
// memory, say): the half-built window is gone, and no event loop runs.
TEST_F(StartupTest, FailureWhileBuildingTheAboutWindowEndsTheRun) {
  fw::SetPictureReader([](const std::string&) -> std::shared_ptr<fw::Picture> {
    throw std::bad_alloc();
  });
  RecordingFramework framework;
  EXPECT_EQ(QuarnelMain(framework), 1);
  EXPECT_EQ(framework.log, FailedAt("_MakeDefaultView"));
  EXPECT_TRUE(fw::LiveWindows().empty());
  ASSERT_EQ(script_.exceptions().size(), 1u);
  EXPECT_THAT(script_.exceptions().front(), HasSubstr("bad_alloc"));
}

}  // namespace
