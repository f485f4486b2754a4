#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gmock/gmock.h>

#include "framework/ui/internal.h"
#include "tests/gui/framework/fixture.h"

namespace fwtest {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;
using W1 = ProbeWnd<1>;
using W2 = ProbeWnd<2>;

std::shared_ptr<fw::MenuItem> Item(std::shared_ptr<fw::MenuItem> item, std::string name,
                                   std::string text, std::string key = "", bool autoEnable = false) {
  item->Name = std::move(name);
  item->Text = std::move(text);
  item->CommandKey = std::move(key);
  item->AutoEnable = autoEnable;
  return item;
}

std::shared_ptr<fw::MenuItem> Plain(std::string name, std::string text, std::string key = "",
                                    bool autoEnable = false) {
  return Item(std::make_shared<fw::MenuItem>(), std::move(name), std::move(text), std::move(key),
              autoEnable);
}

// A bar shaped like the program's: File, Edit, Window and two untitled menus.
std::shared_ptr<fw::MenuItem> SampleBar() {
  auto bar = std::make_shared<fw::MenuBar>();
  bar->AddMenu(Plain("UntitledMenu3", ""));
  auto file = Plain("FileMenu", "File");
  file->AddMenu(Plain("Print", "Print", "", true));
  file->AddMenu(Item(std::make_shared<fw::QuitMenuItem>(), "FileQuit", "Quit", "Ctrl+Q", true));
  bar->AddMenu(file);
  auto edit = Plain("UntitledMenu0", "Edit");
  edit->AddMenu(Plain("EditUndo", "Undo", "Ctrl+Z"));
  edit->AddMenu(Plain("UntitledMenu1", "-"));
  edit->AddMenu(Plain("EditCopy", "Copy", "Ctrl+C"));
  edit->AddMenu(Plain("EditPaste", "Paste", "Ctrl+V"));
  edit->AddMenu(Plain("EditClear", ""));
  bar->AddMenu(edit);
  auto window = Plain("WindowMenu", "Window");
  window->AddMenu(Plain("ControlMenuItem", "Control", "Ctrl+K"));
  window->AddMenu(Plain("DescriptionMenuItem", "Description"));
  window->AddMenu(Plain("AboutMenuItem", "About Quarnel"));
  window->AddMenu(Item(std::make_shared<fw::AppleMenuItem>(), "AboutVorn", "About Quarnel"));
  bar->AddMenu(window);
  bar->AddMenu(Plain("UntitledMenu2", ""));
  return bar;
}

class ProbeApp : public fw::Application {
 public:
  std::function<void()> enable;
  void Event_EnableMenuItems() override {
    gLog.push_back("App EnableMenuItems");
    if (enable) enable();
  }
};

class MenuTest : public FrameworkTest {
 protected:
  MenuTest() {
    app.SetMenuBar(bar);
    fw::RegisterAppObject(&app);
  }
  fw::MenuItem& Named(const std::string& name) { return *bar->Lookup(name); }
  QAction* ActionFor(const std::string& name) { return fw::ActionOf(Named(name)); }
  static QAction* Find(const QList<QAction*>& actions, const QString& text) {
    for (QAction* action : actions)
      if (action->text() == text) return action;
    return nullptr;
  }

  // An active window with one text area, EigenFld, holding the text.
  static W1& WindowWithText(const std::string& text) {
    W1::setup.controls = [](fw::Window& w) {
      static_cast<W1&>(w).Add<fw::TextArea>("EigenFld").SetProperties({.Width = 150, .Height = 100});
    };
    W1& window = W1::Instance();
    WaitActive(window);
    window.ControlAs<fw::TextArea>("EigenFld").SetText(text);
    return window;
  }

