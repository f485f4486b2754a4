#include "core/app/qt_platform.h"

#include <QApplication>
#include <QGuiApplication>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler gQtHandler = nullptr;
const std::function<void()>* gSayWhy = nullptr;

// Qt's messages go on as before; only its fatal one while no platform has
// started (its conclusion, "...Reinstalling the application may fix this
// problem.") gives way to the program's report.
void ReportNoPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtFatalMsg && QGuiApplication::platformName().isEmpty()) {
    (*gSayWhy)();
    std::fflush(nullptr);
    std::_Exit(1);  // half made, Qt's objects are no safe thing to destroy
  }
  gQtHandler(type, context, message);
}

}  // namespace

std::unique_ptr<QApplication> MakeQtApplication(int& argc, char** argv,
                                                const std::function<void()>& sayWhy) {
  gSayWhy = &sayWhy;
  gQtHandler = qInstallMessageHandler(ReportNoPlatform);
  auto application = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(gQtHandler);
  gSayWhy = nullptr;
  return application;
}
