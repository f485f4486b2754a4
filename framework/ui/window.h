// Windows with one live instance per class.
//
// A window class derives from fw::Window and overrides the construction steps
// and the events it implements; its accessor is fw::ImplicitWindow<T>():
//
//   class AboutWnd : public fw::Window {
//    public:
//     static AboutWnd& Instance() { return fw::ImplicitWindow<AboutWnd>(); }
//     fw::Label& StaticText1() const { return *staticText1_; }
//    protected:
//     void Layout() override {
//       SetProperties({.Width = 300, .Height = 200, .Type = fw::WindowType::ModalDialog});
//     }
//     void CreateControls() override {
//       AddControl(staticText1_, "StaticText1")
//           .SetProperties({.Left = 1, .Top = 6, .Width = 298, .Height = 49,
//                           .Text = "Quarnel", .FontSize = 36, .Bold = true});
//     }
//     bool Event_KeyDown(const std::string& key) override;
//    private:
//     fw::ControlHandle<fw::Label> staticText1_;
//   };
//
// ImplicitWindow returns the live window of that class, else builds one: it
// runs Layout, CreateControls and AddMenuHandlers (an exception there destroys
// the half-built window and passes to the caller), registers the window as
// the live instance, raises Open (each control's Open in creation order, then
// the window's Event_Open) and shows the window when its layout says Visible.
// Show also brings the window to the front; Hide keeps it; Close (or the
// close box) raises Event_Close, ends the instance at once, so the next
// ImplicitWindow builds anew, and frees the window once the current event is
// done. A window without a close box is not closed from outside: a request
// to close it raises Event_CloseRequest instead.
//
// Every event runs under the exception hook (exception_hook.h).
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <typeindex>
#include <typeinfo>
#include <utility>
#include <vector>

#include "framework/base/exception_hook.h"
#include "framework/graphics/color.h"
#include "framework/text/text.h"
#include "framework/ui/application.h"

class QWidget;
class QMainWindow;

namespace fw {

class Control;

// A window's typed handle to one of its own controls, set by AddControl.
// Reading it before the control exists raises NilObjectException.
template <class C>
class ControlHandle {
 public:
  void Set(C& control) { control_ = &control; }
  C& operator*() const {
    if (!control_) throw NilObjectException("the control does not exist yet");
    return *control_;
  }

 private:
  C* control_ = nullptr;
};

// The frame a window gets, by its layout code.
enum class WindowType : Integer { Document = 0, ModalDialog = 2 };

// Window property block. Sizes are the content area in pixels, without the
// menu bar. A maximum below the window's size is raised to that size, so no
// control is cut off.
struct WindowLayout {
  Integer Width = 300;
  Integer Height = 300;
  Integer MinimumWidth = 64;
  Integer MinimumHeight = 64;
  Integer MaximumWidth = 32000;
  Integer MaximumHeight = 32000;
  WindowType Type = WindowType::Document;
  std::string Title = "";
  bool HasCloseButton = true;
  bool HasMinimizeButton = true;
  bool HasMaximizeButton = true;
  bool Resizeable = true;
  bool Visible = true;
  bool HasBackgroundColor = false;
  Color BackgroundColor = RGB(255, 255, 255);
  bool MenuBarVisible = true;
  Integer Left = 0;
  Integer Top = 0;
  Integer DefaultLocation = 0;  // 0: the platform's placement; Left and Top unused
};

class Window {
 public:
  Window();
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  void Show();
  void Hide();
  void Close();
  bool Visible() const;
  bool IsOpen() const;  // false once closed
  std::string Title() const;
  Integer Width() const;
  Integer Height() const;

  // Finds a control by name (for the framework and tests; a window keeps
  // typed handles to its own); throws NilObjectException when there is none
  // or it is of another class.
  Control& ControlByName(std::string_view name) const;
  template <class C>
  C& ControlAs(std::string_view name) const {
    auto* control = dynamic_cast<C*>(&ControlByName(name));
    if (!control) throw NilObjectException("control " + std::string(name) + " has another class");
    return *control;
  }
  const std::vector<std::unique_ptr<Control>>& controls() const;

  // The window's own menu bar; without one the application's is used.
  void SetMenuBar(std::shared_ptr<MenuItem> bar);
  const std::shared_ptr<MenuItem>& menuBar() const;
  bool MenuBarVisible() const;
  void AddMenuHandler(std::string itemName, MenuHandler handler);
  const MenuHandlers& menuHandlers() const;

  // Raised by the framework; each runs under the exception hook.
  virtual void Event_Open() {}
  virtual void Event_Close() {}
  virtual void Event_Activate() {}
  virtual bool Event_KeyDown(const std::string& /*key*/) { return false; }
  virtual bool Event_MouseDown(Integer /*x*/, Integer /*y*/) { return false; }
  virtual void Event_EnableMenuItems() {}
  // Raised when the window system asks to close a window whose layout gives
  // it no close box (a window manager may draw one anyway, or the user
  // presses Alt+F4). Such a window ends only by its own way out, which this
  // takes when the window has one; by default nothing happens. Raised after
  // the request has been turned down, so it may ask, hide or close.
  virtual void Event_CloseRequest() {}

  // The Qt window (for tests and the framework's own use).
  QMainWindow* widget() const;
  // The content area that holds the controls.
  QWidget* content() const;

  // The framework's part of building, used by ImplicitWindow.
  void Construct();

 protected:
  virtual void Layout() {}
  virtual void CreateControls() {}
  virtual void AddMenuHandlers() {}

  void SetProperties(const WindowLayout& layout);

  // Creates a control on this window and registers it under its name.
  template <class C>
  C& AddControl(std::string name) {
    auto control = std::make_unique<C>(*this, std::move(name));
    C& added = *control;
    AddControlObject(std::move(control));
    return added;
  }
  // The same, and points the window's handle at the new control.
  template <class C>
  C& AddControl(ControlHandle<C>& handle, std::string name) {
    C& added = AddControl<C>(std::move(name));
    handle.Set(added);
    return added;
  }

 private:
  void AddControlObject(std::unique_ptr<Control> control);
  struct Impl;
  std::unique_ptr<Impl> impl_;
  friend struct WindowAccess;
};

namespace detail {
Window* LiveWindow(std::type_index type);
void AdoptWindow(std::type_index type, std::unique_ptr<Window> window);
}  // namespace detail

// The live window of class W, else a new one built as described above.
template <class W>
W& ImplicitWindow() {
  if (Window* live = detail::LiveWindow(typeid(W))) return static_cast<W&>(*live);
  auto window = std::make_unique<W>();
  W& built = *window;
  detail::AdoptWindow(typeid(W), std::move(window));
  return built;
}

// The live window of class W, or null; builds nothing.
template <class W>
W* LiveInstance() {
  return static_cast<W*>(detail::LiveWindow(typeid(W)));
}

// Every live window, in creation order.
std::vector<Window*> LiveWindows();
// Ends every live window without raising events and frees it, with the
// windows closed before (teardown, and tests between cases).
void CloseAllWindows();
// Frees the windows closed so far (otherwise freed once control is back in
// the event loop in which each was closed).
void FreeClosedWindows();

}  // namespace fw