  std::shared_ptr<fw::MenuItem> bar = SampleBar();
  ProbeApp app;
};

TEST_F(MenuTest, ItemsAreFoundByNameAtAnyDepthNeverByCaption) {
  EXPECT_EQ(bar->Count(), 5);
  EXPECT_EQ(bar->Child("WindowMenu")->Count(), 4);
  EXPECT_EQ(bar->Child("ControlMenuItem"), nullptr);  // not a direct child
  auto about = bar->Lookup("AboutVorn");
  ASSERT_NE(about, nullptr);
  EXPECT_NE(dynamic_cast<fw::AppleMenuItem*>(about.get()), nullptr);
  EXPECT_EQ(bar->Lookup("AboutMenuItem")->Text, about->Text);
  EXPECT_NE(bar->Lookup("AboutMenuItem"), about);
  EXPECT_EQ(bar->Lookup("About Quarnel"), nullptr);
  EXPECT_EQ(fw::AllItems(bar).size(), 17u);
  EXPECT_THROW(bar->Item(5), fw::NilObjectException);
}

TEST_F(MenuTest, EnablingPassDisablesThenRunsWindowThenApplication) {
  for (auto& item : fw::AllItems(bar)) item->Enabled = true;
  W1::setup.enableMenuItems = [this] {
    // The pass has already disabled what has no auto-enable.
    gLog.push_back(std::string("window sees Control ") + (Named("ControlMenuItem").Enabled ? "on" : "off"));
    Named("ControlMenuItem").Enabled = true;
  };
  app.enable = [this] { Named("AboutVorn").Enabled = true; };
  W1& window = W1::Instance();
  gLog.clear();

  fw::RunEnablingPass(&window);

  EXPECT_THAT(gLog, ElementsAre("W1 EnableMenuItems", "window sees Control off", "App EnableMenuItems"));
  EXPECT_TRUE(Named("Print").Enabled);     // auto-enable
  EXPECT_TRUE(Named("FileQuit").Enabled);  // auto-enable
  EXPECT_TRUE(Named("ControlMenuItem").Enabled);
  EXPECT_TRUE(Named("AboutVorn").Enabled);
  EXPECT_FALSE(Named("DescriptionMenuItem").Enabled);
  EXPECT_FALSE(Named("EditCopy").Enabled);  // no text area has the focus
  // The Qt actions follow the model.
  EXPECT_TRUE(ActionFor("ControlMenuItem")->isEnabled());
  EXPECT_FALSE(ActionFor("DescriptionMenuItem")->isEnabled());
}

TEST_F(MenuTest, OpeningAMenuRunsThePassForTheFrontmostWindow) {
  W1::setup.enableMenuItems = [this] { Named("DescriptionMenuItem").Enabled = true; };
  W1& window = W1::Instance();
  ASSERT_EQ(fw::FrontmostWindow(), &window);
  gLog.clear();
  QMenu* menu = fw::MenuOf(Named("WindowMenu"));
  menu->popup(QPoint(0, 0));
  EXPECT_THAT(gLog, ElementsAre("W1 EnableMenuItems", "App EnableMenuItems"));
  EXPECT_TRUE(ActionFor("DescriptionMenuItem")->isEnabled());
  EXPECT_FALSE(ActionFor("ControlMenuItem")->isEnabled());
  menu->hide();
}

TEST_F(MenuTest, ChoosingRunsWindowHandlersThenApplicationHandlers) {
  bool windowConsumes = false;
  W1::setup.menuHandlers = [&](fw::Window& w) {
    w.AddMenuHandler("AboutVorn", [&] {
      gLog.push_back("window About");
      return windowConsumes;
    });
  };
  app.AddMenuHandler("AboutVorn", [] {
    gLog.push_back("app About");
    return false;
  });
  app.enable = [this] { Named("AboutVorn").Enabled = true; };
  W1& window = W1::Instance();
  fw::RunEnablingPass(&window);
  gLog.clear();

  ActionFor("AboutVorn")->trigger();
  windowConsumes = true;
  ActionFor("AboutVorn")->trigger();
  EXPECT_THAT(gLog, ElementsAre("window About", "app About", "window About"));

  gLog.clear();
  fw::Dispatch(Named("DescriptionMenuItem"), &window);  // disabled: nothing runs
  EXPECT_TRUE(gLog.empty());
}

TEST_F(MenuTest, ShortcutRunsThePassFirstAndActsBeforeKeyFilters) {
  bool enableControl = true;
  W1::setup.enableMenuItems = [&] { Named("ControlMenuItem").Enabled = enableControl; };
  W1::setup.menuHandlers = [](fw::Window& w) {
    w.AddMenuHandler("ControlMenuItem", [] {
      gLog.push_back("Control chosen");
      return false;
    });
  };
  W1::setup.controls = [](fw::Window& w) {
    auto& area = static_cast<W1&>(w).Add<fw::TextArea>("EigenFld");
    area.SetProperties({.Width = 150, .Height = 100});
    area.OnKeyDown([](fw::TextArea&, const std::string& key) {
      gLog.push_back("filter " + std::to_string(key.empty() ? -1 : key[0]));
      return false;
    });
  };
  W1& window = W1::Instance();
  auto& area = window.ControlAs<fw::TextArea>("EigenFld");
  area.SetFocus();
  gLog.clear();

  QTest::keyClick(area.editor(), Qt::Key_K, Qt::ControlModifier);
  EXPECT_THAT(gLog, ElementsAre("W1 EnableMenuItems", "App EnableMenuItems", "Control chosen"));

  // Disabled by the pass: the handler does not run and the key does not reach the filter.
  enableControl = false;
  gLog.clear();
  QTest::keyClick(area.editor(), Qt::Key_K, Qt::ControlModifier);
  EXPECT_THAT(gLog, ElementsAre("W1 EnableMenuItems", "App EnableMenuItems"));
  EXPECT_EQ(area.Text(), "");

  // A key that is no shortcut goes to the filter.
  gLog.clear();
  QTest::keyClick(area.editor(), Qt::Key_5);
  EXPECT_THAT(gLog, ElementsAre("filter 53"));
}

// Qt leaves the keyboard focus on the bar after Escape from one of its menus;
// the framework gives it back to the text area the user was in, so that the
// caret keys, typing and the Edit shortcuts reach it again. An arrow key that
// moves from one menu to the next keeps the bar's navigation.
// Whether the text area holds the focus in its window, once the closed menu
// has settled: offscreen, the menu's window gives up its activation some
// events later and may leave no window active; the window's focus widget is
// the one its next activation gives the keys to.
bool FocusComesBackTo(const fw::TextArea& area) {
  QTest::qWait(50);
  QWidget* window = area.editor()->window();
  if (!window->isActiveWindow()) {
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) return false;
  }
  return window->focusWidget() == area.editor() && QApplication::focusWidget() == area.editor();
}

