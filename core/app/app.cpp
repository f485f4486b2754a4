#include "core/app/app.h"

#include <string>
#include <string_view>

#include "core/app/default_window.h"
#include "core/app/menu.h"
#include "core/app/startup.h"
#include "core/calc/scree.h"
#include "core/version.h"
#include "framework/base/exception_hook.h"

namespace {

// The one application object; it lives until the process ends.
std::unique_ptr<HandleAboutMenu>& appObject() {
  static std::unique_ptr<HandleAboutMenu> instance;
  return instance;
}

template <typename Item>
std::shared_ptr<Item> ItemNamed(std::string_view name) {
  std::shared_ptr<fw::MenuItem> found;
  if (const auto& bar = App().menuBar()) found = bar->Lookup(name);
  auto item = std::dynamic_pointer_cast<Item>(found);
  if (!item) throw fw::NilObjectException("no menu item " + std::string(name));
  return item;
}

}  // namespace

void HandleAboutMenu::Event_EnableMenuItems() { AboutVorn()->Enabled = true; }

bool HandleAboutMenu::_AboutVorn_Action() {
  ShowAboutWindow();
  return false;
}

bool HandleAboutMenu::_AboutMenuItem_Action() {
  ShowAboutWindow();
  return false;
}

HandleAboutMenu& App() {
  auto* app = dynamic_cast<HandleAboutMenu*>(fw::App());
  if (!app) throw fw::NilObjectException("no application object of class HandleAboutMenu");
  return *app;
}

std::shared_ptr<fw::AppleMenuItem> AboutVorn() { return ItemNamed<fw::AppleMenuItem>("AboutVorn"); }
std::shared_ptr<fw::MenuItem> AboutMenuItem() { return ItemNamed<fw::MenuItem>("AboutMenuItem"); }
std::shared_ptr<fw::MenuItem> DescriptionMenuItem() {
  return ItemNamed<fw::MenuItem>("DescriptionMenuItem");
}
std::shared_ptr<fw::MenuItem> ControlMenuItem() { return ItemNamed<fw::MenuItem>("ControlMenuItem"); }

void _ApplicationAddMenuHandlers() {
  StartupStep("_ApplicationAddMenuHandlers");
  App().AddMenuHandler("AboutVorn", [] { return App()._AboutVorn_Action(); });
  App().AddMenuHandler("AboutMenuItem", [] { return App()._AboutMenuItem_Action(); });
}

void _NewAppInstance() {
  StartupStep("_NewAppInstance");
  auto app = std::make_unique<HandleAboutMenu>();
  app->SetVersionData(version::kMajor, version::kMinor, version::kBug, version::kNonRelease,
                      version::kStageCode, std::string(kNotice),
                      std::string(version::kShortVersion), std::string(version::kPackage));
  app->SetMenuBar(Menu::Shared());
  // Registered only once complete, so App() never sees a half-built object.
  fw::RegisterAppObject(app.get());
  appObject() = std::move(app);
}
