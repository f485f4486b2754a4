// Pieces shared by the framework's own sources; not for window code.
#pragma once

#include <QFont>
#include <QPointer>
#include <QString>

#include <memory>
#include <string>
#include <string_view>

#include "framework/graphics/qt_conversions.h"
#include "framework/text/text.h"
#include "framework/ui/menu.h"

class QAction;
class QMenu;
class QWidget;

namespace fw {

class Window;
class TextArea;
enum class Alignment : Integer;

struct MenuItem::Ui {
  QPointer<QAction> action;  // a leaf's action, or a menu's menuAction
  QPointer<QMenu> menu;      // set when the item has children
};

// A font by family name and pixel size; "System" is the application font,
// size 0 the framework's default (12 pixels).
QFont MakeFont(const std::string& family, long long pixelSize, bool bold);
int ToInt(long long value);  // clamped to the int range
// A title for a title bar: Qt puts the program's name in an empty one, and a
// blank shows none.
QString TitleBarText(const std::string& title);
Qt::Alignment HorizontalAlignment(Alignment alignment);

// The hidden widget that parents the shared menus and actions; freed before
// the QApplication goes, with every window.
QWidget* UiHost();
void EnsureTeardown();

// The fw window whose Qt window holds the widget, or null.
Window* WindowOf(const QWidget* widget);
// The text area that has (or, in an inactive window, last had) the keyboard
// focus in that window, or null.
TextArea* FocusedTextArea(const Window* window);

// The shared Qt menu of a menu item (built on first use) and the action of a leaf.
QMenu* MenuOf(MenuItem& item);
QAction* ActionOf(MenuItem& item);
// Brings the Qt actions under the root up to date with the model.
void SyncMenuUi(MenuItem& root);
// The bar's top-level menus on a window's own Qt menu bar.
void InstallMenuBar(Window& window);
// The menus a window carries without showing them, for its context menus:
// appended to menu (after a separator) when the window's bar is hidden and the
// window is still shown.
void AppendCarriedMenus(QMenu& menu, Window& window);
// Runs the Edit item of that name on the text area; false when it is no
// Edit item or the area cannot do it.
bool RunEditItem(const std::string& itemName, TextArea& area);
void EnableEditItems(MenuItem& bar, const TextArea& area);
// Installs the application-wide key filter that runs menu shortcuts first.
void InstallShortcutFilter();

void NoteActivated(Window* window);
void ForgetWindow(Window* window);

}  // namespace fw
