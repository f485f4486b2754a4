// The one menu bar of the program: File, Edit and Window menus between two
// untitled ones. Built once, on the first call of Menu::Shared(), and shared by
// the application object and every window that carries a bar; items are
// found by Name (never by caption), so the two "About Quarnel" items stay
// apart.
#pragma once

#include <memory>

#include "framework/ui/menu.h"

class Menu : public fw::MenuBar {
 public:
  // The shared instance, built on first use; a build that throws stores
  // nothing, so the next call starts afresh.
  static std::shared_ptr<Menu> Shared();
  // The module's initialiser: no shared instance yet. Start-up runs it first.
  static void ForgetShared();

  Menu();

 private:
  void Untitled0();  // the leading untitled menu
  void Untitled1();  // File
  void Untitled2();  // Edit
  void Untitled3();  // Window
  void Untitled4();  // the trailing untitled menu
};
