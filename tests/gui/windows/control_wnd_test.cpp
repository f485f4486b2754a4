// The main window's buttons, help icon, Window menu and window events,
// driven as a user would, with the scripted services answering.
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>

#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "core/app/menu.h"
#include "core/windows/about_wnd.h"
#include "core/windows/control_wnd.h"
#include "framework/date/date.h"
#include "framework/text/text.h"
#include "framework/ui/application.h"
#include "help/description_wnd.h"
#include "plot/window/graph_wnd.h"
#include "tests/support/report_lines.h"
#include "windows_fixture.h"

using testing::ElementsAre;
using testing::HasSubstr;
using testing::StartsWith;

namespace {

constexpr const char* kGraphRefused = "MsgBox: Quarnel must be calculated before graph can be displayed.";

class ControlWndTest : public WindowsTest {
 protected:
  void Calculate(const std::string& variables, const std::string& eigenvalues) {
    wnd_.NVarsFld().SetText(variables);
    wnd_.EigenFld().SetText(eigenvalues);
    wnd_.CalculateBtn().Push();
  }

  ControlWnd& wnd_ = ControlWnd::Instance();
};

TEST_F(ControlWndTest, CalculateWritesTheWorkedExamplesReportIntoTheField) {
  Calculate("20", kWorkedExample);
  EXPECT_TRUE(script_.calls().empty());
  const std::vector<std::string> lines = ReportLines(wnd_.EigenFld().Text());
  ASSERT_EQ(lines.size(), 27u);  // v + 7
  EXPECT_EQ(lines[0], "");
  EXPECT_THAT(lines[1], StartsWith("Quarnel"));
  // The locale's short date, two blanks, its short time.
  EXPECT_THAT(lines[2], StartsWith("Date: " + fw::Date().ShortDate() + "  "));
  EXPECT_GT(lines[2].size(), ("Date: " + fw::Date().ShortDate() + "  ").size());
  EXPECT_EQ(lines[5], "Order   Eigenvalue      SE      Factor*");
  EXPECT_EQ(lines[7], "  1      +5.4300       0.8662   nontrivial");
  EXPECT_EQ(lines[14], "  8      +0.4600       0.0127   trivial");
  EXPECT_EQ(lines[16], " 10      +0.3700       0.0055   trivial");
  EXPECT_EQ(lines[26], "*Critical value = .0500 (7 factors)");
  // One screen line per report line; the last line ending leaves the caret
  // on an empty line after them.
  EXPECT_EQ(wnd_.EigenFld().editor()->document()->blockCount(), 28);
  EXPECT_EQ(module1().dirty, "y");
  EXPECT_EQ(module1().gCV, 7);
  EXPECT_EQ(module1().gN, 20);
}

// Screen lines that each block of the report area takes.
std::vector<int> ScreenLines(fw::TextArea& area) {
  QTextDocument* document = area.editor()->document();
  document->documentLayout()->documentSize();  // lays the whole text out
  std::vector<int> lines;
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
    lines.push_back(block.layout()->lineCount());
  return lines;
}

// Every report line is one screen line, so the columns stay aligned. The
// banner's notice comes with the report; while it is longer than the area
// is wide, only the banner line may wrap.
TEST_F(ControlWndTest, ReportShowsOneScreenLinePerLine) {
  Calculate("20", kWorkedExample);
  Settle();
  std::vector<int> lines = ScreenLines(wnd_.EigenFld());
  ASSERT_EQ(lines.size(), 28u);
  const int bannerLines = lines[1];
  lines.erase(lines.begin() + 1);
  EXPECT_THAT(lines, testing::Each(1));
  if (bannerLines > 1)
    GTEST_SKIP() << "the banner line takes " << bannerLines << " screen lines";
}

TEST_F(ControlWndTest, CalculateShowsItsMessagesInOrderForBadInput) {
  Calculate("2", kWorkedExample);
  Calculate("abc", kWorkedExample);
  Calculate("4", "");
  EXPECT_THAT(script_.calls(), ElementsAre("MsgBox: Variables must range from 3-99",
                                           "MsgBox: Variables must range from 3-99",
                                           "MsgBox: No Eigenvalues."));
  EXPECT_EQ(wnd_.EigenFld().Text(), "");
  EXPECT_EQ(module1().dirty, "");

  script_.ClearCalls();
  Calculate("5", "3\r\n\r\n1");
  EXPECT_THAT(script_.calls(), ElementsAre("MsgBox: Please check the accuracy of Eigenvalue # 2.",
                                           "MsgBox: Please check the accuracy of Eigenvalue # 4.",
                                           "MsgBox: Please check the accuracy of Eigenvalue # 5."));
  EXPECT_EQ(ReportLines(wnd_.EigenFld().Text()).size(), 12u);
  EXPECT_EQ(module1().dirty, "y");
}

TEST_F(ControlWndTest, ClearEmptiesBothFieldsAndFocusesTheVariablesField) {
  Calculate("20", kWorkedExample);
  wnd_.GraphBtn().Push();
  GraphWnd* plot = fw::LiveInstance<GraphWnd>();
  ASSERT_NE(plot, nullptr);
  const fw::Integer plotN = module1().gN;

  wnd_.EigenFld().SetFocus();
  wnd_.ClearBtn().Push();
  EXPECT_EQ(wnd_.NVarsFld().Text(), "");
  EXPECT_EQ(wnd_.EigenFld().Text(), "");
  EXPECT_EQ(module1().dirty, "");
  EXPECT_EQ(module1().gN, plotN);  // the rest of the results stay
  EXPECT_EQ(wnd_.widget()->focusWidget(), wnd_.NVarsFld().widget());
  EXPECT_EQ(fw::LiveInstance<GraphWnd>(), plot);
  EXPECT_TRUE(plot->Visible());
}

TEST_F(ControlWndTest, GraphRefusesUntilACalculationCompletes) {
  wnd_.GraphBtn().Push();
  EXPECT_THAT(script_.calls(), ElementsAre(kGraphRefused));
  EXPECT_EQ(fw::LiveInstance<GraphWnd>(), nullptr);

  Calculate("20", kWorkedExample);
  wnd_.GraphBtn().Push();
  GraphWnd* plot = fw::LiveInstance<GraphWnd>();
  ASSERT_NE(plot, nullptr);
  EXPECT_TRUE(plot->Visible());
  wnd_.GraphBtn().Push();
  EXPECT_EQ(fw::LiveInstance<GraphWnd>(), plot);

  plot->Close();
  wnd_.ClearBtn().Push();
  script_.ClearCalls();
  wnd_.GraphBtn().Push();
  EXPECT_THAT(script_.calls(), ElementsAre(kGraphRefused));
  EXPECT_EQ(fw::LiveInstance<GraphWnd>(), nullptr);
}

TEST_F(ControlWndTest, HelpIconAndDescriptionItemShowTheOneDescriptionWindow) {
  QTest::mouseClick(wnd_.Canvas1().widget(), Qt::LeftButton, {}, QPoint(70, 40));
  DescriptionWnd* help = fw::LiveInstance<DescriptionWnd>();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->Visible());

