#include "framework/ui/application.h"

#include <QApplication>
#include <QGuiApplication>

#include "framework/base/exception_hook.h"
#include "framework/ui/controls.h"
#include "framework/ui/internal.h"
#include "framework/ui/window.h"

namespace fw {
namespace {

Application* gApp = nullptr;
Window* gLastActivated = nullptr;
bool gQuitRequested = false;
int gExitCode = 0;

}  // namespace

void MenuHandlers::Add(std::string itemName, MenuHandler handler) {
  handlers_[std::move(itemName)].push_back(std::move(handler));
}

bool MenuHandlers::Has(const std::string& itemName) const {
  return handlers_.find(itemName) != handlers_.end();
}

bool MenuHandlers::Run(const std::string& itemName) const {
  auto found = handlers_.find(itemName);
  if (found == handlers_.end()) return false;
  // A copy: a handler may bind further handlers while it runs.
  const std::vector<MenuHandler> bound = found->second;
  for (const auto& handler : bound)
    if (RunGuarded("menu handler " + itemName, handler)) return true;
  return false;
}

Application::Application() = default;

Application::~Application() {
  if (gApp == this) gApp = nullptr;
}

void Application::SetVersionData(Integer major, Integer minor, Integer bug, Integer nonRelease,
                                 Integer stage, std::string longVersion,
                                 std::string shortVersion, std::string packageInfo) {
  MajorVersion = major;
  MinorVersion = minor;
  BugVersion = bug;
  NonReleaseVersion = nonRelease;
  StageCode = stage;
  LongVersion = std::move(longVersion);
  ShortVersion = std::move(shortVersion);
  PackageInfo = std::move(packageInfo);
}

void Application::AddMenuHandler(std::string itemName, MenuHandler handler) {
  handlers_.Add(std::move(itemName), std::move(handler));
}

void RegisterAppObject(Application* app) { gApp = app; }
Application* App() { return gApp; }

void NoteActivated(Window* window) { gLastActivated = window; }
void ForgetWindow(Window* window) {
  if (gLastActivated == window) gLastActivated = nullptr;
}

Window* FrontmostWindow() {
  if (Window* active = WindowOf(QApplication::activeWindow()); active && active->IsOpen())
    return active;
  if (gLastActivated && gLastActivated->IsOpen() && gLastActivated->Visible()) return gLastActivated;
  return nullptr;
}

std::shared_ptr<MenuItem> MenuBarFor(const Window* window) {
  if (window && window->menuBar()) return window->menuBar();
  return gApp ? gApp->menuBar() : nullptr;
}

void RunEnablingPass(Window* frontmost) {
  auto bar = MenuBarFor(frontmost);
  if (!bar) return;
  for (const auto& item : AllItems(bar))
    if (item != bar && item->children().empty()) item->Enabled = item->AutoEnable;
  if (TextArea* area = FocusedTextArea(frontmost)) EnableEditItems(*bar, *area);
  if (frontmost) RunGuarded("Window.EnableMenuItems", [&] { frontmost->Event_EnableMenuItems(); });
  if (gApp) RunGuarded("Application.EnableMenuItems", [] { gApp->Event_EnableMenuItems(); });
  SyncMenuUi(*bar);
}

void Dispatch(MenuItem& item, Window* frontmost) {
  if (!item.Enabled || !item.IsShown() || !item.children().empty()) return;
  if (TextArea* area = FocusedTextArea(frontmost); area && RunEditItem(item.Name, *area)) return;
  if (frontmost && frontmost->menuHandlers().Run(item.Name)) return;
  if (gApp && gApp->menuHandlers().Run(item.Name)) return;
  if (dynamic_cast<QuitMenuItem*>(&item)) Quit(0);
}

void SetSupportsHiDPI(bool on) {
  // Qt 6 always scales by the screen's factor; passing fractional factors
  // through keeps the layouts' pixel sizes exact on 125 % and 150 % screens.
  if (QCoreApplication::instance()) return;
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
      on ? Qt::HighDpiScaleFactorRoundingPolicy::PassThrough
         : Qt::HighDpiScaleFactorRoundingPolicy::Round);
}

int RunEventLoop() {
  int code = gExitCode;
  if (!gQuitRequested && QCoreApplication::instance()) code = QApplication::exec();
  CloseAllWindows();
  return code;
}

void Quit(int exitCode) {
  gQuitRequested = true;
  gExitCode = exitCode;
  QCoreApplication::exit(exitCode);
}

bool QuitRequested() { return gQuitRequested; }

void ClearQuitRequest() {
  gQuitRequested = false;
  gExitCode = 0;
}

}  // namespace fw
