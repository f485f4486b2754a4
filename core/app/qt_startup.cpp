#include "core/app/qt_startup.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QString>

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
    const QString file = size.filePath() + "/apps/quarnel.png";
    if (QFileInfo(file).isFile()) icon.addFile(file);
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

// The platform Qt starts on when none is chosen.
#if defined(Q_OS_WIN)
constexpr char kUsualPlatform[] = "windows";
#elif defined(Q_OS_MACOS)
constexpr char kUsualPlatform[] = "cocoa";
#else
constexpr char kUsualPlatform[] = "xcb";
#endif

// Sets an environment variable for a scope and restores it after.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const QByteArray& value)
      : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
    qputenv(name, value);
  }
  ~ScopedEnvironment() {
    if (had_) {
      qputenv(name_, old_);
    } else {
      qunsetenv(name_);
    }
  }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  const char* name_;
  bool had_;
  QByteArray old_;
};

}  // namespace

QtStartup::QtStartup(int& argc, char** argv) : argc_(argc), argv_(argv) {}

QtStartup::~QtStartup() = default;

void QtStartup::SetSupportsHiDPI(bool on) { fw::SetSupportsHiDPI(on); }

void QtStartup::MakeApplication() {
  application_ = std::make_unique<QApplication>(argc_, argv_);
  fw::UseQtServices();
  QApplication::setApplicationName(fw::ToQt(version::kPackage));
  QApplication::setApplicationVersion(fw::ToQt(version::kShortVersion));
  // The installed icon and desktop entry are both named "quarnel".
  QApplication::setDesktopFileName("quarnel");
  QApplication::setWindowIcon(ProgramIcon());
}

void QtStartup::RunFrameworkInitialization(const std::function<void()>& lateStartup) {
  MakeApplication();
  lateStartup();
}

int QtStartup::RunEventLoop() { return fw::RunEventLoop(); }

void QtStartup::ReportUnhandledException(std::exception_ptr error) {
  // A step before the framework's initialisation failed: the report needs the
  // application for its message box. Where no display can be had, Qt would
  // end the process at once; the offscreen platform after the chosen one
  // leaves the report on stderr and the run its exit code.
  if (!QCoreApplication::instance()) {
    QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty()) platform = kUsualPlatform;
    const ScopedEnvironment fallback("QT_QPA_PLATFORM", platform + ";offscreen");
    MakeApplication();
  }
  fw::ReportUnhandledException(error, "start-up");
}

void QtStartup::RunFinalizers() {
  fw::CloseAllWindows();
  application_.reset();
}
