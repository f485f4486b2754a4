#include "framework/ui/window_frame.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include "framework/ui/internal.h"
#include "framework/ui/window.h"

namespace fw {

WindowFrame::WindowFrame(Window& owner) : owner_(owner) {}

bool WindowFrame::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && owner_.IsOpen()) {
    NoteActivated(&owner_);
    RunGuarded("Window.Activate", [this] { owner_.Event_Activate(); });
  }
  return QMainWindow::event(event);
}

void WindowFrame::closeEvent(QCloseEvent* event) {
  // A window without a close box is closed only by its own code, which does
  // not come this way.
  if (!closable) {
    event->ignore();
    return;
  }
  event->accept();
  if (owner_.IsOpen()) owner_.Close();
}

void WindowFrame::keyPressEvent(QKeyEvent* event) {
  // Keys that no control took, and keys while no control has the focus.
  const std::string key = FromQt(event->text());
  if (key.empty()) {
    QMainWindow::keyPressEvent(event);
    return;
  }
  RunGuarded("Window.KeyDown", [&] { return owner_.Event_KeyDown(key); });
  event->accept();
}

WindowContent::WindowContent(Window& owner) : owner_(owner) {}

void WindowContent::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  RunGuarded("Window.MouseDown", [&] { return owner_.Event_MouseDown(at.x(), at.y()); });
  event->accept();
}

void WindowContent::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu;
  AppendCarriedMenus(menu, owner_);
  if (menu.actions().isEmpty()) return;
  menu.exec(event->globalPos());
}

}  // namespace fw