TEST_F(MenuTest, EscapeFromAMenuGivesTheFocusBackToTheTextArea) {
  W1& window = WindowWithText("1.5");
  auto& area = window.ControlAs<fw::TextArea>("EigenFld");
  area.SetFocus();
  QMenuBar* qtBar = window.widget()->menuBar();
  QMenu* file = fw::MenuOf(Named("FileMenu"));
  QMenu* edit = fw::MenuOf(Named("UntitledMenu0"));

  // From the keys: Alt, Down opens File, Right moves to Edit.
  QTest::keyClick(area.editor(), Qt::Key_Alt);
  QTest::keyClick(qtBar, Qt::Key_Down);
  ASSERT_TRUE(file->isVisible());
  QTest::keyClick(file, Qt::Key_Right);
  Settle();
  EXPECT_FALSE(file->isVisible());
  ASSERT_TRUE(edit->isVisible()) << "the move to the next menu was undone";
  QTest::keyClick(edit, Qt::Key_Escape);
  Settle();
  ASSERT_FALSE(edit->isVisible());
  ASSERT_TRUE(FocusComesBackTo(area));

  // With the mouse.
  QTest::mouseClick(qtBar, Qt::LeftButton, {}, qtBar->actionGeometry(ActionFor("UntitledMenu0")).center());
  ASSERT_TRUE(edit->isVisible());
  QTest::keyClick(edit, Qt::Key_Escape);
  Settle();
  ASSERT_FALSE(edit->isVisible());
  ASSERT_TRUE(FocusComesBackTo(area));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
  QTest::keyClicks(QApplication::focusWidget(), "2");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home, Qt::ShiftModifier);
  EXPECT_EQ(area.Text(), "1.52");
  EXPECT_EQ(area.SelLength(), 4);
  QApplication::clipboard()->setText("before");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "1.52");
}

