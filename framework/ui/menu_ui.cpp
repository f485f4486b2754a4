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
#include <QPointer>

#include <vector>

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
// with the keys: after Escape closes one of its menus, the bar stays
// highlighted for the arrow keys. The widget the focus came from is still the
// one the user works in, and the one the Edit items act on.
struct BarFocus {
  QPointer<QMenuBar> bar;
  QPointer<QWidget> before;
};

std::vector<BarFocus>& BarFocuses() {
  static std::vector<BarFocus> focuses;
  return focuses;
}

void NoteFocusMove(QWidget* old, QWidget* now) {
  auto* bar = qobject_cast<QMenuBar*>(now);
  if (!bar || !old || old->window() != bar->window()) return;
  std::erase_if(BarFocuses(), [bar](const BarFocus& f) { return !f.bar || f.bar == bar; });
  BarFocuses().push_back({bar, old});
}

// The widget a menu bar holding the focus took it from, while that widget is
// still in the bar's window; else null.
QWidget* FocusBefore(const QWidget* bar) {
  for (const BarFocus& f : BarFocuses())
    if (f.bar == bar && f.before && f.before->window() == bar->window()) return f.before;
  return nullptr;
}

QMenu* BuildMenu(MenuItem& item) {
  auto* menu = new QMenu(UiHost());
  QObject::connect(menu, &QMenu::aboutToShow, menu, [] {
    RunGuarded("menu enabling", RunPassForFrontmost);
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

QWidget* WorkingFocus(const Window& window) {
  QWidget* focus = window.widget()->focusWidget();
  if (!qobject_cast<QMenuBar*>(focus)) return focus;
  QWidget* before = FocusBefore(focus);
  return before ? before : focus;
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
    // A shortcut ends the bar's keyboard navigation, as a second Escape
    // would, and acts where the user was working.
    if (auto* bar = qobject_cast<QMenuBar*>(watched))
      if (QWidget* before = FocusBefore(bar)) before->setFocus(Qt::MenuBarFocusReason);
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
  QObject::connect(qApp, &QApplication::focusChanged, filter, NoteFocusMove);
}

}  // namespace fw
