// Start-up's framework steps on Qt: the QApplication is created when the
// framework initialises, after the early steps (high-resolution support must
// be chosen before it exists), and destroyed by the finalisers. A failure in
// an early step is reported in a message box all the same: the report then
// creates the QApplication itself. Where Qt cannot start its platform (no
// display), the framework's initialisation fails with NoDisplayError, the
// report stays on stderr and the run ends with status 1.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>

#include "core/app/startup.h"

class QApplication;

class NoDisplayError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class QtStartup : public StartupFramework {
 public:
  QtStartup(int& argc, char** argv);
  ~QtStartup() override;

  void SetSupportsHiDPI(bool on) override;
  void RunFrameworkInitialization(const std::function<void()>& lateStartup) override;
  int RunEventLoop() override;
  void ReportUnhandledException(std::exception_ptr error) override;
  void RunFinalizers() override;

 private:
  // The QApplication with the program's name, version and icon; where Qt
  // starts no platform, `sayWhyNot` reports it and the run ends with status 1.
  void MakeApplication(const std::function<void()>& sayWhyNot);

  int& argc_;
  char** argv_;
  std::unique_ptr<QApplication> application_;
};