// Alt alone gives the bar the focus for its keys; a menu shortcut pressed then
// ends that and acts on the text area the user was in.
TEST_F(MenuTest, AShortcutWhileTheBarIsWorkedWithTheKeysActsOnTheTextArea) {
  W1& window = WindowWithText("1.5");
  auto& area = window.ControlAs<fw::TextArea>("EigenFld");
  area.SetSelStart(0);
  area.SetSelLength(3);
  area.SetFocus();
  QMenuBar* qtBar = window.widget()->menuBar();
  QTest::keyClick(area.editor(), Qt::Key_Alt);
  Settle();
  ASSERT_EQ(QApplication::focusWidget(), qtBar);

  QApplication::clipboard()->setText("before");
  QTest::keyClick(qtBar, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "1.5");
  EXPECT_EQ(QApplication::focusWidget(), area.editor());
}

// A right-click whose mouse-down hides the window opens no menu over the
// window that came forward; one that leaves it shown opens the carried bar.
TEST_F(MenuTest, ARightClickThatHidesTheWindowOpensNoMenu) {
  for (const bool hides : {false, true}) {
    SCOPED_TRACE(hides ? "hides" : "stays");
    W2::setup.layout.MenuBarVisible = false;
    W2::setup.mouseDown = [hides](fw::Integer, fw::Integer) {
      if (hides) W2::Instance().Hide();
      return false;
    };
    W2& window = W2::Instance();
    window.SetMenuBar(bar);
    WaitActive(window);
    QStringList popped;
    QTimer::singleShot(200, [&popped] {
      if (QWidget* popup = QApplication::activePopupWidget()) {
        for (QAction* action : popup->actions()) popped << action->text();
        popup->close();
      }
    });
    // Through the Qt window, as the window system delivers it: the press
    // first, then the context menu event.
    QTest::mouseClick(window.widget()->windowHandle(), Qt::RightButton, {},
                      window.content()->mapTo(window.widget(), QPoint(50, 50)));
    QTest::qWait(300);
    EXPECT_EQ(popped.contains("Window"), !hides) << popped.join(", ").toStdString();
    fw::CloseAllWindows();
  }
}

TEST_F(MenuTest, AllWindowsShowTheSameSharedActions) {
  W1& one = W1::Instance();
  W2& two = W2::Instance();
  const auto first = one.widget()->menuBar()->actions();
  const auto second = two.widget()->menuBar()->actions();
  ASSERT_EQ(first.size(), 5);
  EXPECT_EQ(first, second);
  EXPECT_EQ(fw::MenuOf(Named("WindowMenu"))->actions(), fw::MenuOf(Named("WindowMenu"))->actions());
  Named("ControlMenuItem").Enabled = false;
  fw::SyncMenuUi(*bar);
  EXPECT_FALSE(first[3]->menu()->actions()[0]->isEnabled());
}

TEST_F(MenuTest, EmptyCaptionsAreNotShownAndTheDashIsASeparator) {
  W1::Instance();
  fw::RunEnablingPass(fw::FrontmostWindow());
  EXPECT_FALSE(ActionFor("UntitledMenu3")->isVisible());
  EXPECT_FALSE(ActionFor("UntitledMenu2")->isVisible());
  EXPECT_FALSE(ActionFor("EditClear")->isVisible());
  EXPECT_TRUE(ActionFor("UntitledMenu1")->isSeparator());
  EXPECT_TRUE(ActionFor("FileMenu")->isVisible());
  // The shortcut is shown beside the caption.
  EXPECT_EQ(ActionFor("FileQuit")->text(), "Quit\tCtrl+Q");
}

