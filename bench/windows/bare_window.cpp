// The yardstick for the program's start-up figure: the least a Qt Widgets
// program does to put a window like the splash on the screen. One 300 x 200
// white window with the splash's title ("Quarnel", bold, 36 pixels, blue
// (0, 0, 200), centred at 1,6 in 298 x 49), so first_frame finds its first
// frame exactly as it finds the splash's. Nothing else: no settings, icon,
// pictures or other windows.
#include <QApplication>
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QString>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);

  QWidget window;
  window.setFixedSize(300, 200);
  QPalette background = window.palette();
  background.setColor(QPalette::Window, Qt::white);
  window.setPalette(background);
  window.setAutoFillBackground(true);

  QLabel title(QStringLiteral("Quarnel"), &window);
  title.setTextFormat(Qt::PlainText);
  title.setGeometry(1, 6, 298, 49);
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(36);
  font.setBold(true);
  title.setFont(font);
  title.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  QPalette ink = title.palette();
  ink.setColor(QPalette::WindowText, QColor(0, 0, 200));
  title.setPalette(ink);

  window.show();
  return application.exec();
}
