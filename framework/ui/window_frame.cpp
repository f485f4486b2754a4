#include "framework/ui/window_frame.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

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
  // not come this way; what it does for the request runs once the close
  // event is over, since it may show a modal box or close the window. A
  // second request while one is pending or running adds nothing.
  if (!closable) {
    event->ignore();
    if (closeRequested_) return;
    closeRequested_ = true;
    QTimer::singleShot(0, this, [this] {
      if (owner_.IsOpen()) RunGuarded("Window.CloseRequest", [this] { owner_.Event_CloseRequest(); });
      closeRequested_ = false;
    });
    return;
  }
  event->accept();
  if (owner_.IsOpen()) owner_.Close();
}

namespace {

// Shift, Control and the like pressed alone are not keys of their own.
bool IsModifierOnly(int key) {
  switch (key) {
    case Qt::Key_Shift: case Qt::Key_Control: case Qt::Key_Meta: case Qt::Key_Alt:
    case Qt::Key_AltGr: case Qt::Key_CapsLock: case Qt::Key_NumLock: case Qt::Key_ScrollLock:
    case Qt::Key_Super_L: case Qt::Key_Super_R: case Qt::Key_Hyper_L: case Qt::Key_Hyper_R:
    case Qt::Key_Mode_switch:
      return true;
    default:
      return false;
  }
}

}  // namespace

void WindowFrame::keyPressEvent(QKeyEvent* event) {
  // Keys that no control took, and keys while no control has the focus. A
  // key that gives no character (an arrow, Home, F5) arrives with an empty
  // text and goes on to Qt's own handling unless the window consumes it.
  if (IsModifierOnly(event->key())) {
    QMainWindow::keyPressEvent(event);
    return;
  }
  const std::string key = FromQt(event->text());
  const bool consumed = RunGuarded("Window.KeyDown", [&] { return owner_.Event_KeyDown(key); });
  if (key.empty() && !consumed) {
    QMainWindow::keyPressEvent(event);
    return;
  }
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
