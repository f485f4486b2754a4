#include "framework/ui/window.h"

#include <QCoreApplication>
#include <QLayout>
#include <QMenuBar>
#include <QPalette>
#include <QPointer>

#include <algorithm>

#include "framework/ui/controls.h"
#include "framework/ui/internal.h"
#include "framework/ui/window_frame.h"

namespace fw {

struct Window::Impl {
  explicit Impl(Window& owner) : frame(new WindowFrame(owner)), content(new WindowContent(owner)) {
    frame->setCentralWidget(content);
    frame->setAttribute(Qt::WA_DeleteOnClose, false);
  }
  ~Impl() { delete frame; }

  WindowFrame* frame;
  WindowContent* content;
  std::vector<std::unique_ptr<Control>> controls;
  std::shared_ptr<MenuItem> menuBar;
  MenuHandlers handlers;
  WindowLayout layout;
  bool open = true;
};

namespace {

struct LiveEntry {
  std::type_index type;
  std::unique_ptr<Window> window;
};

std::vector<LiveEntry>& Live() {
  static std::vector<LiveEntry> live;
  return live;
}

// Holds a closed window until control is back in the event loop in which it
// was closed: a handler of the window may still be running (with a message
// box's nested loop, say), and a nested loop must not free it.
struct Reaper : QObject {
  std::unique_ptr<Window> window;
};

std::vector<QPointer<Reaper>>& Closed() {
  static std::vector<QPointer<Reaper>> closed;
  return closed;
}

Qt::WindowFlags FlagsFor(const WindowLayout& layout) {
  const bool dialog = layout.Type == WindowType::ModalDialog;
  Qt::WindowFlags flags = (dialog ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
  if (layout.HasCloseButton) flags |= Qt::WindowCloseButtonHint;
  if (layout.HasMinimizeButton && !dialog) flags |= Qt::WindowMinimizeButtonHint;
  if (layout.HasMaximizeButton && !dialog && layout.Resizeable)
    flags |= Qt::WindowMaximizeButtonHint;
  return flags;
}

void Bury(std::unique_ptr<Window> window) {
  auto* reaper = new Reaper;
  reaper->window = std::move(window);
  std::erase_if(Closed(), [](const QPointer<Reaper>& gone) { return gone.isNull(); });
  Closed().push_back(reaper);
  reaper->deleteLater();
}

}  // namespace

Window::Window() : impl_(std::make_unique<Impl>(*this)) {
  EnsureTeardown();
  InstallShortcutFilter();
}

Window::~Window() {
  ForgetWindow(this);
  // Widgets first: they hold the controls' connections.
  impl_->frame->hide();
  delete impl_->frame;
  impl_->frame = nullptr;
  impl_->controls.clear();
}

void Window::Construct() {
  Layout();
  CreateControls();
  AddMenuHandlers();
}

void Window::SetProperties(const WindowLayout& layout) {
  impl_->layout = layout;
  WindowFrame* frame = impl_->frame;
  frame->setWindowFlags(FlagsFor(layout));
  frame->closable = layout.HasCloseButton;
  frame->setWindowTitle(TitleBarText(layout.Title));
  const QSize size(ToInt(layout.Width), ToInt(layout.Height));
  WindowContent* content = impl_->content;
  content->preferred = size;
  if (layout.Resizeable) {
    // A maximum below the window's own size would cut its controls off.
    content->setMinimumSize(ToInt(std::min(layout.MinimumWidth, layout.Width)),
                            ToInt(std::min(layout.MinimumHeight, layout.Height)));
    content->setMaximumSize(ToInt(std::max(layout.MaximumWidth, layout.Width)),
                            ToInt(std::max(layout.MaximumHeight, layout.Height)));
    content->resize(size);
  } else {
    content->setFixedSize(size);
    frame->layout()->setSizeConstraint(QLayout::SetFixedSize);
  }
  if (layout.HasBackgroundColor) {
    QPalette palette = content->palette();
    palette.setColor(QPalette::Window, ToQColor(layout.BackgroundColor));
    content->setPalette(palette);
    content->setAutoFillBackground(true);
  }
  if (layout.DefaultLocation != 0) frame->move(ToInt(layout.Left), ToInt(layout.Top));
  InstallMenuBar(*this);
  frame->adjustSize();
}

void Window::Show() {
  if (!impl_->open) return;
  InstallMenuBar(*this);
  NoteActivated(this);  // frontmost now, before the window system confirms it
  WindowFrame* frame = impl_->frame;
  // A minimised window counts as visible to Qt: show() alone leaves it an icon.
  if (frame->isMinimized()) frame->setWindowState(frame->windowState() & ~Qt::WindowMinimized);
  frame->show();
  frame->raise();
  frame->activateWindow();
}

void Window::Hide() { impl_->frame->hide(); }

void Window::Close() {
  if (!impl_->open) return;
  impl_->open = false;
  auto& live = Live();
  auto entry = std::find_if(live.begin(), live.end(),
                            [this](const LiveEntry& e) { return e.window.get() == this; });
  std::unique_ptr<Window> self;
  if (entry != live.end()) {
    self = std::move(entry->window);
    live.erase(entry);
  }
  ForgetWindow(this);
  RunGuarded("Window.Close", [this] { Event_Close(); });
  impl_->frame->hide();
  if (self) Bury(std::move(self));
}

bool Window::Visible() const { return impl_->frame && impl_->frame->isVisible(); }
bool Window::IsOpen() const { return impl_->open; }
std::string Window::Title() const { return impl_->layout.Title; }
Integer Window::Width() const { return impl_->content->width(); }
Integer Window::Height() const { return impl_->content->height(); }

Control& Window::ControlByName(std::string_view name) const {
  for (const auto& control : impl_->controls)
    if (control->Name() == name) return *control;
  throw NilObjectException("the window has no control " + std::string(name));
}

const std::vector<std::unique_ptr<Control>>& Window::controls() const { return impl_->controls; }

void Window::AddControlObject(std::unique_ptr<Control> control) {
  impl_->controls.push_back(std::move(control));
}

void Window::SetMenuBar(std::shared_ptr<MenuItem> bar) {
  impl_->menuBar = std::move(bar);
  InstallMenuBar(*this);
}

const std::shared_ptr<MenuItem>& Window::menuBar() const { return impl_->menuBar; }

bool Window::MenuBarVisible() const {
  // Dialog frames show no menu bar on this platform; their shortcuts still act.
  return impl_->layout.MenuBarVisible && impl_->layout.Type != WindowType::ModalDialog;
}

void Window::AddMenuHandler(std::string itemName, MenuHandler handler) {
  impl_->handlers.Add(std::move(itemName), std::move(handler));
}

const MenuHandlers& Window::menuHandlers() const { return impl_->handlers; }
QMainWindow* Window::widget() const { return impl_->frame; }
QWidget* Window::content() const { return impl_->content; }

struct WindowAccess {
  static bool VisibleAtCreation(const Window& window) { return window.impl_->layout.Visible; }
};

namespace detail {

Window* LiveWindow(std::type_index type) {
  for (const auto& entry : Live())
    if (entry.type == type) return entry.window.get();
  return nullptr;
}

void AdoptWindow(std::type_index type, std::unique_ptr<Window> window) {
  Window& built = *window;
  built.Construct();  // throws: the half-built window goes with the unique_ptr
  Live().push_back({type, std::move(window)});
  for (const auto& control : built.controls()) {
    if (!built.IsOpen()) return;
    control->RaiseOpen();
  }
  if (!built.IsOpen()) return;
  RunGuarded("Window.Open", [&] { built.Event_Open(); });
  if (built.IsOpen() && WindowAccess::VisibleAtCreation(built)) built.Show();
}

}  // namespace detail

std::vector<Window*> LiveWindows() {
  std::vector<Window*> windows;
  for (const auto& entry : Live()) windows.push_back(entry.window.get());
  return windows;
}

void CloseAllWindows() {
  auto live = std::move(Live());
  Live().clear();
  live.clear();
  FreeClosedWindows();
}

void FreeClosedWindows() {
  auto closed = std::move(Closed());
  Closed().clear();
  for (const auto& reaper : closed) delete reaper.data();
}

}  // namespace fw
