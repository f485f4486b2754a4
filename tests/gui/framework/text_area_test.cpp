#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QFontMetrics>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <gmock/gmock.h>

#include "framework/ui/application.h"
#include "framework/ui/internal.h"
#include "tests/gui/framework/fixture.h"

namespace fwtest {
namespace {

using ::testing::ElementsAre;
using W1 = ProbeWnd<1>;

class TextAreaTest : public FrameworkTest {
 protected:
  fw::TextArea& Area(fw::TextAreaLayout layout = {.Width = 180, .Height = 120},
                     fw::TextArea::KeyDownHandler filter = nullptr) {
    W1::setup.controls = [=](fw::Window& w) {
      auto& area = static_cast<W1&>(w).Add<fw::TextArea>("EigenFld");
      area.SetProperties(layout);
      if (filter) area.OnKeyDown(filter);
    };
    W1& window = W1::Instance();
    WaitActive(window);
    auto& area = window.ControlAs<fw::TextArea>("EigenFld");
    area.SetFocus();
    return area;
  }
};

TEST_F(TextAreaTest, LineEndingsMapBothWays) {
  struct Case {
    const char* in;
    int lines;
    const char* out;
  };
  const Case cases[] = {
      {"5.43\r\n3.11\r\n2.24", 3, "5.43\r\n3.11\r\n2.24"},
      {"5.43\r\n3.11\r\n", 3, "5.43\r\n3.11\r\n"},
      {"a\nb\rc", 3, "a\r\nb\r\nc"},
      {"\r\n", 2, "\r\n"},
      {"", 1, ""},
      {"\xC3\xA9t\xC3\xA9\r\nx", 2, "\xC3\xA9t\xC3\xA9\r\nx"},
  };
  fw::TextArea& area = Area();
  for (const Case& c : cases) {
    area.SetText(c.in);
    EXPECT_EQ(area.editor()->document()->blockCount(), c.lines) << c.in;
    EXPECT_EQ(area.Text(), c.out) << c.in;
  }
  // Lines entered with Return read back with CR LF as well.
  area.SetText("");
  QTest::keyClicks(area.editor(), "1");
  QTest::keyClick(area.editor(), Qt::Key_Return);
  QTest::keyClicks(area.editor(), "2");
  EXPECT_EQ(area.Text(), "1\r\n2");
}

TEST_F(TextAreaTest, FilterSeesCharacterKeysAndRejectsByReturningTrue) {
  std::vector<int> seen;
  fw::TextArea& area = Area({.Width = 180, .Height = 120}, [&](fw::TextArea&, const std::string& key) {
    seen.push_back(static_cast<unsigned char>(key[0]));
    return key == "x" || key == "\t";
  });
  QTest::keyClicks(area.editor(), "1x2");
  QTest::keyClick(area.editor(), Qt::Key_Tab);
  QTest::keyClick(area.editor(), Qt::Key_Backspace);
  EXPECT_EQ(area.Text(), "1");
  EXPECT_THAT(seen, ElementsAre('1', 'x', '2', 9, 8));
  EXPECT_TRUE(area.HasFocus());  // the rejected Tab did not move the focus

  // Caret keys move the caret without reaching the filter.
  seen.clear();
  QTest::keyClick(area.editor(), Qt::Key_Home);
  QTest::keyClick(area.editor(), Qt::Key_Left);
  QTest::keyClick(area.editor(), Qt::Key_End);
  QTest::keyClick(area.editor(), Qt::Key_PageUp);
  EXPECT_TRUE(seen.empty());
  QTest::keyClick(area.editor(), Qt::Key_Home);
  QTest::keyClicks(area.editor(), "9");
  EXPECT_EQ(area.Text(), "91");
}

TEST_F(TextAreaTest, PastedTextIsNotFiltered) {
  fw::TextArea& area = Area({.Width = 180, .Height = 120},
                            [](fw::TextArea&, const std::string&) { return true; });
  QApplication::clipboard()->setText("5.43\r\nabc");
  area.Paste();
  EXPECT_EQ(area.Text(), "5.43\r\nabc");
}

TEST_F(TextAreaTest, CharacterLimitAndDigitMask) {
  fw::TextArea& area = Area({.Width = 50, .Height = 20, .MaximumCharactersAllowed = 2,
                             .ValidationMask = "##"});
  QTest::keyClicks(area.editor(), "123");
  EXPECT_EQ(area.Text(), "12");
  area.SetText("");
  QTest::keyClicks(area.editor(), "a7");
  EXPECT_EQ(area.Text(), "7");
  QApplication::clipboard()->setText("456");
  area.Paste();
  EXPECT_EQ(area.Text(), "74");
  area.SetText("98765");
  EXPECT_EQ(area.Text(), "98");
  area.SetText("");
  QTest::keyClick(area.editor(), Qt::Key_Return);  // a number has no line breaks
  QTest::keyClicks(area.editor(), "3");
  EXPECT_EQ(area.Text(), "3");
}

TEST_F(TextAreaTest, SelectionIsHiddenWhileTheAreaHasNoFocus) {
  fw::TextArea& area = Area({.Width = 180, .Height = 120, .Text = "Quarnel text"});
  area.SetSelStart(0);
  area.SetSelLength(7);
  const auto highlight = [&] { return area.editor()->palette().color(QPalette::Active, QPalette::Highlight); };
  const QColor base = area.editor()->palette().color(QPalette::Active, QPalette::Base);
  EXPECT_NE(highlight(), base);
  area.editor()->clearFocus();
  EXPECT_EQ(highlight(), base);
  EXPECT_EQ(area.SelLength(), 7);  // kept, only not shown
  area.SetFocus();
  EXPECT_NE(highlight(), base);
}

TEST_F(TextAreaTest, ClearLeavesAReadOnlyAreaAlone) {
  fw::TextArea& area = Area({.Width = 180, .Height = 120, .Text = "help", .ReadOnly = true});
  area.SetSelStart(0);
  area.SetSelLength(4);
  area.Clear();
  EXPECT_EQ(area.Text(), "help");
}

TEST_F(TextAreaTest, UndoBringsBackTextReplacedByCode) {
  fw::TextArea& area = Area();
  QTest::keyClicks(area.editor(), "5.43");
  area.SetText("the report");
  EXPECT_TRUE(area.CanUndo());
  area.Undo();
  EXPECT_EQ(area.Text(), "5.43");
}

TEST_F(TextAreaTest, EditMenuItemsActOnTheFocusedTextArea) {
  auto bar = std::make_shared<fw::MenuBar>();
  auto edit = std::make_shared<fw::MenuItem>();
  edit->Name = "UntitledMenu0";
  edit->Text = "Edit";
  for (const char* name : {"EditUndo", "EditCut", "EditCopy", "EditPaste"}) {
    auto item = std::make_shared<fw::MenuItem>();
    item->Name = name;
    item->Text = name + 4;
    edit->AddMenu(item);
  }
  edit->Child("EditUndo")->CommandKey = "Ctrl+Z";
  bar->AddMenu(edit);
  fw::Application app;
  app.SetMenuBar(bar);
  fw::RegisterAppObject(&app);

  fw::TextArea& area = Area();
  fw::Window* window = fw::FrontmostWindow();
  ASSERT_NE(window, nullptr);
  area.SetText("1.5");
  area.SetSelStart(0);
  area.SetSelLength(2);
  fw::RunEnablingPass(window);
  EXPECT_TRUE(bar->Lookup("EditCut")->Enabled);
  EXPECT_TRUE(bar->Lookup("EditCopy")->Enabled);
  fw::Dispatch(*bar->Lookup("EditCut"), window);
  EXPECT_EQ(area.Text(), "5");
  EXPECT_EQ(QApplication::clipboard()->text(), "1.");

  QTest::keyClick(area.editor(), Qt::Key_Z, Qt::ControlModifier);  // Undo through its shortcut
  EXPECT_EQ(area.Text(), "1.5");

  area.SetSelStart(3);
  fw::RunEnablingPass(window);
  EXPECT_FALSE(bar->Lookup("EditCut")->Enabled);  // nothing selected
  EXPECT_TRUE(bar->Lookup("EditPaste")->Enabled);
  fw::Dispatch(*bar->Lookup("EditPaste"), window);
  EXPECT_EQ(area.Text(), "1.51.");
}

TEST_F(TextAreaTest, SelectionAndBoldOfStyledText) {
  fw::TextArea& area = Area({.Width = 180, .Height = 120, .Text = "Quarnel\r\nhelp text",
                             .AllowStyledText = true, .ReadOnly = true});
  area.SetSelStart(0);
  area.SetSelLength(7);
  area.SetSelBold(true);
  EXPECT_EQ(area.SelStart(), 0);
  EXPECT_EQ(area.SelLength(), 7);
  EXPECT_EQ(area.SelText(), "Quarnel");
  const QTextBlock first = area.editor()->document()->firstBlock();
  EXPECT_EQ(first.begin().fragment().charFormat().fontWeight(), QFont::Bold);
  EXPECT_NE(first.next().begin().fragment().charFormat().fontWeight(), QFont::Bold);
  EXPECT_TRUE(area.ReadOnly());
  QTest::keyClicks(area.editor(), "x");
  EXPECT_EQ(area.Text(), "Quarnel\r\nhelp text");
}

TEST_F(TextAreaTest, CourierResolvesToAFixedPitchFontAtItsPixelSize) {
  fw::TextArea& area = Area({.Width = 350, .Height = 300, .FontName = "Courier", .FontSize = 10});
  const QFont font = area.editor()->font();
  EXPECT_EQ(font.pixelSize(), 10);
  const QFontMetrics metrics(font);
  EXPECT_EQ(metrics.horizontalAdvance('i'), metrics.horizontalAdvance('W'));
  EXPECT_EQ(metrics.horizontalAdvance("  1       +5.4300"), 17 * metrics.horizontalAdvance(' '));
}

}  // namespace
}  // namespace fwtest
