// Start-up: the process from its entry to its exit. QuarnelMain runs the
// steps in their fixed order (initial values, high resolution, file types,
// application object, its menu handlers, framework initialisation with the
// default window, event loop). Handler exceptions during the event loop are
// the framework's exception hook's (framework/base/exception_hook.h), which
// every event and menu handler runs under. An exception raised by any step, or still pending when the
// event loop returns, is reported once and ends the run: no later step runs,
// so no window opens and no event loop runs, and the exit code is non-zero.
#pragma once

#include <exception>
#include <functional>
#include <string_view>

#include "core/app/startup_probe.h"

// The framework's part of start-up, behind an interface so that a test can
// watch the order and make any step fail.
class StartupFramework {
 public:
  virtual ~StartupFramework() = default;
  virtual void SetSupportsHiDPI(bool on) = 0;
  // Initialises the framework, then calls lateStartup back.
  virtual void RunFrameworkInitialization(const std::function<void()>& lateStartup) = 0;
  // Runs until the application quits; answers the exit code.
  virtual int RunEventLoop() = 0;
  virtual void ReportUnhandledException(std::exception_ptr error) = 0;
  // Ends the run: releases what the framework holds.
  virtual void RunFinalizers() = 0;
};

// The whole run; the process exit code: the event loop's after a quit, 1
// after a start-up failure.
int QuarnelMain(StartupFramework& framework);


// The steps, in the order QuarnelMain runs them; each passes any exception
// on to its caller.
void _RunInitializers();
void _EarlyStartup(StartupFramework& framework);
void _InitFileTypes();
void _NewAppInstance();
void _LateStartup();
void _MakeDefaultView();