TEST_F(MenuTest, ACarriedHiddenBarIsReachedByShortcutsAndTheContextMenu) {
  W2::setup.layout.MenuBarVisible = false;
  W2::setup.enableMenuItems = [this] { Named("ControlMenuItem").Enabled = true; };
  W2::setup.menuHandlers = [](fw::Window& w) {
    w.AddMenuHandler("ControlMenuItem", [] {
      gLog.push_back("Control chosen");
      return false;
    });
  };
  W2& window = W2::Instance();
  window.SetMenuBar(bar);
  EXPECT_TRUE(!window.widget()->menuWidget() || !window.widget()->menuWidget()->isVisible());
  gLog.clear();

  QTest::keyClick(window.widget(), Qt::Key_K, Qt::ControlModifier);
  EXPECT_EQ(gLog.back(), "Control chosen");

  QMenu context;
  fw::AppendCarriedMenus(context, window);
  QAction* windowMenu = Find(context.actions(), "Window");
  ASSERT_NE(windowMenu, nullptr);
  QAction* control = Find(windowMenu->menu()->actions(), "Control\tCtrl+K");
  ASSERT_NE(control, nullptr);
  EXPECT_TRUE(control->isEnabled());
  gLog.clear();
  control->trigger();
  EXPECT_THAT(gLog, ElementsAre("Control chosen"));
}

// The Edit items over every state of the focused text area that their rules
// read. Enabled: U Undo, X Cut, C Copy, P Paste, L Clear; '-' disabled.
struct EditState {
  bool editable;
  bool selection;
  bool clipboardText;
  bool undo;
  const char* enabled;
};

const EditState kEditStates[] = {
    {true, true, true, true, "UXCPL"},     {true, true, true, false, "-XCPL"},
    {true, true, false, true, "UXC-L"},    {true, true, false, false, "-XC-L"},
    {true, false, true, true, "U--P-"},    {true, false, true, false, "---P-"},
    {true, false, false, true, "U----"},   {true, false, false, false, "-----"},
    {false, true, true, true, "--C--"},    {false, true, true, false, "--C--"},
    {false, true, false, true, "--C--"},   {false, false, true, true, "-----"},
    {false, false, false, false, "-----"},
};

std::string Describe(const EditState& s) {
  return std::string(s.editable ? "editable" : "read-only") +
         (s.selection ? ", selection" : ", no selection") +
         (s.clipboardText ? ", clipboard text" : ", empty clipboard") +
         (s.undo ? ", undo available" : ", nothing to undo");
}

// The Edit menu with all five items shown, Clear without a shortcut.
class EditMenuTest : public MenuTest {
 protected:
  struct EditItem {
    const char* name;
    char letter;   // in EditState::enabled
    Qt::Key key;   // with Ctrl; 0 for none
  };
  static constexpr EditItem kItems[] = {{"EditUndo", 'U', Qt::Key_Z},
                                        {"EditCut", 'X', Qt::Key_X},
                                        {"EditCopy", 'C', Qt::Key_C},
                                        {"EditPaste", 'P', Qt::Key_V},
                                        {"EditClear", 'L', Qt::Key(0)}};

  // The window binds a handler to every Edit item, which notes that it ran.
  EditMenuTest() {
    bar->Child("UntitledMenu0")->AddMenu(Plain("EditCut", "Cut", "Ctrl+X"));
    Named("EditClear").Text = "Clear";
    W1::setup.menuHandlers = [](fw::Window& w) {
      for (const EditItem& item : kItems)
        w.AddMenuHandler(item.name, [name = item.name] {
          gLog.push_back(std::string("window ") + name);
          return true;
        });
    };
  }

  // The area EigenFld as the state says, with the focus: "1.5" was replaced by
  // "1.5 2.5" where there is something to undo; "1.5" selected, or the caret
  // after it.
  fw::TextArea& AreaIn(const EditState& s) {
    if (!fw::LiveInstance<W1>()) WindowWithText("");
    auto& area = W1::Instance().ControlAs<fw::TextArea>("EigenFld");
    area.SetProperties({.Width = 150, .Height = 100, .Text = s.undo ? "1.5" : "1.5 2.5",
                        .ReadOnly = !s.editable});
    if (s.undo) area.SetText("1.5 2.5");
    area.SetSelStart(s.selection ? 0 : 3);
    area.SetSelLength(s.selection ? 3 : 0);
    if (s.clipboardText)
      QApplication::clipboard()->setText("9");
    else
      QApplication::clipboard()->clear();
    area.SetFocus();
    return area;
  }

