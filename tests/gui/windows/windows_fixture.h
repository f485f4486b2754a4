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
#include "framework/ui/scripted_services.h"
#include "framework/ui/window.h"

class WindowsTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    fw::SetPictureFolders({QUARNEL_RESOURCES_DIR});
    if (!fw::App()) {
      _NewAppInstance();
      _ApplicationAddMenuHandlers();
    }
  }

  void SetUp() override { module1() = Module1{}; }
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

// The twenty eigenvalues of the worked example, one per line.
inline const std::string kWorkedExample =
    "5.43\r\n3.11\r\n2.24\r\n1.89\r\n1.52\r\n1.29\r\n.80\r\n.46\r\n.41\r\n.37\r\n"
    ".35\r\n.33\r\n.30\r\n.28\r\n.25\r\n.24\r\n.21\r\n.20\r\n.18\r\n.15";
