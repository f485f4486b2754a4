// Printing. The printer dialog (services().OpenPrinterDialog()) gives a
// PageSurface on the paper, orientation and margins chosen there (by default
// Letter, portrait, 36-point margins): 72 units to the inch from the top left
// of the printable area, with the same fw::Graphics drawing surface that
// pictures have. A block of 540 x 720 units always fits: where the printable
// area is smaller (Letter landscape is 540 high inside its margins) the whole
// surface is drawn smaller to fit. What is printed says first how much of the
// page it needs (Fit), so that a drawing of another shape is drawn smaller
// only as far as it has to be: the plot (560 x 478) keeps its full size on
// both landscapes. The job is sent when the last reference to the surface
// goes.
//
//   auto page = fw::services().OpenPrinterDialog();
//   if (!page) return;                                  // cancelled
//   auto printer = EigenFld().StyledTextPrinter(*page, 540);
//   PrintInBlocks(*printer, *page, 720);                // fits 540 x 720, then draws
//
//   page->Fit(560, 478);                                // a picture at (20, 100), 540 x 378
//   page->graphics().DrawPicture(plot, 20, 100, 540, 378, 0, 0, 600, 420);
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

  // Sets the scale for what is drawn next: the extent it needs, in units
  // from the top left of the printable area. The surface draws at full size
  // where the printable area holds that extent, else smaller by one factor
  // until it fits, though never smaller than a 540 x 720 block needs (the
  // scale it starts with). Call it before drawing.
  void Fit(double width, double height);
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
  double Width() const;  // the block width the text is laid out in

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Prints the rest of the text: one block of at most that height at the top
// left of each page, a new page only while text remains; the page is fitted
// to a block of the printer's width and that height first.
void PrintInBlocks(StyledTextPrinter& printer, PageSurface& page, double height);

}  // namespace fw
