// Print: nothing to print, a cancelled dialog, and pages of at most 720
// units with no page after the last block.
#include <QProcess>
#include <QTemporaryDir>

#include <gmock/gmock.h>

#include <string>

#include "core/windows/control_wnd.h"
#include "tests/gui/pdf_probe.h"
#include "windows_fixture.h"

using testing::ElementsAre;
using testing::HasSubstr;

namespace {

std::string Poppler(const char* tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  process.waitForFinished(10000);
  return process.readAllStandardOutput().toStdString();
}

int PageCount(const QString& pdf) {
  const std::string info = Poppler("pdfinfo", {pdf});
  const auto at = info.find("Pages:");
  return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

std::string PageText(const QString& pdf, int page) {
  const QString n = QString::number(page);
  return Poppler("pdftotext", {"-layout", "-f", n, "-l", n, pdf, "-"});
}

// "line 1" to "line n", CR LF between them.
std::string NumberedLines(int n) {
  std::string text;
  for (int i = 1; i <= n; ++i) text += "line " + std::to_string(i) + (i < n ? "\r\n" : "");
  return text;
}

class PrintTest : public WindowsTest {
 protected:
  QString Print(const std::string& text) {
    wnd_.EigenFld().SetText(text);
    const QString pdf = dir_.filePath(QString("report%1.pdf").arg(++printed_));
    script_.AnswerPrinterDialog(pdf.toStdString());
    wnd_.PrintBtn().Push();
    return pdf;
  }

  ControlWnd& wnd_ = ControlWnd::Instance();
  QTemporaryDir dir_;
  int printed_ = 0;
};

TEST_F(PrintTest, EmptyFieldBeepsAndSaysSoWithoutADialog) {
  wnd_.PrintBtn().Push();
  EXPECT_THAT(script_.calls(), ElementsAre("Beep", "MsgBox: Nothing to print."));
}

TEST_F(PrintTest, CancelledDialogPrintsAndShowsNothing) {
  wnd_.EigenFld().SetText("5.43");
  script_.CancelPrinterDialog();
  wnd_.PrintBtn().Push();
  EXPECT_THAT(script_.calls(), ElementsAre("OpenPrinterDialog -> cancel"));
}

TEST_F(PrintTest, ReportThatFitsOneBlockPrintsOnePage) {
  wnd_.NVarsFld().SetText("20");
  wnd_.EigenFld().SetText(kWorkedExample);
  wnd_.CalculateBtn().Push();
  const QString pdf = Print(wnd_.EigenFld().Text());
  EXPECT_EQ(PageCount(pdf), 1);
  EXPECT_THAT(PageText(pdf, 1), HasSubstr("*Critical value = .0500 (7 factors)"));
}

TEST_F(PrintTest, LongTextFillsPagesInOrderWithNoBlankPageAfter) {
  constexpr int kLines = 300;
  const QString pdf = Print(NumberedLines(kLines));
  const int pages = PageCount(pdf);
  ASSERT_GE(pages, 3);
  std::string all;
  for (int page = 1; page <= pages; ++page) {
    const std::string text = PageText(pdf, page);
    EXPECT_THAT(text, HasSubstr("line")) << "page " << page << " is blank";
    all += text;
  }
  // Every line printed once, in order.
  std::string::size_type at = 0;
  for (int i = 1; i <= kLines; ++i) {
    const std::string line = "line " + std::to_string(i) + "\n";
    const auto found = all.find(line, at);
    ASSERT_NE(found, std::string::npos) << line;
    at = found + line.size();
  }
}

// A text that exactly fills one block prints one page; one line more, two.
TEST_F(PrintTest, FullBlockGetsNoEmptyPageAfterIt) {
  const std::string first = PageText(Print(NumberedLines(300)), 1);
  int perPage = 0;
  for (auto at = first.find("line "); at != std::string::npos; at = first.find("line ", at + 1))
    ++perPage;
  ASSERT_GT(perPage, 10);
  EXPECT_EQ(PageCount(Print(NumberedLines(perPage))), 1);
  EXPECT_EQ(PageCount(Print(NumberedLines(perPage + 1))), 2);
}

// The blocks are 540 wide and 720 high at the top left of the area inside
// the 36-point margins: lines wrap where they reach 540, and a page ends
// where the next line would pass 720.
TEST_F(PrintTest, TextFillsBlocksOf540By720AndNoMore) {
  if (!pdfprobe::HavePoppler()) GTEST_SKIP() << "poppler-utils not installed";
  std::string text;
  for (int i = 0; i < 400; ++i) text += std::to_string(i * 7919 % 100003) + (i % 3 ? " " : ".5 ");
  text += "\r\n" + NumberedLines(120);
  const std::string pdf = Print(text).toStdString();
  ASSERT_GE(pdfprobe::PageCount(pdf), 2);
  const pdfprobe::Pages pages = pdfprobe::Words(pdf);
  const pdfprobe::Extent all = pdfprobe::ExtentOf(pages.words);
  EXPECT_NEAR(all.left, 36, 0.5);
  EXPECT_NEAR(all.top, 36, 2);
  // Words of up to 8 characters of 6 units: a wrapped line ends within 54
  // units of the block's right edge.
  EXPECT_GT(all.right, 36 + 540 - 54);
  EXPECT_LE(all.right, 36 + 540 + 0.5);
  const pdfprobe::Extent first = pdfprobe::ExtentOf(pages.words, 1);
  EXPECT_GT(first.bottom, 36 + 720 - 20);   // within one line of the bottom
  EXPECT_LE(first.bottom, 36 + 720 + 0.5);
}

}  // namespace
