// The shared menu bar: its tree, the application's items found by name, and
// what the application object enables and handles.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

#include "core/app/app.h"
#include "core/app/menu.h"
#include "core/app/startup.h"
#include "core/windows/about_wnd.h"
#include "framework/ui/window.h"
#include "tests/support/scripted_services.h"

namespace {

enum class Kind { Plain, Quit, Application };

struct ExpectedItem {
  std::string parent;
  std::string name;
  Kind kind;
  std::string text;
  std::string commandKey;
  bool autoEnable;
};

// The whole tree in building order (depth first).
const std::vector<ExpectedItem> kTree = {
    {"bar", "UntitledMenu3", Kind::Plain, "", "", false},
    {"bar", "FileMenu", Kind::Plain, "File", "", false},
    {"FileMenu", "Print", Kind::Plain, "Print", "", true},
    {"FileMenu", "FileQuit", Kind::Quit, "Quit", "Ctrl+Q", true},
    {"FileMenu", "UntitledMenu7", Kind::Plain, "", "", false},
    {"bar", "UntitledMenu0", Kind::Plain, "Edit", "", false},
    {"UntitledMenu0", "EditUndo", Kind::Plain, "Undo", "Ctrl+Z", false},
    {"UntitledMenu0", "UntitledMenu1", Kind::Plain, "-", "", false},
    {"UntitledMenu0", "EditCut", Kind::Plain, "Cut", "Ctrl+X", false},
    {"UntitledMenu0", "EditCopy", Kind::Plain, "Copy", "Ctrl+C", false},
    {"UntitledMenu0", "EditPaste", Kind::Plain, "Paste", "Ctrl+V", false},
    {"UntitledMenu0", "EditClear", Kind::Plain, "", "", false},
    {"UntitledMenu0", "UntitledMenu6", Kind::Plain, "", "", false},
    {"bar", "WindowMenu", Kind::Plain, "Window", "", false},
    {"WindowMenu", "ControlMenuItem", Kind::Plain, "Control", "", false},
    {"WindowMenu", "DescriptionMenuItem", Kind::Plain, "Description", "", false},
    {"WindowMenu", "AboutMenuItem", Kind::Plain, "About Quarnel", "", false},
    {"WindowMenu", "UntitledMenu5", Kind::Plain, "", "", false},
    {"WindowMenu", "AboutVorn", Kind::Application, "About Quarnel", "", false},
    {"WindowMenu", "UntitledMenu4", Kind::Application, "", "", false},
    {"bar", "UntitledMenu2", Kind::Plain, "", "", false},
};

Kind KindOf(const fw::MenuItem& item) {
  if (dynamic_cast<const fw::QuitMenuItem*>(&item)) return Kind::Quit;
  if (dynamic_cast<const fw::AppleMenuItem*>(&item)) return Kind::Application;
  return Kind::Plain;
}

// The parent's name of every item, "bar" for the top-level menus.
std::string ParentName(const fw::MenuItem& bar, const fw::MenuItem& item) {
  for (const auto& top : bar.children()) {
    if (top.get() == &item) return "bar";
    for (const auto& child : top->children()) {
      if (child.get() == &item) return top->Name;
    }
  }
  return "?";
}

TEST(MenuTest, BuildsTheTreeInOrderWithEveryField) {
  const std::shared_ptr<fw::MenuItem> bar = Menu::Shared();
  std::vector<std::shared_ptr<fw::MenuItem>> items = fw::AllItems(bar);
  ASSERT_EQ(items.size(), kTree.size() + 1);  // the bar itself comes first
  EXPECT_EQ(items.front(), bar);
  for (std::size_t i = 0; i < kTree.size(); ++i) {
    const ExpectedItem& expected = kTree[i];
    const fw::MenuItem& item = *items[i + 1];
    SCOPED_TRACE("row " + std::to_string(i + 1) + " " + expected.name);
    EXPECT_EQ(item.Name, expected.name);
    EXPECT_EQ(ParentName(*bar, item), expected.parent);
    EXPECT_EQ(KindOf(item), expected.kind);
    EXPECT_EQ(item.Text, expected.text);
    EXPECT_EQ(item.CommandKey, expected.commandKey);
    EXPECT_EQ(item.AutoEnable, expected.autoEnable);
    EXPECT_TRUE(item.Visible);
  }
}

TEST(MenuTest, HasFiveMenusWithTheirChildCounts) {
  const std::shared_ptr<Menu> bar = Menu::Shared();
  EXPECT_EQ(bar->Count(), 5);
  EXPECT_EQ(bar->Child("FileMenu")->Count(), 3);
  EXPECT_EQ(bar->Child("UntitledMenu0")->Count(), 7);
  EXPECT_EQ(bar->Child("WindowMenu")->Count(), 6);
  EXPECT_EQ(bar->Child("UntitledMenu3")->Count(), 0);
  EXPECT_EQ(bar->Child("UntitledMenu2")->Count(), 0);
}

TEST(MenuTest, SeparatorKeepsTheShortcutOfANewItem) {
  fw::MenuItem fresh;
  EXPECT_EQ(Menu::Shared()->Lookup("UntitledMenu1")->CommandKey, fresh.CommandKey);
}

TEST(MenuTest, IsBuiltOnceAndShared) {
  const std::shared_ptr<Menu> first = Menu::Shared();
  EXPECT_EQ(Menu::Shared(), first);
  _NewAppInstance();
  EXPECT_EQ(App().menuBar(), first);
  // A window that carries the bar gets the very same object.
  fw::Window window;
  window.SetMenuBar(Menu::Shared());
  EXPECT_EQ(window.menuBar(), App().menuBar());
}

// Start-up's own steps for the application object, without a framework.
class ApplicationTest : public testing::Test {
 protected:
  void SetUp() override {
    _NewAppInstance();
    _ApplicationAddMenuHandlers();
  }
  void TearDown() override { fw::CloseAllWindows(); }

