// The Qt side of the shared menu model: one QMenu per menu and one QAction
// per item, shared by every window that shows the bar (a QAction can live in
// several menus at once), and the application-wide filter that gives menu
// shortcuts the first look at every key.
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <QTimer>

#include "framework/ui/application.h"
#include "framework/ui/controls.h"
#include "framework/ui/internal.h"
#include "framework/ui/window.h"

namespace fw {
namespace {

MenuItem::Ui& UiOf(MenuItem& item) {
  if (!item.ui()) item.SetUi(new MenuItem::Ui);
  return *item.ui();
}

QString Caption(const MenuItem& item) {
  QString caption = ToQt(item.Text);
  // QMenu shows what follows a tab as the shortcut column; the shortcut
  // itself is run by the key filter below, after the enabling pass.
  if (!item.CommandKey.empty()) caption += '\t' + ToQt(item.CommandKey);
  return caption;
}

void RunPassForFrontmost() { RunEnablingPass(FrontmostWindow()); }

// Qt hands the keyboard focus to a window's menu bar while the bar is worked
// with the keys, and keeps it there after Escape has closed one of its menus,
// for the arrow keys; but the user was working in a widget of the window, and
// keys that are no menu's (Ctrl+A, the arrows, typing) belong to it. Escape
// to the bar ends its keyboard navigation and gives the focus back where Qt
// took it from, as a second Escape by the user would.
void LeaveBarNavigation(QMenuBar* bar) {
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QCoreApplication::sendEvent(bar, &escape);
}

// Once a menu has closed and none opened in its place (an arrow key moves
// from one menu of the bar to the next), a bar that still holds the focus
// gives it back.
void GiveFocusBackAfterMenu() {
  if (QApplication::activePopupWidget()) return;
  if (auto* bar = qobject_cast<QMenuBar*>(QApplication::focusWidget())) LeaveBarNavigation(bar);
}

// A lone Alt hands the keys to the menu bar, where the arrows, Return and
// Escape work its menus; the platform's style marks the title the keys are
// on only while its menu is open, so the keys would seem to vanish. Here the
// title is marked while the bar holds the keys too, as with an open menu.
class BarKeysStyle : public QProxyStyle {
 public:
  BarKeysStyle() : QProxyStyle(QApplication::style()->name()) {}

  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == CE_MenuBarItem && item && widget && widget->hasFocus() &&
        (item->state & State_Selected)) {
      QStyleOptionMenuItem marked(*item);
      marked.state |= State_Sunken;
      QProxyStyle::drawControl(element, &marked, painter, widget);
      return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
  }
};

QStyle* BarStyle() {
  static QPointer<BarKeysStyle> style;
  if (!style) {
    style = new BarKeysStyle;
    style->setParent(qApp);
  }
  return style;
}

QMenu* BuildMenu(MenuItem& item) {
  auto* menu = new QMenu(UiHost());
  QObject::connect(menu, &QMenu::aboutToShow, menu, [] {
    RunGuarded("menu enabling", RunPassForFrontmost);
  });
  // The bar takes the focus only after the menu has gone.
  QObject::connect(menu, &QMenu::aboutToHide, menu, [] {
    QTimer::singleShot(0, UiHost(), GiveFocusBackAfterMenu);
  });
  for (const auto& child : item.children()) menu->addAction(ActionOf(*child));
  return menu;
}

QAction* BuildLeafAction(MenuItem& item) {
  auto* action = new QAction(UiHost());
  QObject::connect(action, &QAction::triggered, action, [&item] {
    RunGuarded("menu item " + item.Name, [&item] { Dispatch(item, FrontmostWindow()); });
  });
  return action;
}

void SyncItem(MenuItem& item) {
  QAction* action = ActionOf(item);
  action->setSeparator(item.IsSeparator());
  action->setVisible(item.IsShown());
  if (item.IsSeparator()) return;
  if (item.children().empty()) {
    action->setText(Caption(item));
    action->setEnabled(item.Enabled);
  } else {
    // A menu always opens; its items carry the enabled state.
    MenuOf(item)->setTitle(ToQt(item.Text));
    action->setEnabled(true);
  }
}

}  // namespace

QMenu* MenuOf(MenuItem& item) {
  auto& ui = UiOf(item);
  if (!ui.menu) {
    ui.menu = BuildMenu(item);
    ui.action = ui.menu->menuAction();
  }
  return ui.menu;
}

QAction* ActionOf(MenuItem& item) {
  if (!item.children().empty()) return MenuOf(item)->menuAction();
  auto& ui = UiOf(item);
  if (!ui.action) ui.action = BuildLeafAction(item);
  return ui.action;
}

void SyncMenuUi(MenuItem& root) {
  for (const auto& child : root.children()) {
    SyncItem(*child);
    SyncMenuUi(*child);
  }
}

