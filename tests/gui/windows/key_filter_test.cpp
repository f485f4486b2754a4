// The two key filters: which key texts pass, which are refused with a beep,
// and what typing through the real field does (caret keys unfiltered, the
// 2-character limit, pasted text unfiltered).
#include <QApplication>
#include <QClipboard>
#include <QTextEdit>

#include <gmock/gmock.h>

#include <string>

#include "core/app/menu.h"
#include "core/windows/control_wnd.h"
#include "framework/ui/application.h"
#include "windows_fixture.h"

namespace {

struct KeyCase {
  const char* label;
  std::string key;
  bool variablesPass;
  bool eigenvaluesPass;
};

const KeyCase kKeys[] = {
    {"0", "0", true, true},          {"7", "7", true, true},
    {"9", "9", true, true},          {"minus", "-", false, true},
    {"point", ".", false, true},     {"plus", "+", false, false},
    {"comma", ",", false, false},    {"space", " ", false, false},
    {"e", "e", false, false},        {"E", "E", false, false},
    {"letter x", "x", false, false}, {"slash", "/", false, false},
    {"colon", ":", false, false},    {"Backspace", "\b", true, true},
    {"Tab", "\t", true, false},      {"LF", "\n", true, true},
    {"Return", "\r", true, true},    {"Escape", "\x1b", true, false},
    {"Ctrl+A", "\x01", true, false}, {"DEL", "\x7f", true, true},
    {"e acute", "\xc3\xa9", false, false},
};

class KeyFilterTest : public WindowsTest {};

TEST_F(KeyFilterTest, EachFilterPassesItsKeysAndRefusesTheRestWithABeep) {
  ControlWnd& wnd = ControlWnd::Instance();
  for (const KeyCase& c : kKeys) {
    SCOPED_TRACE(c.label);
    script_.ClearCalls();
    EXPECT_EQ(wnd.NVarsFld_KeyDown(wnd.NVarsFld(), c.key), !c.variablesPass);
    EXPECT_EQ(script_.Count("Beep"), c.variablesPass ? 0 : 1);
    script_.ClearCalls();
    EXPECT_EQ(wnd.EigenFld_KeyDown(wnd.EigenFld(), c.key), !c.eigenvaluesPass);
    EXPECT_EQ(script_.Count("Beep"), c.eigenvaluesPass ? 0 : 1);
  }
}

TEST_F(KeyFilterTest, TypedEigenvaluesEnterAndRefusedKeysEnterNothing) {
  ControlWnd& wnd = ControlWnd::Instance();
  QWidget* field = wnd.EigenFld().widget();
  wnd.EigenFld().SetFocus();
  QTest::keyClicks(field, "5.43");
  QTest::keyClick(field, Qt::Key_Return);
  QTest::keyClicks(field, "-.80");
  EXPECT_TRUE(script_.calls().empty());
  QTest::keyClicks(field, "+eE, ");
  QTest::keyClick(field, Qt::Key_Tab);
  EXPECT_EQ(script_.Count("Beep"), 6);
  EXPECT_EQ(wnd.EigenFld().Text(), "5.43\r\n-.80");
  EXPECT_EQ(wnd.widget()->focusWidget(), field);  // the refused Tab moved nothing
}

TEST_F(KeyFilterTest, CaretKeysMoveWithoutReachingTheFilter) {
  ControlWnd& wnd = ControlWnd::Instance();
  QWidget* field = wnd.EigenFld().widget();
  wnd.EigenFld().SetText("12");
  wnd.EigenFld().SetFocus();
  wnd.EigenFld().SetSelStart(2);
  for (Qt::Key key : {Qt::Key_Left, Qt::Key_Home, Qt::Key_End, Qt::Key_Up, Qt::Key_PageUp})
    QTest::keyClick(field, key);
  QTest::keyClick(field, Qt::Key_Home);
  QTest::keyClicks(field, "3");
  EXPECT_EQ(script_.Count("Beep"), 0);
  EXPECT_EQ(wnd.EigenFld().Text(), "312");
}

TEST_F(KeyFilterTest, VariablesFieldTakesTwoDigitsAtMost) {
  ControlWnd& wnd = ControlWnd::Instance();
  QWidget* field = wnd.NVarsFld().widget();
  wnd.NVarsFld().SetFocus();
  QTest::keyClicks(field, "7a-.");
  EXPECT_EQ(script_.Count("Beep"), 3);
  QTest::keyClicks(field, "23");
  EXPECT_EQ(wnd.NVarsFld().Text(), "72");
  QTest::keyClick(field, Qt::Key_Backspace);
  EXPECT_EQ(wnd.NVarsFld().Text(), "7");
}

// Paste through the Edit menu, and its shortcut, which acts before the
// filter would refuse Ctrl+V's control character.
TEST_F(KeyFilterTest, PastedTextIsNotFiltered) {
  ControlWnd& wnd = ControlWnd::Instance();
  QApplication::clipboard()->setText("1.5e2\nabc");
  wnd.EigenFld().SetFocus();
  fw::RunEnablingPass(&wnd);
  fw::Dispatch(*Menu::Shared()->Lookup("EditPaste"), &wnd);
  EXPECT_EQ(wnd.EigenFld().Text(), "1.5e2\r\nabc");

  wnd.EigenFld().SetText("");
  QTest::keyClick(wnd.EigenFld().widget(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(wnd.EigenFld().Text(), "1.5e2\r\nabc");
  EXPECT_EQ(script_.Count("Beep"), 0);
}

// The Edit items' shortcuts and Quit's act before the filter, which would
// refuse their control characters with a beep.
TEST_F(KeyFilterTest, MenuShortcutsActBeforeTheFilter) {
  ControlWnd& wnd = ControlWnd::Instance();
  QWidget* field = wnd.EigenFld().widget();
  wnd.EigenFld().SetText("1.25");
  wnd.EigenFld().SetFocus();
  wnd.EigenFld().SetSelStart(0);
  wnd.EigenFld().SetSelLength(2);
  QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "1.");
  QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(wnd.EigenFld().Text(), "25");
  QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(wnd.EigenFld().Text(), "1.25");
  EXPECT_EQ(script_.Count("Beep"), 0);

  QTest::keyClick(wnd.NVarsFld().widget(), Qt::Key_Q, Qt::ControlModifier);
  EXPECT_TRUE(fw::QuitRequested());
}

}  // namespace