  fw::ScriptedServices script_;
};

TEST_F(ApplicationTest, AppIsOneHandleAboutMenu) {
  HandleAboutMenu& app = App();
  EXPECT_EQ(&App(), &app);
  EXPECT_EQ(typeid(app), typeid(HandleAboutMenu));
  EXPECT_EQ(fw::App(), &app);
}

TEST_F(ApplicationTest, ItemAccessorsFindByNameNotCaption) {
  const auto bar = Menu::Shared();
  const auto aboutVorn = AboutVorn();
  const auto aboutMenuItem = AboutMenuItem();
  ASSERT_NE(aboutVorn, aboutMenuItem);
  EXPECT_EQ(aboutVorn->Text, aboutMenuItem->Text);
  EXPECT_EQ(aboutVorn, bar->Child("WindowMenu")->Item(4));      // row 19
  EXPECT_EQ(aboutMenuItem, bar->Child("WindowMenu")->Item(2));  // row 17
  EXPECT_EQ(dynamic_cast<fw::AppleMenuItem*>(aboutMenuItem.get()), nullptr);
  EXPECT_EQ(DescriptionMenuItem()->Name, "DescriptionMenuItem");
  EXPECT_EQ(ControlMenuItem()->Name, "ControlMenuItem");
}

TEST_F(ApplicationTest, AccessorOfAMissingItemRaisesNilObject) {
  HandleAboutMenu bare;
  bare.SetMenuBar(std::make_shared<fw::MenuBar>());
  fw::RegisterAppObject(&bare);
  EXPECT_THROW(AboutVorn(), fw::NilObjectException);
  EXPECT_THROW(ControlMenuItem(), fw::NilObjectException);
  // The enabling handler's failure reaches the exception hook, not the caller.
  fw::RunEnablingPass(nullptr);
  EXPECT_EQ(script_.exceptions().size(), 1u);
  fw::RegisterAppObject(nullptr);
  EXPECT_THROW(App(), fw::NilObjectException);
}

TEST_F(ApplicationTest, EnablingPassWithoutWindowLeavesOnlyAboutVornInTheWindowMenu) {
  for (const auto& item : fw::AllItems(Menu::Shared())) item->Enabled = true;
  fw::RunEnablingPass(nullptr);
  EXPECT_TRUE(AboutVorn()->Enabled);
  EXPECT_FALSE(AboutMenuItem()->Enabled);
  EXPECT_FALSE(DescriptionMenuItem()->Enabled);
  EXPECT_FALSE(ControlMenuItem()->Enabled);
  EXPECT_TRUE(Menu::Shared()->Lookup("Print")->Enabled);
  EXPECT_TRUE(Menu::Shared()->Lookup("FileQuit")->Enabled);
  EXPECT_TRUE(script_.exceptions().empty());
}

// A window whose enabling handler turns AboutVorn off: the application's
// handler runs after the window's and turns it on again.
class DisablingWindow : public fw::Window {
 public:
  void Event_EnableMenuItems() override { AboutVorn()->Enabled = false; }
};

TEST_F(ApplicationTest, ApplicationEnablesAfterTheFrontmostWindow) {
  DisablingWindow& window = fw::ImplicitWindow<DisablingWindow>();
  fw::RunEnablingPass(&window);
  EXPECT_TRUE(AboutVorn()->Enabled);
}

TEST_F(ApplicationTest, BothAboutItemsShowTheOneAboutWindow) {
  AboutWnd& about = AboutWnd::Instance();
  for (const char* name : {"AboutVorn", "AboutMenuItem", "AboutVorn"}) {
    SCOPED_TRACE(name);
    about.Hide();
    Menu::Shared()->Lookup(name)->Enabled = true;
    fw::Dispatch(*Menu::Shared()->Lookup(name), nullptr);
    EXPECT_TRUE(about.Visible());
    EXPECT_EQ(fw::LiveWindows(), std::vector<fw::Window*>{&about});
  }
  EXPECT_FALSE(App()._AboutVorn_Action());
  EXPECT_FALSE(App()._AboutMenuItem_Action());
}

}  // namespace
