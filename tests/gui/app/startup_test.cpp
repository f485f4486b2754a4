// Start-up's order, the state each framework step finds, and what an
// exception in any step does: one report, no later step, no event loop, a
// non-zero exit code, finalisers all the same.
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
#include "core/app/startup.h"
#include "core/calc/scree.h"
#include "core/windows/about_wnd.h"
#include "framework/base/exception_hook.h"
#include "framework/ui/window.h"
#include "tests/support/scripted_services.h"

using testing::ElementsAre;
using testing::HasSubstr;

namespace {

// Records the framework steps with what start-up had done before each, and
// throws in the step named by failAt.
class RecordingFramework : public StartupFramework {
 public:
  explicit RecordingFramework(std::string failAt = "") : failAt_(std::move(failAt)) {}

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
    state.push_back(Snapshot());
    if (name == failAt_ || (failAt_ == "report" && name == "init"))
      throw std::runtime_error("failed in " + name);
  }

  static std::string Snapshot() {
    std::string s = fw::App() ? "app" : "no app";
    if (fw::App() && fw::App()->menuHandlers().Has("AboutVorn") &&
        fw::App()->menuHandlers().Has("AboutMenuItem"))
      s += ", handlers";
    s += ", windows " + std::to_string(fw::LiveWindows().size());
    return s;
  }

  std::string failAt_;
};

class StartupTest : public testing::Test {
 protected:
  // Each case starts as a fresh process would: no application object registered.
  void SetUp() override { fw::RegisterAppObject(nullptr); }
  void TearDown() override { fw::CloseAllWindows(); }
  fw::ScriptedServices script_;
};

TEST_F(StartupTest, RunsItsStepsInOrder) {
  RecordingFramework framework;
  EXPECT_EQ(QuarnelMain(framework), 0);
  EXPECT_THAT(framework.log, ElementsAre("hidpi on", "init", "after late start-up", "event loop",
                                         "finalizers"));
  EXPECT_THAT(framework.state,
              ElementsAre("no app, windows 0",
                          "app, handlers, windows 0",
                          "app, handlers, windows 1",
                          "app, handlers, windows 1"));
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

struct FailureCase {
  std::string failAt;
  std::vector<std::string> log;
  std::size_t windows;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << "failing in " << c.failAt; }

class StartupFailureTest : public StartupTest, public testing::WithParamInterface<FailureCase> {};

TEST_P(StartupFailureTest, IsReportedOnceAndEndsTheRun) {
  const FailureCase& c = GetParam();
  RecordingFramework framework(c.failAt);
  EXPECT_EQ(QuarnelMain(framework), 1);
  EXPECT_EQ(framework.log, c.log);
  EXPECT_EQ(fw::LiveWindows().size(), c.windows);
  ASSERT_EQ(script_.exceptions().size(), 1u);
  EXPECT_THAT(script_.exceptions().front(), HasSubstr("failed in"));
  EXPECT_THAT(script_.exceptions().front(), HasSubstr("start-up"));
}

INSTANTIATE_TEST_SUITE_P(
    EachStep, StartupFailureTest,
    testing::Values(
        FailureCase{"hidpi on", {"hidpi on", "report", "finalizers"}, 0},
        FailureCase{"init", {"hidpi on", "init", "report", "finalizers"}, 0},
        FailureCase{"after late start-up",
                    {"hidpi on", "init", "after late start-up", "report", "finalizers"}, 1},
        FailureCase{"event loop",
                    {"hidpi on", "init", "after late start-up", "event loop", "report",
                     "finalizers"},
                    1},
        // A report that fails itself still ends the run in order.
        FailureCase{"report", {"hidpi on", "init", "report", "finalizers"}, 0}),
    [](const testing::TestParamInfo<FailureCase>& info) {
      std::string name;
      for (char ch : info.param.failAt) name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
      return name;
    });

TEST_F(StartupTest, FailureBeforeTheApplicationObjectBindsNoHandlers) {
  RecordingFramework framework("hidpi on");
  EXPECT_EQ(QuarnelMain(framework), 1);
  EXPECT_EQ(fw::App(), nullptr);
}

}  // namespace