  help->Hide();
  wnd_.Show();
  fw::RunEnablingPass(&wnd_);
  fw::Dispatch(*Menu::Shared()->Lookup("DescriptionMenuItem"), &wnd_);
  EXPECT_EQ(fw::LiveInstance<DescriptionWnd>(), help);
  EXPECT_TRUE(help->Visible());
}

// What the Window menu offers while each window is frontmost.
TEST_F(ControlWndTest, WindowMenuItemsEnabledPerFrontmostWindow) {
  const auto bar = Menu::Shared();
  auto enabled = [&](fw::Window* frontmost) {
    fw::RunEnablingPass(frontmost);
    std::vector<std::string> names;
    for (const auto& item : bar->Child("WindowMenu")->children())
      if (item->IsShown() && item->Enabled) names.push_back(item->Name);
    return names;
  };
  EXPECT_THAT(enabled(&wnd_), ElementsAre("DescriptionMenuItem", "AboutMenuItem", "AboutVorn"));
  EXPECT_THAT(enabled(&AboutWnd::Instance()), ElementsAre("AboutVorn"));
  EXPECT_THAT(enabled(&DescriptionWnd::Instance()),
              ElementsAre("ControlMenuItem", "AboutMenuItem", "AboutVorn"));
  Calculate("20", kWorkedExample);
  wnd_.GraphBtn().Push();
  ASSERT_NE(fw::LiveInstance<GraphWnd>(), nullptr);
  EXPECT_THAT(enabled(fw::LiveInstance<GraphWnd>()), ElementsAre("AboutVorn"));
}

TEST_F(ControlWndTest, AboutItemShowsTheAboutWindowAndActivationHidesIt) {
  AboutWnd& about = AboutWnd::Instance();
  about.Hide();
  for (const char* item : {"AboutVorn", "AboutMenuItem"}) {
    SCOPED_TRACE(item);
    fw::RunEnablingPass(&wnd_);
    fw::Dispatch(*Menu::Shared()->Lookup(item), &wnd_);
    EXPECT_EQ(fw::LiveInstance<AboutWnd>(), &about);
    EXPECT_TRUE(about.Visible());
    wnd_.Show();  // brings the main window forward, which activates it
    Settle();
    EXPECT_FALSE(about.Visible());
  }
  EXPECT_EQ(fw::LiveWindows().size(), 2u);  // never a second About window
}

TEST_F(ControlWndTest, ClosingTheMainWindowQuitsWhateverElseIsOpen) {
  Calculate("20", kWorkedExample);
  wnd_.GraphBtn().Push();
  DescriptionWnd::Instance().Show();
  EXPECT_FALSE(fw::QuitRequested());
  wnd_.widget()->close();  // as the close box does
  EXPECT_TRUE(fw::QuitRequested());
}

}  // namespace
