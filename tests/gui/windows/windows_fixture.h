// What every window test starts from: scripted services, the application
// object with the shared menu bar as start-up leaves it, the project's
// pictures, a fresh results record, and no window left over afterwards.
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QMainWindow>
#include <QTextDocument>
#include <QTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

#include "core/app/app.h"
#include "core/app/startup.h"
#include "core/calc/module1.h"
#include "framework/ui/pictures.h"
#include "framework/ui/window.h"
#include "tests/support/scripted_services.h"
#include "tests/support/worked_example.h"

class WindowsTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    fw::SetPictureFolders({QUARNEL_RESOURCES_DIR});
    if (!fw::App()) {
      _NewAppInstance();
      _ApplicationAddMenuHandlers();
    }
  }

  // Each case starts as the program does: a fresh record, no Quit pending.
  void SetUp() override {
    module1() = Module1{};
    fw::ClearQuitRequest();
  }
  void TearDown() override {
    fw::CloseAllWindows();
    QCoreApplication::processEvents();
  }

  // Lets queued events (activation, deferred frees) arrive.
  static void Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }

  fw::ScriptedServices script_;
};

