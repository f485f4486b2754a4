// What every Description window test starts from: the application object
// with the shared menu bar and its handlers (made once, as start-up does),
// scripted services, and no window left over from the case before.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <memory>
#include <string_view>

#include "core/app/app.h"
#include "core/app/menu.h"
#include "core/app/startup.h"
#include "framework/ui/application.h"
#include "framework/ui/window.h"
#include "help/description_wnd.h"
#include "tests/support/scripted_services.h"

class HelpWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    fw::ClearQuitRequest();
    if (!fw::App()) {
      _NewAppInstance();
      _ApplicationAddMenuHandlers();
    }
  }
  void TearDown() override { fw::CloseAllWindows(); }

  static void Settle() { QApplication::processEvents(); }

  static std::shared_ptr<fw::MenuItem> Item(std::string_view name) {
    return Menu::Shared()->Lookup(name);
  }

  // Chooses the item as the user does while that window is frontmost: the
  // enabling pass, then the handlers.
  static void Choose(std::string_view name, fw::Window& frontmost) {
    fw::RunEnablingPass(&frontmost);
    fw::Dispatch(*Item(name), &frontmost);
    Settle();
  }

  // Waits until the window system has made the window the active one: under
  // a window manager that comes some time after Show.
  static void WaitActive(fw::Window& window) {
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.widget()));
  }

  static void ShowActive(fw::Window& window) {
    window.Show();
    WaitActive(window);
  }

  // The Description window, built and shown as the main window shows it.
  static DescriptionWnd& ShownDescription() {
    DescriptionWnd& window = DescriptionWnd::Instance();
    ShowActive(window);
    return window;
  }

  fw::ScriptedServices script_;
};
