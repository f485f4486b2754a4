#include "core/app/startup.h"

#include "core/app/app.h"
#include "core/app/default_window.h"
#include "core/app/file_types.h"
#include "core/app/menu.h"
#include "core/app/pictures.h"
#include "core/calc/module1.h"

namespace {

constexpr int kStartupFailed = 1;

// _Main: every step runs only while no exception is pending; the first one
// raised is handed to the report and ends start-up.
int _Main(StartupFramework& framework) {
  try {
    _RunInitializers();
    _EarlyStartup(framework);
    framework.RunFrameworkInitialization(_LateStartup);
    return framework.RunEventLoop();
  } catch (...) {
    framework.ReportUnhandledException(std::current_exception());
    return kStartupFailed;
  }
}

}  // namespace

void _RunInitializers() {
  StartupStep("_RunInitializers");
  // Every module starts from its initial values before any window can read
  // them, as in a fresh process (tests run start-up more than once): the
  // results record, no shared menu bar, no picture read.
  module1() = Module1{};
  Menu::ForgetShared();
  ForgetPictures();
}

void _EarlyStartup(StartupFramework& framework) {
  framework.SetSupportsHiDPI(true);
  _InitFileTypes();
  _NewAppInstance();
  _ApplicationAddMenuHandlers();
}

void _InitFileTypes() {
  StartupStep("_InitFileTypes");
  FileTypes::_Initialize();
}

void _LateStartup() {
  StartupStep("_LateStartup");
  _MakeDefaultView();
}

void _MakeDefaultView() {
  StartupStep("_MakeDefaultView");
  MakeDefaultWindow();
}

int QuarnelMain(StartupFramework& framework) {
  int exitCode = kStartupFailed;
  try {
    exitCode = _Main(framework);
  } catch (...) {
    // The report itself failed; the run still ends in order below.
  }
  framework.RunFinalizers();
  return exitCode;
}
