// Printing. The printer dialog (services().OpenPrinterDialog()) gives a
// PageSurface on the paper, orientation and margins chosen there (by default
// Letter, portrait, 36-point margins): 72 units to the inch from the top left
// of the printable area, with the same fw::Graphics drawing surface that
// pictures have. A block of 540 x 720 units always fits: where the printable
// area is smaller (Letter landscape is 540 high inside its margins) the whole
// surface is drawn smaller to fit. The job is sent when the last reference to
// the surface goes.
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

class QPageLayout;
class QPainter;
class QPrinter;
class QTextDocument;

namespace fw {

class Graphics;

class PageSurface {
 public:
  // Takes a printer set up by the caller, resolution included; OnChosenPaper
  // is the way to get one from a printer as the printer dialog left it.
  explicit PageSurface(std::unique_ptr<QPrinter> printer);
  ~PageSurface();
  PageSurface(const PageSurface&) = delete;
  PageSurface& operator=(const PageSurface&) = delete;

  // A surface that prints into a PDF file (tests, and no printer at hand), on
  // the default page or on the paper given.
  static std::shared_ptr<PageSurface> ForPdf(const std::string& path);
  static std::shared_ptr<PageSurface> ForPdf(const std::string& path, const QPageLayout& paper);
  // What printing does once the printer dialog has been accepted: the page
  // the user chose, in units of 1/72 inch.
  static std::shared_ptr<PageSurface> OnChosenPaper(std::unique_ptr<QPrinter> printer);
  // The page offered before the user chooses: Letter, portrait, 36-point
  // margins, 72 units to the inch.
  static void SetUpPage(QPrinter& printer);

  // The printable area in surface units: 540 x 720 by default, never less
  // than that in either direction.
  double Width() const;
  double Height() const;
  // Paper points per surface unit: 1, or less where the paper is too small.
  double Scale() const;
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