void InstallMenuBar(Window& window) {
  QMainWindow* frame = window.widget();
  auto bar = MenuBarFor(&window);
  if (!window.MenuBarVisible() || !bar) {
    if (frame->menuWidget()) frame->menuWidget()->hide();
    return;
  }
  QMenuBar* qtBar = frame->menuBar();
  if (qtBar->style() != BarStyle()) qtBar->setStyle(BarStyle());
  qtBar->clear();
  for (const auto& menu : bar->children()) qtBar->addAction(ActionOf(*menu));
  SyncMenuUi(*bar);
  qtBar->show();
}

void AppendCarriedMenus(QMenu& menu, Window& window) {
  auto bar = MenuBarFor(&window);
  // A mouse-down that hid the window (the About window's) ends the click
  // there: the menu would pop up over whatever window came forward.
  if (window.MenuBarVisible() || !bar || !window.Visible()) return;
  RunEnablingPass(&window);
  menu.addSeparator();
  for (const auto& top : bar->children())
    if (top->IsShown() && !top->children().empty()) menu.addMenu(MenuOf(*top));
}

bool RunEditItem(const std::string& itemName, TextArea& area) {
  struct EditItem {
    const char* name;
    bool (TextArea::*can)() const;
    void (TextArea::*act)();
  };
  static constexpr EditItem kEditItems[] = {
      {"EditUndo", &TextArea::CanUndo, &TextArea::Undo},
      {"EditCut", &TextArea::CanCut, &TextArea::Cut},
      {"EditCopy", &TextArea::CanCopy, &TextArea::Copy},
      {"EditPaste", &TextArea::CanPaste, &TextArea::Paste},
      {"EditClear", &TextArea::CanClear, &TextArea::Clear},
  };
  for (const auto& edit : kEditItems) {
    if (itemName != edit.name) continue;
    if (!(area.*edit.can)()) return false;
    (area.*edit.act)();
    return true;
  }
  return false;
}

void EnableEditItems(MenuItem& bar, const TextArea& area) {
  const std::pair<const char*, bool> states[] = {
      {"EditUndo", area.CanUndo()},   {"EditCut", area.CanCut()},
      {"EditCopy", area.CanCopy()},   {"EditPaste", area.CanPaste()},
      {"EditClear", area.CanClear()},
  };
  for (const auto& [name, enabled] : states)
    if (auto item = bar.Lookup(name); item && enabled) item->Enabled = true;
}

std::shared_ptr<MenuItem> ItemForShortcut(const std::shared_ptr<MenuItem>& bar,
                                          const std::string& portableKey) {
  if (portableKey.empty()) return nullptr;
  const QKeySequence pressed = QKeySequence::fromString(ToQt(portableKey), QKeySequence::PortableText);
  for (const auto& item : AllItems(bar)) {
    if (item == bar || item->CommandKey.empty() || !item->IsShown()) continue;
    if (QKeySequence::fromString(ToQt(item->CommandKey), QKeySequence::PortableText) == pressed)
      return item;
  }
  return nullptr;
}

namespace {

// Gives menu shortcuts the first look at every key pressed in a window of
// ours, before any key filter of a window or text area: the enabling pass
// runs, then the item when it is enabled. The key is consumed either way, so
// a disabled shortcut does not reach the text as a control character.
class ShortcutFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    Window* window = WindowOf(static_cast<QWidget*>(watched));
    if (!window || key->isAutoRepeat()) return window && IsShortcut(*key, window);
    return RunGuarded("menu shortcut", [&] { return RunShortcut(*key, watched, window); });
  }

 private:
  static std::shared_ptr<MenuItem> Match(const QKeyEvent& key, Window* window) {
    if (key.modifiers() == Qt::NoModifier || key.modifiers() == Qt::ShiftModifier) return nullptr;
    const QKeySequence pressed(key.keyCombination());
    return ItemForShortcut(MenuBarFor(window), FromQt(pressed.toString(QKeySequence::PortableText)));
  }
  static bool IsShortcut(const QKeyEvent& key, Window* window) { return Match(key, window) != nullptr; }
  static bool RunShortcut(const QKeyEvent& key, QObject* watched, Window* window) {
    auto item = Match(key, window);
    if (!item) return false;
    // A shortcut pressed while the bar is worked with the keys (after Alt)
    // ends that, and acts where the user was working.
    if (auto* bar = qobject_cast<QMenuBar*>(watched)) LeaveBarNavigation(bar);
    RunEnablingPass(window);
    if (item->Enabled) Dispatch(*item, window);
    return true;
  }
};

}  // namespace

void InstallShortcutFilter() {
  static QPointer<ShortcutFilter> filter;
  if (filter || !qApp) return;
  filter = new ShortcutFilter(qApp);
  qApp->installEventFilter(filter);
}

}  // namespace fw
