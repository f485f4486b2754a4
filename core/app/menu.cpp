#include "core/app/menu.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/app/startup_probe.h"
#include "framework/base/exception_hook.h"

namespace {

enum class Kind { Plain, Quit, Application };

struct Row {
  std::string_view name;
  Kind kind;
  std::string_view text;
  std::optional<std::string_view> commandKey;  // nullopt: never set (the separator)
  bool autoEnable;
};

constexpr std::string_view kNone = "";

// The items of each menu in building order; the menus come after them.
constexpr std::array<Row, 3> kFileItems{{
    {"Print", Kind::Plain, "Print", kNone, true},
    {"FileQuit", Kind::Quit, "Quit", "Ctrl+Q", true},
    {"UntitledMenu7", Kind::Plain, "", kNone, false},
}};

constexpr std::array<Row, 7> kEditItems{{
    {"EditUndo", Kind::Plain, "Undo", "Ctrl+Z", false},
    {"UntitledMenu1", Kind::Plain, "-", std::nullopt, false},
    {"EditCut", Kind::Plain, "Cut", "Ctrl+X", false},
    {"EditCopy", Kind::Plain, "Copy", "Ctrl+C", false},
    {"EditPaste", Kind::Plain, "Paste", "Ctrl+V", false},
    {"EditClear", Kind::Plain, "", kNone, false},
    {"UntitledMenu6", Kind::Plain, "", kNone, false},
}};

constexpr std::array<Row, 6> kWindowItems{{
    {"ControlMenuItem", Kind::Plain, "Control", kNone, false},
    {"DescriptionMenuItem", Kind::Plain, "Description", kNone, false},
    {"AboutMenuItem", Kind::Plain, "About Quarnel", kNone, false},
    {"UntitledMenu5", Kind::Plain, "", kNone, false},
    {"AboutVorn", Kind::Application, "About Quarnel", kNone, false},
    {"UntitledMenu4", Kind::Application, "", kNone, false},
}};

// A top-level menu of the bar and its items, in building order.
struct Group {
  Row menu;
  std::span<const Row> items;
};

constexpr Group kLeadingMenu{{"UntitledMenu3", Kind::Plain, "", kNone, false}, {}};
constexpr Group kFileMenu{{"FileMenu", Kind::Plain, "File", kNone, false}, kFileItems};
constexpr Group kEditMenu{{"UntitledMenu0", Kind::Plain, "Edit", kNone, false}, kEditItems};
constexpr Group kWindowMenu{{"WindowMenu", Kind::Plain, "Window", kNone, false}, kWindowItems};
constexpr Group kTrailingMenu{{"UntitledMenu2", Kind::Plain, "", kNone, false}, {}};

std::shared_ptr<fw::MenuItem> NewItem(Kind kind) {
  switch (kind) {
    case Kind::Quit: return std::make_shared<fw::QuitMenuItem>();
    case Kind::Application: return std::make_shared<fw::AppleMenuItem>();
    case Kind::Plain: break;
  }
  return std::make_shared<fw::MenuItem>();
}

std::shared_ptr<fw::MenuItem> MakeItem(const Row& row) {
  std::shared_ptr<fw::MenuItem> item = NewItem(row.kind);
  item->Name = row.name;
  item->AutoEnable = row.autoEnable;
  item->Text = row.text;
  item->Visible = true;
  if (row.commandKey) item->CommandKey = *row.commandKey;
  return item;
}

fw::MenuItem& ParentNamed(const fw::MenuItem& bar, std::string_view name) {
  std::shared_ptr<fw::MenuItem> parent = bar.Child(name);
  if (!parent) throw fw::NilObjectException("no menu " + std::string(name));
  return *parent;
}

// The menu goes on the bar; each item on the menu, found again by name.
void AddGroup(fw::MenuItem& bar, const Group& group) {
  bar.AddMenu(MakeItem(group.menu));
  for (const Row& row : group.items) ParentNamed(bar, group.menu.name).AddMenu(MakeItem(row));
}

std::shared_ptr<Menu>& sharedMenu() {
  static std::shared_ptr<Menu> instance;
  return instance;
}

}  // namespace

std::shared_ptr<Menu> Menu::Shared() {
  std::shared_ptr<Menu>& shared = sharedMenu();
  if (!shared) shared = std::make_shared<Menu>();  // stored only once built
  return shared;
}

void Menu::ForgetShared() { sharedMenu().reset(); }

Menu::Menu() {
  StartupStep("Menu");
  Untitled0();
  Untitled1();
  Untitled2();
  Untitled3();
  Untitled4();
}

void Menu::Untitled0() { AddGroup(*this, kLeadingMenu); }
void Menu::Untitled1() { AddGroup(*this, kFileMenu); }
void Menu::Untitled2() { AddGroup(*this, kEditMenu); }
void Menu::Untitled3() { AddGroup(*this, kWindowMenu); }
void Menu::Untitled4() { AddGroup(*this, kTrailingMenu); }
