#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
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
#include "tests/gui/pdf_probe.h"

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

// ---- The paper the user chose

struct Paper {
  const char* name;
  QPageSize::PageSizeId size;
  QPageLayout::Orientation orientation;
  double margin;       // points, all four sides
  const char* pdfinfo; // what pdfinfo calls the page
  double scale;        // the 540 x 720 block's size on paper
  double plotScale;    // the plot's (560 x 478 from the block's corner)
};

// A4's printable area is 523 wide inside 36-point margins; Letter landscape
// and A4 landscape are 540 and 523 high; A3 holds the block at full size
// and is not blown up to fill its area. The plot is never drawn smaller than
// the block, and at full size on both landscapes, which hold 560 x 478.
const Paper kPapers[] = {
    {"Letter", QPageSize::Letter, QPageLayout::Portrait, 36, "612 x 792 pts (letter)", 1, 1},
    {"A4", QPageSize::A4, QPageLayout::Portrait, 36, "595 x 842 pts (A4)", 523.0 / 540,
     523.0 / 540},
    {"LetterLandscape", QPageSize::Letter, QPageLayout::Landscape, 36, "792 x 612 pts (letter)",
     540.0 / 720, 1},
    {"A4Landscape", QPageSize::A4, QPageLayout::Landscape, 36, "842 x 595 pts (A4)",
     523.0 / 720, 1},
    {"A3", QPageSize::A3, QPageLayout::Portrait, 36, "842 x 1191 pts (A3)", 1, 1},
    {"LetterInchMargins", QPageSize::Letter, QPageLayout::Portrait, 72, "612 x 792 pts (letter)",
     468.0 / 540, 468.0 / 540},
};

void PrintTo(const Paper& paper, std::ostream* out) { *out << paper.name; }

QPageLayout LayoutOf(const Paper& paper) {
  return QPageLayout(QPageSize(paper.size), paper.orientation,
                     QMarginsF(paper.margin, paper.margin, paper.margin, paper.margin),
                     QPageLayout::Point);
}

class PaperTest : public PrintingTest, public ::testing::WithParamInterface<Paper> {
 protected:
  // Paragraphs that wrap at the block width, then numbered lines enough for
  // several pages.
  static std::string LongText() {
    std::string text;
    for (int p = 0; p < 3; ++p) {
      for (int i = 0; i < 70; ++i) text += "w" + std::to_string(i * (p + 3) % 997) + " ";
      text += "\r\n";
    }
    return text + NumberedLines(150);
  }

  void PrintOn(const Paper& paper, const fw::TextArea& area, const std::string& pdf) {
    auto page = fw::PageSurface::ForPdf(pdf, LayoutOf(paper));
    EXPECT_NEAR(page->Scale(), paper.scale, 1e-9);
    EXPECT_GE(page->Width(), 540 - 1e-9);
    EXPECT_GE(page->Height(), 720 - 1e-9);
    // Fitted to something else first: the text printing fits its own block.
    page->Fit(560, 478);
    fw::PrintInBlocks(*area.StyledTextPrinter(*page, 540), *page, 720);
    EXPECT_NEAR(page->Scale(), paper.scale, 1e-9);
    EXPECT_TRUE(page->Finish());
  }
};

TEST_P(PaperTest, TextKeepsItsPagesAndLinesAndStaysInsideTheScaledBlock) {
  if (!pdfprobe::HavePoppler()) GTEST_SKIP() << "poppler-utils not installed";
  const Paper& paper = GetParam();
  fw::TextArea& area = Area(LongText());
  const std::string reference = Pdf("default.pdf");
  Print(area, reference);
  const std::string pdf = Pdf("paper.pdf");
  PrintOn(paper, area, pdf);

  EXPECT_EQ(pdfprobe::PageSize(pdf), paper.pdfinfo);
  EXPECT_EQ(pdfprobe::PageCount(pdf), pdfprobe::PageCount(reference));
  // The same words, lines and page breaks as on the default page.
  EXPECT_EQ(pdfprobe::Text(pdf), pdfprobe::Text(reference));

  const pdfprobe::Pages pages = pdfprobe::Words(pdf);
  ASSERT_FALSE(pages.words.empty());
  const double s = paper.scale, m = paper.margin;
  const pdfprobe::Extent all = pdfprobe::ExtentOf(pages.words);
  EXPECT_GE(all.left, m - 0.5);
  EXPECT_GE(all.top, m - 0.5);
  EXPECT_LE(all.right, m + 540 * s + 0.5);
  EXPECT_LE(all.bottom, m + 720 * s + 0.5);
  EXPECT_LE(all.right, pages.width);
  EXPECT_LE(all.bottom, pages.height);
  // And it fills the block: the paragraphs reach across, the first page down.
  const pdfprobe::Extent first = pdfprobe::ExtentOf(pages.words, 1);
  EXPECT_GT(first.right, m + 500 * s);
  EXPECT_GT(first.bottom, m + 690 * s);
}

// The plot's picture, fitted to its own extent, keeps its place and size
// on the page at the plot's scale, losslessly.
TEST_P(PaperTest, PictureIsPlacedAtTheScaleOfItsOwnExtentWithoutJpeg) {
  if (!pdfprobe::HavePoppler()) GTEST_SKIP() << "poppler-utils not installed";
  const Paper& paper = GetParam();
  const std::string pdf = Pdf("picture.pdf");
  {
    auto page = fw::PageSurface::ForPdf(pdf, LayoutOf(paper));
    page->Fit(560, 478);
    EXPECT_NEAR(page->Scale(), paper.plotScale, 1e-9);
    fw::Picture picture(600, 420);
    picture.Graphics().SetDrawingColor(fw::RGB(0, 0, 255));
    picture.Graphics().FillRect(0, 0, 600, 420);
    // A thin line over the fill, as the plot's are: what a JPEG blurs.
    picture.Graphics().SetDrawingColor(fw::RGB(255, 255, 255));
    picture.Graphics().DrawLine(0, 210, 600, 210);
    page->graphics().DrawPicture(picture, 20, 100, 540, 378, 0, 0, 600, 420);
  }
  EXPECT_EQ(pdfprobe::PageSize(pdf), paper.pdfinfo);
  const auto images = pdfprobe::Images(pdf);
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].width, 600);
  EXPECT_EQ(images[0].height, 420);
  EXPECT_NE(images[0].encoding, "jpeg");
  // 600 pixels across 540 units of 1/72 inch: 80 pixels to the inch, more
  // where the plot is drawn smaller.
  EXPECT_NEAR(images[0].xPpi, 80 / paper.plotScale, 1);

  const QString prefix = QDir(dir.path()).filePath("page");
  pdfprobe::Run("pdftoppm", {"-r", "72", "-png", "-singlefile", QString::fromStdString(pdf), prefix});
  const QImage page = QImage(prefix + ".png").convertToFormat(QImage::Format_RGB32);
  QRect blue;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (qBlue(page.pixel(x, y)) > 200 && qRed(page.pixel(x, y)) < 60) blue |= QRect(x, y, 1, 1);
  const double s = paper.plotScale, m = paper.margin;
  EXPECT_NEAR(blue.left(), m + 20 * s, 1.5);
  EXPECT_NEAR(blue.top(), m + 100 * s, 1.5);
  EXPECT_NEAR(blue.width(), 540 * s, 2);
  EXPECT_NEAR(blue.height(), 378 * s, 2);
}

INSTANTIATE_TEST_SUITE_P(ChosenPapers, PaperTest, ::testing::ValuesIn(kPapers),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fwtest
