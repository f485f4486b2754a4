#include <QApplication>
#include <QMainWindow>
#include <QPointer>
#include <QWidget>

#include <limits>

#include "framework/ui/controls.h"
#include "framework/ui/internal.h"
#include "framework/ui/window.h"

namespace fw {

int ToInt(long long value) {
  if (value < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return static_cast<int>(value);
}

QString TitleBarText(const std::string& title) {
  return title.empty() ? QStringLiteral(" ") : ToQt(title);
}

Qt::Alignment HorizontalAlignment(Alignment alignment) {
  switch (alignment) {
    case Alignment::Center: return Qt::AlignHCenter;
    case Alignment::Right: return Qt::AlignRight;
    case Alignment::Default:
    case Alignment::Left: break;
  }
  return Qt::AlignLeft;
}

QFont MakeFont(const std::string& family, long long pixelSize, bool bold) {
  // "System" is the layouts' name for the platform's dialog font; their label
  // widths were made for its narrow metrics, which Liberation Sans shares (the
  // desktop default here, DejaVu Sans, runs a fifth wider and overflows them).
  // Named families go to fontconfig untouched, so its aliases apply
  // ("Courier" becomes a fixed-pitch face); a style hint would override them.
  const bool system = family.empty() || family == "System";
  QFont font(system ? QStringLiteral("Liberation Sans") : ToQt(family));
  font.setPixelSize(pixelSize > 0 ? ToInt(pixelSize) : 12);
  font.setBold(bold);
  return font;
}

namespace {
QPointer<QWidget> gHost;

void TearDown() {
  CloseAllWindows();
  delete gHost.data();
}
}  // namespace

QWidget* UiHost() {
  if (!gHost) {
    EnsureTeardown();
    gHost = new QWidget;
  }
  return gHost;
}

void EnsureTeardown() {
  // Widgets must go before the QApplication; its destructor calls these
  // routines first.
  static bool registered = false;
  if (registered || !QCoreApplication::instance()) return;
  qAddPostRoutine(TearDown);
  registered = true;
}

Window* WindowOf(const QWidget* widget) {
  if (!widget) return nullptr;
  const QWidget* top = widget->window();
  for (Window* window : LiveWindows())
    if (window->widget() == top) return window;
  return nullptr;
}

}  // namespace fw
