// Printing. The printer dialog (services().OpenPrinterDialog()) gives a
// PageSurface: a Letter page of 540 x 720 units inside 36-unit margins, 72
// units to the inch, with the same fw::Graphics drawing surface that pictures
// have. The job is sent when the last reference to the surface goes.
//
//   auto page = fw::services().OpenPrinterDialog();
//   if (!page) return;                                  // cancelled
//   auto printer = EigenFld().StyledTextPrinter(*page, 540);
//   while (!printer->Eof()) {
//     printer->DrawBlock(0, 0, 720);
//     if (!printer->Eof()) page->NextPage();
//   }
//
// (Eof is the text printer's EOF; EOF itself is a C library macro.)
#pragma once

#include <memory>
#include <string>

class QPainter;
class QPrinter;
class QTextDocument;

namespace fw {

class Graphics;

class PageSurface {
 public:
  // Takes a printer set up by the caller; SetUpPage gives it the page above.
  explicit PageSurface(std::unique_ptr<QPrinter> printer);
  ~PageSurface();
  PageSurface(const PageSurface&) = delete;
  PageSurface& operator=(const PageSurface&) = delete;

  // A surface that prints into a PDF file (tests, and no printer at hand).
  static std::shared_ptr<PageSurface> ForPdf(const std::string& path);
  // Letter, 36-point margins, 72 units to the inch.
  static void SetUpPage(QPrinter& printer);

  double Width() const;   // 540
  double Height() const;  // 720
  void NextPage();
  Graphics& graphics();
  QPainter& painter();
  QPrinter& printer();
  // Ends the job now (otherwise done on destruction); answers whether it succeeded.
  bool Finish();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Draws a text in blocks of a fixed width, styles kept, breaking only between
// lines. Each block starts at the next undrawn line and holds the lines that
// fit the height (at least one, so a line taller than the block still prints).
class StyledTextPrinter {
 public:
  StyledTextPrinter(const QTextDocument& text, PageSurface& page, double width);
  ~StyledTextPrinter();
  StyledTextPrinter(const StyledTextPrinter&) = delete;
  StyledTextPrinter& operator=(const StyledTextPrinter&) = delete;

  void DrawBlock(double x, double y, double height);
  bool Eof() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Prints the rest of the text: one block of at most that height at the top
// left of each page, a new page only while text remains.
void PrintInBlocks(StyledTextPrinter& printer, PageSurface& page, double height);

}  // namespace fw
