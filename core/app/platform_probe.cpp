#include "core/app/platform_probe.h"

#include <QtGlobal>

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)

#include <QByteArrayList>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QString>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace {

QByteArrayList& HeldMessages() {
  static QByteArrayList messages;
  return messages;
}

// In the trial process: Qt's messages are held back, and said only when the
// platform fails (the reasons: "could not connect to display :9", say), in
// place of Qt's abort. A platform that starts says nothing here, since the
// program's own start says it again.
void HoldMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  HeldMessages().append(qFormatLogMessage(type, context, message).toLocal8Bit());
  if (type != QtFatalMsg) return;
  HeldMessages().removeLast();  // Qt's own conclusion, which the program's report replaces
  for (const QByteArray& line : HeldMessages()) std::fprintf(stderr, "%s\n", line.constData());
  std::fflush(stderr);
  _exit(1);
}

}  // namespace

// Qt decides only by trying, and a failed try ends the process: the try runs
// in a copy of this process, which has made no application yet.
bool QtPlatformCanStart(int argc, char** argv) {
  std::fflush(nullptr);
  const pid_t trial = fork();
  if (trial < 0) return true;  // no way to know: let Qt try for real
  if (trial == 0) {
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    qInstallMessageHandler(HoldMessages);
    // The routines run once the platform is up, before the rest of the
    // application is made: enough to know.
    qAddPreRoutine([] { _exit(0); });
    int trialArgc = argc;
    const QGuiApplication application(trialArgc, argv);
    _exit(0);
  }
  int status = 0;
  while (waitpid(trial, &status, 0) < 0) {
    if (errno != EINTR) return true;
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

#else

// Elsewhere the platform is the desktop's own and always there.
bool QtPlatformCanStart(int, char**) { return true; }

#endif
