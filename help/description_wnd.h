// The Description window: the help text with its worked example, in a
// read-only styled text area whose title is bold. It carries the shared menu
// bar without showing it; while it is the frontmost window its Control item
// brings the main window forward, its About item shows the About window and
// Print prints the help text.
//
//   DescriptionWnd::Instance().Show();   // the one window, built when none is live
#pragma once

#include <memory>
#include <string>

#include "framework/ui/controls.h"
#include "framework/ui/menu.h"
#include "framework/ui/window.h"

class DescriptionWnd : public fw::Window {
 public:
  // The live window, else a new hidden one (the caller shows it).
  static DescriptionWnd& Instance();

  // The plain area underneath and the area that shows the help text.
  fw::TextArea& DescribeFld() const { return *describeFld_; }
  fw::TextArea& DescribeFld2() const { return *describeFld2_; }

  // The items of those names in this window's menu bar; throw
  // fw::NilObjectException when there is no bar or no such item.
  std::shared_ptr<fw::MenuItem> ControlMenuItem() const;
  std::shared_ptr<fw::MenuItem> AboutMenuItem() const;

  void Event_Open() override;
  void Event_EnableMenuItems() override;

  // The menu handlers; each returns false.
  bool _ControlMenuItem_Action();
  bool _AboutMenuItem_Action();
  bool _Print_Action();

 protected:
  void Layout() override;
  void CreateControls() override;
  void AddMenuHandlers() override;

 private:
  fw::ControlHandle<fw::TextArea> describeFld_;
  fw::ControlHandle<fw::TextArea> describeFld2_;
};

// The help text as the window holds it: CR LF between lines, no line ending
// after the last.
const std::string& HelpText();
