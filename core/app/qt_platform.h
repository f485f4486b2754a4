// Making the QApplication where Qt may be unable to start its platform (the
// window system): no display, a display with no server, a platform plugin
// that does not load. Qt then ends the process from inside the
// application's construction with an abort of its own.
#pragma once

#include <functional>
#include <memory>

class QApplication;

// Makes the application. Where Qt starts no platform, Qt's own reasons are
// on stderr already ("could not connect to display :9", say); `sayWhy` adds
// the program's report after them and the run ends there with status 1, in
// place of Qt's abort: the construction that failed cannot return.
std::unique_ptr<QApplication> MakeQtApplication(int& argc, char** argv,
                                                const std::function<void()>& sayWhy);
