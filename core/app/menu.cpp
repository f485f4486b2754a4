#include "core/app/menu.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "framework/base/exception_hook.h"

namespace {

enum class Kind { Plain, Quit, Application };

struct Row {
  std::string_view parent;  // "" for a top-level menu of the bar
  std::string_view name;
  Kind kind;
  std::string_view text;
  std::optional<std::string_view> commandKey;  // nullopt: never set (the separator)
  bool autoEnable;
};

constexpr std::string_view kNone = "";

// The tree in building order; Untitled0 to Untitled4 each build a slice.
constexpr std::array<Row, 21> kRows{{
    {"", "UntitledMenu3", Kind::Plain, "", kNone, false},
    {"", "FileMenu", Kind::Plain, "File", kNone, false},
    {"FileMenu", "Print", Kind::Plain, "Print", kNone, true},
    {"FileMenu", "FileQuit", Kind::Quit, "Quit", "Ctrl+Q", true},
    {"FileMenu", "UntitledMenu7", Kind::Plain, "", kNone, false},
    {"", "UntitledMenu0", Kind::Plain, "Edit", kNone, false},
    {"UntitledMenu0", "EditUndo", Kind::Plain, "Undo", "Ctrl+Z", false},
    {"UntitledMenu0", "UntitledMenu1", Kind::Plain, "-", std::nullopt, false},
    {"UntitledMenu0", "EditCut", Kind::Plain, "Cut", "Ctrl+X", false},
    {"UntitledMenu0", "EditCopy", Kind::Plain, "Copy", "Ctrl+C", false},
    {"UntitledMenu0", "EditPaste", Kind::Plain, "Paste", "Ctrl+V", false},
    {"UntitledMenu0", "EditClear", Kind::Plain, "", kNone, false},
    {"UntitledMenu0", "UntitledMenu6", Kind::Plain, "", kNone, false},
    {"", "WindowMenu", Kind::Plain, "Window", kNone, false},
    {"WindowMenu", "ControlMenuItem", Kind::Plain, "Control", kNone, false},
    {"WindowMenu", "DescriptionMenuItem", Kind::Plain, "Description", kNone, false},
    {"WindowMenu", "AboutMenuItem", Kind::Plain, "About Quarnel", kNone, false},
    {"WindowMenu", "UntitledMenu5", Kind::Plain, "", kNone, false},
    {"WindowMenu", "AboutVorn", Kind::Application, "About Quarnel", kNone, false},
    {"WindowMenu", "UntitledMenu4", Kind::Application, "", kNone, false},
    {"", "UntitledMenu2", Kind::Plain, "", kNone, false},
}};

std::shared_ptr<fw::MenuItem> NewItem(Kind kind) {
  switch (kind) {
    case Kind::Quit: return std::make_shared<fw::QuitMenuItem>();
    case Kind::Application: return std::make_shared<fw::AppleMenuItem>();
    case Kind::Plain: break;
  }
  return std::make_shared<fw::MenuItem>();
}

fw::MenuItem& ParentNamed(const fw::MenuItem& bar, std::string_view name) {
  std::shared_ptr<fw::MenuItem> parent = bar.Child(name);
  if (!parent) throw fw::NilObjectException("no menu " + std::string(name));
  return *parent;
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

Menu::Menu() {
  Untitled0();
  Untitled1();
  Untitled2();
  Untitled3();
  Untitled4();
}

void Menu::AddRows(std::size_t first, std::size_t last) {
  for (std::size_t i = first; i <= last; ++i) {
    const Row& row = kRows[i];
    std::shared_ptr<fw::MenuItem> item = NewItem(row.kind);
    item->Name = row.name;
    item->AutoEnable = row.autoEnable;
    item->Text = row.text;
    item->Visible = true;
    if (row.commandKey) item->CommandKey = *row.commandKey;
    if (row.parent.empty()) {
      AddMenu(item);
    } else {
      ParentNamed(*this, row.parent).AddMenu(item);
    }
  }
}

void Menu::Untitled0() { AddRows(0, 0); }
void Menu::Untitled1() { AddRows(1, 4); }
void Menu::Untitled2() { AddRows(5, 12); }
void Menu::Untitled3() { AddRows(13, 19); }
void Menu::Untitled4() { AddRows(20, 20); }
