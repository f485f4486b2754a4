// Shared pieces of the framework's tests: a window class whose steps and
// events are recorded and whose controls a test supplies, and a fixture that
// installs scripted services and ends every window after each test.
#pragma once

#include <QCoreApplication>
#include <QTest>
#include <QTextEdit>
#include <QMainWindow>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/ui/application.h"
#include "framework/ui/controls.h"
#include "framework/ui/window.h"
#include "tests/support/scripted_services.h"

namespace fwtest {

// Every probe window appends what happens to it here.
inline std::vector<std::string> gLog;

// The parts of a probe window that a test chooses.
struct ProbeSetup {
  fw::WindowLayout layout{.Width = 200, .Height = 150, .Title = "Probe"};
  std::function<void(fw::Window&)> controls;
  std::function<void(fw::Window&)> menuHandlers;
  std::function<void()> enableMenuItems;
  std::function<bool(const std::string&)> keyDown;
  std::function<bool(fw::Integer, fw::Integer)> mouseDown;
};

// N tells window classes apart: each has its own single instance.
template <int N>
class ProbeWnd : public fw::Window {
 public:
  static inline ProbeSetup setup;
  static ProbeWnd& Instance() { return fw::ImplicitWindow<ProbeWnd>(); }
  ~ProbeWnd() override { Note("freed"); }

  template <class C>
  C& Add(std::string name) { return AddControl<C>(std::move(name)); }

  void Event_Open() override { Note("Open"); }
  void Event_Close() override { Note("Close"); }
  void Event_Activate() override { Note("Activate"); }
  void Event_EnableMenuItems() override {
    Note("EnableMenuItems");
    if (setup.enableMenuItems) setup.enableMenuItems();
  }
  bool Event_KeyDown(const std::string& key) override {
    Note("KeyDown " + key);
    return setup.keyDown ? setup.keyDown(key) : false;
  }
  void Event_CloseRequest() override { Note("CloseRequest"); }
  bool Event_MouseDown(fw::Integer x, fw::Integer y) override {
    Note("MouseDown " + std::to_string(x) + "," + std::to_string(y));
    return setup.mouseDown ? setup.mouseDown(x, y) : false;
  }

 protected:
  void Layout() override {
    Note("Layout");
    SetProperties(setup.layout);
  }
  void CreateControls() override {
    Note("CreateControls");
    if (setup.controls) setup.controls(*this);
  }
  void AddMenuHandlers() override {
    Note("AddMenuHandlers");
    if (setup.menuHandlers) setup.menuHandlers(*this);
  }

 private:
  static void Note(const std::string& what) { gLog.push_back("W" + std::to_string(N) + " " + what); }
};

class FrameworkTest : public ::testing::Test {
 protected:
  FrameworkTest() {
    gLog.clear();
    ProbeWnd<1>::setup = {};
    ProbeWnd<2>::setup = {};
    fw::ClearQuitRequest();
  }
  ~FrameworkTest() override {
    fw::CloseAllWindows();
    fw::RegisterAppObject(nullptr);
    QCoreApplication::processEvents();
  }

  // Waits until the window system has activated the window.
  static void WaitActive(fw::Window& window) {
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.widget()));
  }

  static void Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
  }

  fw::ScriptedServices script;
};

}  // namespace fwtest
