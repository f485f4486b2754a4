// The Qt widgets behind a fw::Window: the top-level frame and the content
// area that holds the controls. They turn Qt events into the window's events.
#pragma once

#include <QMainWindow>
#include <QWidget>

namespace fw {

class Window;

class WindowFrame : public QMainWindow {
 public:
  explicit WindowFrame(Window& owner);
  bool closable = true;  // false: close requests from outside go to Event_CloseRequest

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Window& owner_;
  bool closeRequested_ = false;  // an Event_CloseRequest is queued or running
};

class WindowContent : public QWidget {
 public:
  explicit WindowContent(Window& owner);
  QSize sizeHint() const override { return preferred; }
  QSize preferred{300, 300};

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  Window& owner_;
};

}  // namespace fw
