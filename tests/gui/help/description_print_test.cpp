// Printing the help text: nothing at all when the dialog is cancelled;
// otherwise the whole text on Letter pages, in blocks within 540 x 720 from
// the top left of the printable area, no empty page, the bold title kept.
// The PDF is read back with poppler's pdfinfo, pdftotext and pdffonts.
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "help_fixture.h"
#include "tests/gui/pdf_probe.h"

using testing::ElementsAre;
using testing::HasSubstr;

namespace {

// The standard output of a shell command.
std::string RunCommand(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    pclose(pipe);
  }
  return out;
}

bool HavePoppler() { return !RunCommand("command -v pdfinfo pdftotext pdffonts").empty(); }

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

// The number that follows key in text, or -1.
double NumberAfter(const std::string& text, std::size_t from, const std::string& key) {
  const std::size_t at = text.find(key, from);
  if (at == std::string::npos) return -1;
  return std::strtod(text.c_str() + at + key.size(), nullptr);
}

int PageCount(const std::string& pdf) {
  return static_cast<int>(NumberAfter(RunCommand("pdfinfo " + Quoted(pdf)), 0, "Pages:"));
}

std::string PageText(const std::string& pdf, int page) {
  std::string n = std::to_string(page);
  return RunCommand("pdftotext -layout -f " + n + " -l " + n + " " + Quoted(pdf) + " -");
}

// The extreme word boxes over the whole document, in points from the page's top left.
struct Extent {
  double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
};

Extent WordExtent(const std::string& pdf) {
  const std::string boxes = RunCommand("pdftotext -bbox " + Quoted(pdf) + " -");
  Extent extent;
  for (std::size_t at = 0; (at = boxes.find("<word ", at)) != std::string::npos; ++at) {
    extent.left = std::min(extent.left, NumberAfter(boxes, at, "xMin=\""));
    extent.top = std::min(extent.top, NumberAfter(boxes, at, "yMin=\""));
    extent.right = std::max(extent.right, NumberAfter(boxes, at, "xMax=\""));
    extent.bottom = std::max(extent.bottom, NumberAfter(boxes, at, "yMax=\""));
  }
  return extent;
}

// The names of the fonts in the PDF (pdffonts' first column, below its header).
std::vector<std::string> FontNames(const std::string& pdf) {
  std::istringstream listing(RunCommand("pdffonts " + Quoted(pdf)));
  std::vector<std::string> names;
  std::string line;
  for (int row = 0; std::getline(listing, line); ++row)
    if (row >= 2 && !line.empty()) names.push_back(line.substr(0, line.find(' ')));
  return names;
}

using DescriptionPrintTest = HelpWindowTest;

TEST_F(DescriptionPrintTest, CancelledDialogPrintsAndShowsNothing) {
  DescriptionWnd& window = ShownDescription();
  script_.CancelPrinterDialog();
  EXPECT_FALSE(window._Print_Action());
  EXPECT_THAT(script_.calls(), ElementsAre("OpenPrinterDialog -> cancel"));
}

TEST_F(DescriptionPrintTest, PrintItemPrintsTheWholeTextOnFullPagesWithTheBoldTitle) {
  if (!HavePoppler()) GTEST_SKIP() << "poppler-utils not installed";
  const QTemporaryDir dir;  // its own folder: runs side by side never share the file
  ASSERT_TRUE(dir.isValid());
  const std::string pdf = dir.filePath("help.pdf").toStdString();
  DescriptionWnd& window = ShownDescription();
  script_.AnswerPrinterDialog(pdf);
  Choose("Print", window);
  ASSERT_THAT(script_.calls(), ElementsAre("OpenPrinterDialog -> " + pdf));
  ASSERT_TRUE(std::filesystem::exists(pdf));

  EXPECT_THAT(RunCommand("pdfinfo " + Quoted(pdf)), HasSubstr("612 x 792 pts"));
  // The text is longer than one block, and no page is left empty.
  const int pages = PageCount(pdf);
  ASSERT_GE(pages, 2);
  for (int page = 1; page <= pages; ++page)
    EXPECT_THAT(PageText(pdf, page), testing::ContainsRegex("[A-Za-z0-9]")) << "page " << page;
  // From the title on the first page to the closing notice on the last.
  EXPECT_THAT(PageText(pdf, 1), testing::StartsWith("Quarnel"));
  const std::string lastLine = HelpText().substr(HelpText().rfind("\r\n") + 2);
  EXPECT_THAT(PageText(pdf, pages), HasSubstr(lastLine.substr(0, 30)));
  EXPECT_THAT(RunCommand("pdftotext " + Quoted(pdf) + " -"), HasSubstr("+5.4300"));

  // Every word lies inside the 540 x 720 block at the top left of the area
  // inside the 36-point margins (a little slack for glyph boxes).
  Extent extent = WordExtent(pdf);
  EXPECT_GE(extent.left, 35.0);
  EXPECT_LE(extent.left, 40.0);
  EXPECT_GE(extent.top, 35.0);
  EXPECT_LE(extent.right, 36.0 + 540.0 + 1.0);
  EXPECT_LE(extent.bottom, 36.0 + 720.0 + 1.0);
  // And no less: the prose wraps where a line reaches 540, and every page
  // but the last is filled down to within a few lines of 720 (a page may
  // end on blank lines between paragraphs).
  EXPECT_GT(extent.right, 36.0 + 540.0 - 30.0);
  const pdfprobe::Pages words = pdfprobe::Words(pdf);
  for (int page = 1; page < pages; ++page)
    EXPECT_GT(pdfprobe::ExtentOf(words.words, page).bottom, 36.0 + 720.0 - 45.0) << "page " << page;

  // The title's bold face and the body's plain face both reach the PDF.
  std::vector<std::string> fonts = FontNames(pdf);
  auto bold = [](const std::string& name) { return name.find("Bold") != std::string::npos; };
  EXPECT_TRUE(std::any_of(fonts.begin(), fonts.end(), bold)) << testing::PrintToString(fonts);
  EXPECT_FALSE(std::all_of(fonts.begin(), fonts.end(), bold)) << testing::PrintToString(fonts);
}

}  // namespace
