// Start-up's framework steps on Qt, in a process that has no QApplication of
// its own, as the program has none before its framework initialises:
// high-resolution support is chosen before the QApplication exists, and a
// failure before it exists is reported with a QApplication there for the
// message box, and ends the run with status 1 even where no display can be had.
//
// Run as "qt_startup_tests --fail-at <step>", it is the program failing in
// that step of start-up, for a look at the real box under X.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/app/qt_startup.h"
#include "core/app/startup.h"
#include "framework/ui/application.h"
#include "tests/support/scripted_services.h"

using testing::HasSubstr;

namespace {

// Makes the named step of start-up fail, for its lifetime.
class FailingStep {
 public:
  explicit FailingStep(std::string step) {
    SetStartupProbe([step](std::string_view now) {
      if (now == step) throw std::runtime_error("failed in " + step);
    });
  }
  ~FailingStep() { SetStartupProbe(nullptr); }
  FailingStep(const FailingStep&) = delete;
  FailingStep& operator=(const FailingStep&) = delete;
};

int RunFailingIn(const std::string& step, int argc, char** argv) {
  FailingStep failing(step);
  QtStartup framework(argc, argv);
  return QuarnelMain(framework);
}

// The real framework steps, watched: whether a QApplication exists when
// high-resolution support is chosen, the scaling policy the event loop runs
// with; the loop quits at once.
class WatchedStartup : public QtStartup {
 public:
  using QtStartup::QtStartup;

  void SetSupportsHiDPI(bool on) override {
    applicationAtHiDPI = QCoreApplication::instance() != nullptr;
    QtStartup::SetSupportsHiDPI(on);
  }
  int RunEventLoop() override {
    policyInLoop = QGuiApplication::highDpiScaleFactorRoundingPolicy();
    QTimer::singleShot(0, [] { fw::Quit(0); });
    return QtStartup::RunEventLoop();
  }

  bool applicationAtHiDPI = true;
  Qt::HighDpiScaleFactorRoundingPolicy policyInLoop = Qt::HighDpiScaleFactorRoundingPolicy::Unset;
};

// Notes whether a message box could be shown when the report came.
class ReportWatch : public fw::ScriptedServices {
 public:
  void ReportUnhandledException(const std::string& description) override {
    applicationAtReport = QCoreApplication::instance() != nullptr;
    ScriptedServices::ReportUnhandledException(description);
  }
  bool applicationAtReport = false;
};

int gArgc = 1;
char gName[] = "qt_startup_tests";
char* gArgv[] = {gName, nullptr};

TEST(QtStartupTest, HighResolutionIsChosenBeforeTheApplicationExists) {
  // A policy that the step must replace: chosen too late, it would stay.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
  fw::ScriptedServices script;
  WatchedStartup framework(gArgc, gArgv);
  EXPECT_EQ(QuarnelMain(framework), 0);
  EXPECT_FALSE(framework.applicationAtHiDPI);
  EXPECT_EQ(framework.policyInLoop, Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
  EXPECT_EQ(QCoreApplication::instance(), nullptr);  // gone with the finalisers
  EXPECT_TRUE(script.exceptions().empty());
}

class EarlyFailureTest : public testing::TestWithParam<std::string> {};

TEST_P(EarlyFailureTest, IsReportedWhereAMessageBoxCanBeShown) {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  ReportWatch report;
  EXPECT_EQ(RunFailingIn(GetParam(), gArgc, gArgv), 1);
  ASSERT_EQ(report.exceptions().size(), 1u);
  EXPECT_THAT(report.exceptions().front(), HasSubstr("failed in " + GetParam()));
  EXPECT_TRUE(report.applicationAtReport);
  EXPECT_EQ(QCoreApplication::instance(), nullptr);
  EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), platform);  // the fallback was for the report only
}

INSTANTIATE_TEST_SUITE_P(BeforeTheFramework, EarlyFailureTest,
                         testing::Values("_RunInitializers", "_InitFileTypes", "_NewAppInstance",
                                         "Menu", "_ApplicationAddMenuHandlers"));

// Without a display Qt cannot make the application the box needs: the report
// stays on stderr, and the run ends with status 1 rather than Qt's abort.
TEST(EarlyFailureDeathTest, WithoutADisplayEndsWithStatusOne) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        qputenv("QT_QPA_PLATFORM", "xcb");
        qunsetenv("DISPLAY");
        qunsetenv("WAYLAND_DISPLAY");
        std::exit(RunFailingIn("_NewAppInstance", gArgc, gArgv));
      },
      testing::ExitedWithCode(1), "std::runtime_error was not handled in start-up");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string_view(argv[1]) == "--fail-at") return RunFailingIn(argv[2], argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
