// The Description window: one instance, built hidden with the shared bar,
// its title bold, its text read-only, its menu items enabled and handled
// while it is frontmost.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMainWindow>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFragment>
#include <algorithm>
#include <string>

#include "core/windows/about_wnd.h"
#include "core/windows/control_wnd.h"
#include "help_fixture.h"

using testing::ElementsAre;

namespace {

// One character per position of the document: '*' where it is bold, '.'
// where it is not (the break between paragraphs counts as one position).
std::string BoldMap(const QTextDocument& document) {
  std::string map;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      QTextFragment fragment = it.fragment();
      bool bold = fragment.charFormat().fontWeight() >= QFont::Bold;
      map.append(static_cast<std::size_t>(fragment.length()), bold ? '*' : '.');
    }
    if (block.next().isValid()) map += '.';
  }
  return map;
}

int CountLiveDescriptionWindows() {
  int count = 0;
  for (fw::Window* window : fw::LiveWindows())
    if (dynamic_cast<DescriptionWnd*>(window)) ++count;
  return count;
}

using DescriptionWndTest = HelpWindowTest;

TEST_F(DescriptionWndTest, TwoRequestsGiveOneWindowBuiltHidden) {
  DescriptionWnd& first = DescriptionWnd::Instance();
  EXPECT_FALSE(first.Visible());
  first.Show();
  DescriptionWnd& second = DescriptionWnd::Instance();
  second.Show();
  Settle();
  EXPECT_EQ(&first, &second);
  EXPECT_TRUE(first.Visible());
  EXPECT_EQ(CountLiveDescriptionWindows(), 1);
}

TEST_F(DescriptionWndTest, IsLaidOutWithTheSharedBarCarriedButNotShown) {
  DescriptionWnd& window = DescriptionWnd::Instance();
  EXPECT_EQ(window.Title(), "Description");
  EXPECT_EQ(window.Width(), 427);
  EXPECT_EQ(window.Height(), 491);
  EXPECT_EQ(window.menuBar(), std::shared_ptr<fw::MenuItem>(Menu::Shared()));
  EXPECT_EQ(window.menuBar(), fw::App()->menuBar());
  EXPECT_FALSE(window.MenuBarVisible());

  // The plain area first, so that the help text lies over it.
  ASSERT_EQ(window.controls().size(), 2u);
  EXPECT_EQ(window.controls()[0]->Name(), "DescribeFld");
  EXPECT_EQ(window.controls()[1]->Name(), "DescribeFld2");
  const fw::TextArea& under = window.DescribeFld();
  const fw::TextArea& help = window.DescribeFld2();
  EXPECT_EQ(under.Text(), "\r\n");
  EXPECT_EQ(help.Text(), HelpText());
  // One paragraph per line of the text: CR LF is one break, not two.
  EXPECT_EQ(help.editor()->document()->blockCount(),
            std::count(HelpText().begin(), HelpText().end(), '\n') + 1);
  EXPECT_THAT((std::vector<fw::Integer>{under.Left(), under.Top(), under.Width(), under.Height()}),
              ElementsAre(-1, -1, 427, 478));
  EXPECT_THAT((std::vector<fw::Integer>{help.Left(), help.Top(), help.Width(), help.Height()}),
              ElementsAre(-1, -1, 429, 476));
}

TEST_F(DescriptionWndTest, EveryFreshWindowHasExactlyItsTitleBold) {
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round == 0 ? "first window" : "window built after a close");
    DescriptionWnd& window = ShownDescription();
    fw::TextArea& help = window.DescribeFld2();
    EXPECT_EQ(BoldMap(*help.editor()->document()),
              std::string(7, '*') + std::string(help.editor()->document()->characterCount() - 8, '.'));
    // The selection stays on the title.
    EXPECT_EQ(help.SelStart(), 0);
    EXPECT_EQ(help.SelLength(), 7);
    EXPECT_EQ(help.SelText(), "Quarnel");
    // Unbolding shows that the next window starts from its layout again.
    help.SetSelBold(false);
    window.Close();
    Settle();
    fw::FreeClosedWindows();
    EXPECT_EQ(fw::LiveInstance<DescriptionWnd>(), nullptr);
  }
}

TEST_F(DescriptionWndTest, NeitherAreaCanBeEdited) {
  DescriptionWnd& window = ShownDescription();
  QGuiApplication::clipboard()->setText("pasted");
  for (fw::TextArea* area : {&window.DescribeFld(), &window.DescribeFld2()}) {
    SCOPED_TRACE(area->Name());
    EXPECT_TRUE(area->ReadOnly());
    const std::string before = area->Text();
    area->SetFocus();
    area->SetSelStart(0);
    area->SetSelLength(1);
    EXPECT_FALSE(area->CanCut() || area->CanPaste() || area->CanClear() || area->CanUndo());
    QTest::keyClicks(area->editor(), "typed");
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Delete})
      QTest::keyClick(area->editor(), key);
    QTest::keyClick(area->editor(), Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(area->editor(), Qt::Key_V, Qt::ControlModifier);
    for (const char* item : {"EditCut", "EditPaste", "EditClear", "EditUndo"})
      Choose(item, window);
    EXPECT_EQ(area->Text(), before);
  }
}

TEST_F(DescriptionWndTest, WhileFrontmostEnablesControlAndBothAboutItemsButNotDescription) {
  ShowActive(ControlWnd::Instance());
  fw::RunEnablingPass(&ControlWnd::Instance());
  ASSERT_FALSE(Item("ControlMenuItem")->Enabled);

  DescriptionWnd& window = ShownDescription();
  ASSERT_EQ(fw::FrontmostWindow(), &window);
  fw::RunEnablingPass(&window);
  EXPECT_TRUE(Item("ControlMenuItem")->Enabled);
  EXPECT_TRUE(Item("AboutMenuItem")->Enabled);
  EXPECT_TRUE(Item("AboutVorn")->Enabled);
  EXPECT_TRUE(Item("Print")->Enabled);
  EXPECT_FALSE(Item("DescriptionMenuItem")->Enabled);
}

TEST_F(DescriptionWndTest, ControlBringsTheMainWindowForwardAndStaysOpen) {
  DescriptionWnd& window = ShownDescription();
  ASSERT_EQ(fw::LiveInstance<ControlWnd>(), nullptr);
  Choose("ControlMenuItem", window);
  ControlWnd* main = fw::LiveInstance<ControlWnd>();
  ASSERT_NE(main, nullptr);
  WaitActive(*main);
  EXPECT_TRUE(main->Visible());
  EXPECT_EQ(fw::FrontmostWindow(), main);
  EXPECT_EQ(fw::LiveInstance<DescriptionWnd>(), &window);
  EXPECT_TRUE(window.Visible());
  EXPECT_TRUE(script_.calls().empty());
}

TEST_F(DescriptionWndTest, AboutFromHereThenAKeyThereBringsTheMainWindowNotThisOne) {
  ControlWnd& main = ControlWnd::Instance();
  ShowActive(main);
  DescriptionWnd& window = ShownDescription();
  ASSERT_EQ(fw::FrontmostWindow(), &window);

  Choose("AboutMenuItem", window);
  AboutWnd& about = AboutWnd::Instance();
  WaitActive(about);
  ASSERT_TRUE(about.Visible());
  ASSERT_EQ(fw::FrontmostWindow(), &about);

  QTest::keyClick(about.widget(), Qt::Key_A);
  WaitActive(main);
  EXPECT_FALSE(about.Visible());
  EXPECT_EQ(fw::FrontmostWindow(), &main);
  EXPECT_TRUE(window.Visible());
}

}  // namespace
