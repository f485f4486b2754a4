// Runs the tests inside a QApplication on the offscreen platform (also when
// ctest lists the tests, which sets no environment), with the Qt services
// installed as the program installs them.
#include <QApplication>

#include <gtest/gtest.h>

#include "framework/ui/qt_services.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  fw::UseQtServices();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
