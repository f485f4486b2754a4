#include "core/app/qt_startup.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

#include "core/app/qt_platform.h"
#include "core/version.h"
#include "framework/base/exception_hook.h"
#include "framework/graphics/qt_conversions.h"
#include "framework/ui/application.h"
#include "framework/ui/qt_services.h"
#include "framework/ui/window.h"

namespace {

// The icon images in a hicolor tree (<size>/apps/quarnel.png for each size).
QIcon IconsUnder(const QString& hicolor) {
  QIcon icon;
  for (const QFileInfo& size : QDir(hicolor).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    const QImage image = fw::ReadPictureFile(size.filePath() + "/apps/quarnel.png");
    if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

// The desktop theme's icon where it has one; else the icon installed with the
// program, found as its pictures are (next to the executable, then in the
// installed data folder): a prefix outside the theme's search path, a user's
// own folder say, is never looked at by the theme.
QIcon ProgramIcon() {
  QIcon installed = IconsUnder(QCoreApplication::applicationDirPath() + "/../share/icons/hicolor");
  if (installed.isNull()) installed = IconsUnder(QStringLiteral(QUARNEL_ICON_DIR));
  return QIcon::fromTheme(QStringLiteral("quarnel"), installed);
}

}  // namespace

QtStartup::QtStartup(int& argc, char** argv) : argc_(argc), argv_(argv) {}

QtStartup::~QtStartup() = default;

void QtStartup::SetSupportsHiDPI(bool on) { fw::SetSupportsHiDPI(on); }

void QtStartup::MakeApplication(const std::function<void()>& sayWhyNot) {
  application_ = MakeQtApplication(argc_, argv_, sayWhyNot);
  fw::UseQtServices();
  QApplication::setApplicationName(fw::ToQt(version::kPackage));
  QApplication::setApplicationVersion(fw::ToQt(version::kShortVersion));
  // The installed icon and desktop entry are both named "quarnel".
  QApplication::setDesktopFileName("quarnel");
  QApplication::setWindowIcon(ProgramIcon());
}

void QtStartup::RunFrameworkInitialization(const std::function<void()>& lateStartup) {
  // Where Qt cannot start its platform, the run ends as after any other
  // failed step, with the report on stderr.
  MakeApplication([] {
    fw::ReportUnhandledException(
        std::make_exception_ptr(
            NoDisplayError("No display could be opened: the program needs a window system.")),
        "start-up");
  });
  lateStartup();
}

int QtStartup::RunEventLoop() { return fw::RunEventLoop(); }

void QtStartup::ReportUnhandledException(std::exception_ptr error) {
  // A step before the framework's initialisation failed: the report needs the
  // application for its message box. Where no display can be had it stays on
  // stderr.
  const auto report = [error] { fw::ReportUnhandledException(error, "start-up"); };
  if (!QCoreApplication::instance()) MakeApplication(report);
  report();
}

void QtStartup::RunFinalizers() {
  fw::CloseAllWindows();
  application_.reset();
}
