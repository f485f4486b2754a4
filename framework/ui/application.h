// The application object, the enabling pass and menu dispatch, the event loop.
//
// A program derives its application class from fw::Application, sets its
// version data and menu bar, registers it, binds its menu handlers by item
// name, creates its first window and runs the event loop:
//
//   auto app = std::make_unique<HandleAboutMenu>();
//   app->SetVersionData(2, 0, 0, 2, 3, notice, "2.0", "Quarnel");
//   app->SetMenuBar(Menu::Shared());
//   fw::RegisterAppObject(app.get());
//   fw::App()->AddMenuHandler("AboutVorn", [] { return AboutHandler(); });
//   AboutWnd::Instance();
//   return fw::RunEventLoop();
//
// The enabling pass (RunEnablingPass) runs before a menu opens and before a
// shortcut acts: every item without children is enabled when it has
// AutoEnable and disabled otherwise; the focused text area enables the Edit
// items it can act on (EditUndo, EditCut, EditCopy, EditPaste, EditClear);
// then the frontmost window's Event_EnableMenuItems runs, then the
// application's. Choosing an item (Dispatch) runs, in this order until one
// returns true: the focused text area's own Edit action, the frontmost
// window's handlers bound to the item's name, the application's handlers;
// a QuitMenuItem that none consumed quits.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/text/text.h"
#include "framework/ui/menu.h"

namespace fw {

class Window;

using MenuHandler = std::function<bool()>;

// Handlers bound by item name; several may be bound to one name.
class MenuHandlers {
 public:
  void Add(std::string itemName, MenuHandler handler);
  bool Has(const std::string& itemName) const;
  // Runs the handlers of that name in binding order, each under the exception
  // hook, until one returns true; answers whether one did.
  bool Run(const std::string& itemName) const;

 private:
  std::map<std::string, std::vector<MenuHandler>, std::less<>> handlers_;
};

class Application {
 public:
  Application();
  virtual ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  virtual void Event_EnableMenuItems() {}

  // The version data, set in this order by SetVersionData.
  Integer MajorVersion = 0;
  Integer MinorVersion = 0;
  Integer BugVersion = 0;
  Integer NonReleaseVersion = 0;
  Integer StageCode = 0;
  std::string LongVersion;
  std::string ShortVersion;
  std::string PackageInfo;
  void SetVersionData(Integer major, Integer minor, Integer bug, Integer nonRelease,
                      Integer stage, std::string longVersion, std::string shortVersion,
                      std::string packageInfo);

  void SetMenuBar(std::shared_ptr<MenuItem> bar) { menuBar_ = std::move(bar); }
  const std::shared_ptr<MenuItem>& menuBar() const { return menuBar_; }

  void AddMenuHandler(std::string itemName, MenuHandler handler);
  const MenuHandlers& menuHandlers() const { return handlers_; }

 private:
  std::shared_ptr<MenuItem> menuBar_;
  MenuHandlers handlers_;
};

// The registered application object, or null before registration. The
// object stays owned by the caller.
void RegisterAppObject(Application* app);
Application* App();

// The window that menus and shortcuts act for: the active window, else the
// most recently activated window that is still visible; null when none.
Window* FrontmostWindow();

// The bar a window's menus and shortcuts come from: its own, else the application's.
std::shared_ptr<MenuItem> MenuBarFor(const Window* window);

void RunEnablingPass(Window* frontmost);
// Runs the item as if the user chose it for that window (null: no window).
// Does nothing for an item that is disabled or not shown.
void Dispatch(MenuItem& item, Window* frontmost);
// The shown item whose CommandKey is that portable key text, or null.
std::shared_ptr<MenuItem> ItemForShortcut(const std::shared_ptr<MenuItem>& bar,
                                          const std::string& portableKey);

// High-resolution display support; call before the QApplication exists.
void SetSupportsHiDPI(bool on);
// Runs the Qt event loop until Quit; answers the exit code.
int RunEventLoop();
// Ends the event loop (when it runs) with that exit code.
void Quit(int exitCode = 0);
bool QuitRequested();
// Forgets a Quit, so that the next event loop runs (tests between cases).
void ClearQuitRequest();

}  // namespace fw