  // The items' states as the user meets them: the Edit menu opens, which runs
  // the enabling pass; read from the model and from the menu's actions.
  std::string EnabledInOpenedMenu() {
    for (const EditItem& item : kItems) Named(item.name).Enabled = true;
    QMenu* edit = fw::MenuOf(Named("UntitledMenu0"));
    edit->popup(QPoint(0, 0));
    std::string model, shown;
    for (const EditItem& item : kItems) {
      model += Named(item.name).Enabled ? item.letter : '-';
      shown += ActionFor(item.name)->isEnabled() ? item.letter : '-';
    }
    edit->hide();
    Settle();
    EXPECT_EQ(model, shown) << "the menu's actions do not follow the items";
    return model;
  }

  // What an Edit item can change: the text, the selection, the clipboard.
  static std::string Observed(const fw::TextArea& area) {
    return area.Text() + " | " + std::to_string(area.SelStart()) + "+" +
           std::to_string(area.SelLength()) + " | " +
           QApplication::clipboard()->text().toStdString();
  }
};

TEST_F(EditMenuTest, EditItemsAreEnabledByWhatTheFocusedAreaCanDo) {
  for (const EditState& s : kEditStates) {
    SCOPED_TRACE(Describe(s));
    fw::TextArea& area = AreaIn(s);
    ASSERT_EQ(fw::FocusedTextArea(fw::FrontmostWindow()), &area);
    const std::string enabled = EnabledInOpenedMenu();
    EXPECT_EQ(enabled, s.enabled);

    // A disabled item chosen anyway, by its shortcut or as the menu would,
    // changes nothing and reaches no handler.
    const std::string before = Observed(area);
    for (const EditItem& item : kItems) {
      if (enabled.find(item.letter) != std::string::npos) continue;
      SCOPED_TRACE(item.name);
      gLog.clear();
      if (item.key) QTest::keyClick(area.editor(), item.key, Qt::ControlModifier);
      fw::RunEnablingPass(fw::FrontmostWindow());
      fw::Dispatch(Named(item.name), fw::FrontmostWindow());
      EXPECT_EQ(Observed(area), before);
      EXPECT_THAT(gLog, Not(Contains(::testing::StartsWith("window "))));
    }
  }
}

// A window may enable the Edit items by a rule of its own; the focused area
// still acts only where its rule allows, and passes the rest on to the
// window's handlers untouched.
TEST_F(EditMenuTest, AnItemTheAreaCannotDoGoesOnToTheWindowAndLeavesTheAreaAlone) {
  W1::setup.enableMenuItems = [this] {
    for (const EditItem& item : kItems) Named(item.name).Enabled = true;
  };
  for (const EditState& s : kEditStates) {
    SCOPED_TRACE(Describe(s));
    for (const EditItem& item : kItems) {
      SCOPED_TRACE(item.name);
      fw::TextArea& area = AreaIn(s);
      const std::string before = Observed(area);
      fw::RunEnablingPass(fw::FrontmostWindow());
      ASSERT_TRUE(ActionFor(item.name)->isEnabled());
      gLog.clear();
      ActionFor(item.name)->trigger();
      const bool areaActs = std::string_view(s.enabled).find(item.letter) != std::string_view::npos;
      EXPECT_EQ(gLog.empty(), areaActs) << ::testing::PrintToString(gLog);
      // Each item the area can do changes the text or the clipboard here.
      if (areaActs)
        EXPECT_NE(Observed(area), before);
      else
        EXPECT_EQ(Observed(area), before);
    }
  }
}

TEST_F(MenuTest, TheQuitItemEndsTheEventLoop) {
  W1::Instance();
  QTimer::singleShot(0, [this] {
    fw::RunEnablingPass(fw::FrontmostWindow());
    ActionFor("FileQuit")->trigger();
  });
  QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });  // a safety net
  EXPECT_EQ(fw::RunEventLoop(), 0);
  EXPECT_TRUE(fw::QuitRequested());
  EXPECT_TRUE(fw::LiveWindows().empty());
}

}  // namespace
}  // namespace fwtest
