// The menu item model, shared by the application and every window that shows
// or carries a menu bar. A bar is a MenuItem whose children are the top-level
// menus; items are found by Name at any depth, never by caption.
//
//   auto file = std::make_shared<fw::MenuItem>();
//   file->Name = "FileMenu"; file->Text = "File";
//   bar->AddMenu(file);
//   auto quit = std::make_shared<fw::QuitMenuItem>();
//   quit->Name = "FileQuit"; quit->Text = "Quit"; quit->CommandKey = "Ctrl+Q";
//   bar->Child("FileMenu")->AddMenu(quit);
//   bar->Lookup("FileQuit")->Enabled = false;
//
// The fields are plain data; the Qt menus and actions that show an item are
// brought up to date by the enabling pass that runs before every menu opens
// and before every shortcut acts (see application.h). An item with an empty
// Text, or Visible false, is not shown; the Text "-" is a separator.
// CommandKey is read as Qt's portable key text ("Ctrl+Q").
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/text/text.h"

namespace fw {

class MenuItem {
 public:
  MenuItem();
  virtual ~MenuItem();
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  std::string Name;
  std::string Text;
  std::string CommandKey;
  bool AutoEnable = false;
  bool Enabled = true;
  bool Visible = true;

  // Appends a child; children keep the order in which they were added.
  void AddMenu(std::shared_ptr<MenuItem> child);
  // The direct child of that name, or null.
  std::shared_ptr<MenuItem> Child(std::string_view name) const;
  // The item below this one with that name, at any depth (depth first, in
  // order), or null.
  std::shared_ptr<MenuItem> Lookup(std::string_view name);
  Integer Count() const;
  // The child at index 0..Count()-1; throws NilObjectException out of range.
  std::shared_ptr<MenuItem> Item(Integer index) const;
  const std::vector<std::shared_ptr<MenuItem>>& children() const { return children_; }

  bool IsSeparator() const { return Text == "-"; }
  // Shown in a menu: visible and with a caption.
  bool IsShown() const { return Visible && !Text.empty(); }

  // The Qt side of this item (its action, and its menu when it has children);
  // owned by the framework, created when the item is first shown.
  struct Ui;
  Ui* ui() const { return ui_; }
  void SetUi(Ui* ui) { ui_ = ui; }

 private:
  std::vector<std::shared_ptr<MenuItem>> children_;
  Ui* ui_ = nullptr;
};

// The quit item: chosen, and no handler consumes it, it quits the application.
class QuitMenuItem : public MenuItem {};

// The application-menu item class; on this platform it shows where it stands.
class AppleMenuItem : public MenuItem {};

// A menu bar: its children are the top-level menus.
class MenuBar : public MenuItem {};

// Every item of the tree in depth-first order, the root first.
std::vector<std::shared_ptr<MenuItem>> AllItems(const std::shared_ptr<MenuItem>& root);

}  // namespace fw
