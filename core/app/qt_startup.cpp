#include "core/app/qt_startup.h"

#include <QApplication>
#include <QIcon>
#include <QString>

#include "core/version.h"
#include "framework/base/exception_hook.h"
#include "framework/ui/application.h"
#include "framework/ui/qt_services.h"
#include "framework/ui/window.h"

QtStartup::QtStartup(int& argc, char** argv) : argc_(argc), argv_(argv) {}

QtStartup::~QtStartup() = default;

void QtStartup::SetSupportsHiDPI(bool on) { fw::SetSupportsHiDPI(on); }

void QtStartup::RunFrameworkInitialization(const std::function<void()>& lateStartup) {
  application_ = std::make_unique<QApplication>(argc_, argv_);
  fw::UseQtServices();
  const QString package = QString::fromUtf8(version::kPackage.data(),
                                            static_cast<int>(version::kPackage.size()));
  QApplication::setApplicationName(package);
  QApplication::setApplicationVersion(QString::fromUtf8(version::kShortVersion.data(),
                                                        static_cast<int>(version::kShortVersion.size())));
  // The installed icon and desktop entry are both named "quarnel".
  QApplication::setDesktopFileName("quarnel");
  QApplication::setWindowIcon(QIcon::fromTheme("quarnel"));
  lateStartup();
}

int QtStartup::RunEventLoop() { return fw::RunEventLoop(); }

void QtStartup::ReportUnhandledException(std::exception_ptr error) {
  fw::ReportUnhandledException(error, "start-up");
}

void QtStartup::RunFinalizers() {
  fw::CloseAllWindows();
  application_.reset();
}
