// The program's entry: the command line goes to the framework untouched;
// the program itself reads no argument.
#include "core/app/qt_startup.h"
#include "core/app/startup.h"

int main(int argc, char** argv) {
  QtStartup framework(argc, argv);
  return QuarnelMain(framework);
}
