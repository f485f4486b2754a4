#include <QDir>
#include <QFontMetricsF>
#include <QTextEdit>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <cstdio>
#include <sstream>

#include <gmock/gmock.h>

#include "framework/graphics/graphics.h"
#include "framework/ui/printing.h"
#include "tests/gui/framework/fixture.h"

namespace fwtest {
namespace {

using W1 = ProbeWnd<1>;

std::string Shell(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    pclose(pipe);
  }
  return out;
}

// The number that follows the first occurrence of key in text, or -1.
double NumberAfter(const std::string& text, const std::string& key) {
  const auto at = text.find(key);
  return at == std::string::npos ? -1 : std::stod(text.substr(at + key.size()));
}

int PageCount(const std::string& pdf) {
  return static_cast<int>(NumberAfter(Shell("pdfinfo '" + pdf + "'"), "Pages:"));
}

std::vector<std::string> PageLines(const std::string& pdf, int page) {
  const std::string p = std::to_string(page);
  std::istringstream text(Shell("pdftotext -layout -f " + p + " -l " + p + " '" + pdf + "' -"));
  std::vector<std::string> lines;
  for (std::string line; std::getline(text, line);) {
    line.erase(0, line.find_first_not_of(" \f"));
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

class PrintingTest : public FrameworkTest {
 protected:
  fw::TextArea& Area(const std::string& text, bool styled = false) {
    W1::setup.controls = [=](fw::Window& w) {
      static_cast<W1&>(w).Add<fw::TextArea>("EigenFld").SetProperties(
          {.Width = 350, .Height = 300, .Text = text, .FontName = "Courier", .FontSize = 10,
           .AllowStyledText = styled});
    };
    return W1::Instance().ControlAs<fw::TextArea>("EigenFld");
  }

  // The print loop of the windows: one block per page, a new page only while text remains.
  void Print(const fw::TextArea& area, const std::string& pdf) {
    auto page = fw::PageSurface::ForPdf(pdf);
    EXPECT_EQ(page->Width(), 540);
    EXPECT_EQ(page->Height(), 720);
    auto printer = area.StyledTextPrinter(*page, 540);
    while (!printer->Eof()) {
      printer->DrawBlock(0, 0, 720);
      if (!printer->Eof()) page->NextPage();
    }
    EXPECT_TRUE(page->Finish());
  }

  std::string Pdf(const char* name) { return QDir(dir.path()).filePath(name).toStdString(); }

  QTemporaryDir dir;
};

std::string NumberedLines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += "line " + std::to_string(i) + (i < count ? "\r\n" : "");
  return text;
}

TEST_F(PrintingTest, TextOfSeveralBlocksFillsWholePagesWithNoBlankLastPage) {
  const int count = 200;
  const std::string pdf = Pdf("report.pdf");
  Print(Area(NumberedLines(count)), pdf);

  const int pages = PageCount(pdf);
  ASSERT_GE(pages, 2);
  EXPECT_THAT(Shell("pdfinfo '" + pdf + "'"), ::testing::HasSubstr("612 x 792 pts (letter)"));
  // Every line once, in order; each page but the last as full as the first.
  int next = 1;
  size_t perPage = 0;
  for (int page = 1; page <= pages; ++page) {
    const auto lines = PageLines(pdf, page);
    ASSERT_FALSE(lines.empty()) << "blank page " << page;
    if (page == 1) perPage = lines.size();
    if (page < pages) {
      EXPECT_EQ(lines.size(), perPage) << "page " << page;
    }
    for (const auto& line : lines) EXPECT_EQ(line, "line " + std::to_string(next++));
  }
  EXPECT_EQ(next, count + 1);
  EXPECT_EQ(pages, static_cast<int>((count + perPage - 1) / perPage));
  // As many whole lines as fit 720 units.
  QPrinter printer(QPrinter::HighResolution);
  fw::PageSurface::SetUpPage(printer);
  const double lineHeight = QFontMetricsF(W1::Instance().ControlAs<fw::TextArea>("EigenFld").editor()->font(), &printer).height();
  EXPECT_LE(perPage * lineHeight, 720);
  EXPECT_GT((perPage + 1) * lineHeight, 720);
}

TEST_F(PrintingTest, ShortTextPrintsOnePageAtTheTopLeftOfThePrintableArea) {
  const std::string pdf = Pdf("short.pdf");
  Print(Area(NumberedLines(20)), pdf);
  EXPECT_EQ(PageCount(pdf), 1);
  const std::string boxes = Shell("pdftotext -bbox '" + pdf + "' -");
  EXPECT_NEAR(NumberAfter(boxes, "<word xMin=\""), 36, 2);  // the 36-point margin
  EXPECT_NEAR(NumberAfter(boxes, "yMin=\""), 36, 4);
}

TEST_F(PrintingTest, LongParagraphsWrapAtTheBlockWidthAndStylesAreKept) {
  std::string paragraph;
  for (int i = 0; i < 40; ++i) paragraph += "word" + std::to_string(i) + " ";
  fw::TextArea& area = Area("Quarnel\r\n" + paragraph, true);
  area.SetSelStart(0);
  area.SetSelLength(7);
  area.SetSelBold(true);
  const std::string pdf = Pdf("styled.pdf");
  Print(area, pdf);

  const auto lines = PageLines(pdf, 1);
  ASSERT_GE(lines.size(), 3u);  // the paragraph takes several lines of 540 units
  EXPECT_EQ(lines[0], "Quarnel");
  EXPECT_THAT(Shell("pdffonts '" + pdf + "'"), ::testing::HasSubstr("Bold"));
}

TEST_F(PrintingTest, PageSurfaceCarriesTheGraphicsOfPictures) {
  const std::string pdf = Pdf("picture.pdf");
  {
    auto page = fw::PageSurface::ForPdf(pdf);
    fw::Picture picture(600, 420);
    picture.Graphics().SetDrawingColor(fw::RGB(0, 0, 255));
    picture.Graphics().FillRect(0, 0, 600, 420);
    page->graphics().DrawPicture(picture, 20, 100, 540, 378, 0, 0, 600, 420);
  }
  EXPECT_EQ(PageCount(pdf), 1);
}

}  // namespace
}  // namespace fwtest
