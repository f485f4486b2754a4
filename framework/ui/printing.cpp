#include "framework/ui/printing.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <vector>

#include "framework/graphics/graphics.h"
#include "framework/ui/internal.h"

namespace fw {

namespace {
constexpr double kBlockWidth = 540;
constexpr double kBlockHeight = 720;
}  // namespace

struct PageSurface::Impl {
  explicit Impl(std::unique_ptr<QPrinter> p) : printer(std::move(p)), painter(printer.get()) {}
  std::unique_ptr<QPrinter> printer;
  QPainter painter;
  std::unique_ptr<fw::Graphics> graphics;
  double scale = 1;
};

PageSurface::PageSurface(std::unique_ptr<QPrinter> printer)
    : impl_(std::make_unique<Impl>(std::move(printer))) {
  QPainter& painter = impl_->painter;
  // Pictures go into the page as they are: a JPEG rings around thin lines and
  // small text, which is all a plot is made of.
  painter.setRenderHint(QPainter::LosslessImageRendering);
  impl_->graphics = std::make_unique<fw::Graphics>(painter);
  Fit(kBlockWidth, kBlockHeight);
}

// At 72 units to the inch the printable area is window() in points. Where it
// cannot hold what is to be drawn, everything is drawn smaller, all by the
// same factor, instead of running off the paper. Text is laid out at 72
// units to the inch whatever the factor, so it breaks into the same lines and
// pages on every paper, and fonts (sized in pixels or in points of this
// 72-dpi device) are scaled once, by this transform alone. Nothing is drawn
// smaller than the 540 x 720 block the surface offers: the plot, 20 units
// wider than that, keeps its full size where the block has it (on Letter it
// reaches 20 units into the right margin, as it always has).
void PageSurface::Fit(double width, double height) {
  QPainter& painter = impl_->painter;
  const QRect area = painter.window();
  auto fitting = [&](double w, double h) {
    return std::min({1.0, area.width() / w, area.height() / h});
  };
  impl_->scale = std::max(fitting(kBlockWidth, kBlockHeight), fitting(width, height));
  painter.resetTransform();
  if (impl_->scale < 1) painter.scale(impl_->scale, impl_->scale);
}

PageSurface::~PageSurface() { Finish(); }

std::shared_ptr<PageSurface> PageSurface::ForPdf(const std::string& path) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  SetUpPage(*printer);
  return ForPdf(path, printer->pageLayout());
}

std::shared_ptr<PageSurface> PageSurface::ForPdf(const std::string& path,
                                                 const QPageLayout& paper) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(ToQt(path));
  printer->setPageLayout(paper);
  return OnChosenPaper(std::move(printer));
}

std::shared_ptr<PageSurface> PageSurface::OnChosenPaper(std::unique_ptr<QPrinter> printer) {
  // The resolution alone: the paper, orientation and margins are the user's.
  printer->setResolution(72);
  return std::make_shared<PageSurface>(std::move(printer));
}

void PageSurface::SetUpPage(QPrinter& printer) {
  printer.setPageSize(QPageSize(QPageSize::Letter));
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setPageMargins(QMarginsF(36, 36, 36, 36), QPageLayout::Point);
  // After the page: 72 units to the inch, so a point is a unit.
  printer.setResolution(72);
}

double PageSurface::Width() const { return impl_->painter.window().width() / impl_->scale; }
double PageSurface::Height() const { return impl_->painter.window().height() / impl_->scale; }
double PageSurface::Scale() const { return impl_->scale; }
void PageSurface::NextPage() { impl_->printer->newPage(); }
Graphics& PageSurface::graphics() { return *impl_->graphics; }
QPainter& PageSurface::painter() { return impl_->painter; }
QPrinter& PageSurface::printer() { return *impl_->printer; }

bool PageSurface::Finish() {
  if (!impl_->painter.isActive()) return true;
  impl_->graphics.reset();
  return impl_->painter.end();
}

// ---- StyledTextPrinter

namespace {
struct LineRef {
  QTextLayout* layout;
  int index;
  double top;     // in the document
  double height;
};
}  // namespace

struct StyledTextPrinter::Impl {
  Impl(const QTextDocument& text, PageSurface& page, double width)
      : document(text.clone()), page(page) {
    document->setDefaultFont(text.defaultFont());
    document->documentLayout()->setPaintDevice(&page.printer());
    document->setDocumentMargin(0);
    document->setTextWidth(width);
    document->documentLayout()->documentSize();  // lays the text out
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
      QTextLayout* layout = block.layout();
      for (int i = 0; i < layout->lineCount(); ++i) {
        const QTextLine line = layout->lineAt(i);
        lines.push_back({layout, i, layout->position().y() + line.y(), line.height()});
      }
    }
  }

  std::unique_ptr<QTextDocument> document;
  PageSurface& page;
  std::vector<LineRef> lines;
  std::size_t next = 0;
};

StyledTextPrinter::StyledTextPrinter(const QTextDocument& text, PageSurface& page, double width)
    : impl_(std::make_unique<Impl>(text, page, width)) {}

StyledTextPrinter::~StyledTextPrinter() = default;

void StyledTextPrinter::DrawBlock(double x, double y, double height) {
  auto& lines = impl_->lines;
  if (impl_->next >= lines.size()) return;
  QPainter& painter = impl_->page.painter();
  painter.save();
  painter.setPen(Qt::black);
  const double blockTop = lines[impl_->next].top;
  bool drewOne = false;
  while (impl_->next < lines.size()) {
    const LineRef& ref = lines[impl_->next];
    // Whole lines only; the first line of a block goes in whatever its height.
    if (drewOne && ref.top + ref.height - blockTop > height) break;
    const QPointF origin(x + ref.layout->position().x(),
                         y - blockTop + ref.layout->position().y());
    ref.layout->lineAt(ref.index).draw(&painter, origin);
    drewOne = true;
    ++impl_->next;
  }
  painter.restore();
}

bool StyledTextPrinter::Eof() const { return impl_->next >= impl_->lines.size(); }
double StyledTextPrinter::Width() const { return impl_->document->textWidth(); }

void PrintInBlocks(StyledTextPrinter& printer, PageSurface& page, double height) {
  page.Fit(printer.Width(), height);
  while (!printer.Eof()) {
    printer.DrawBlock(0, 0, height);
    if (!printer.Eof()) page.NextPage();
  }
}

}  // namespace fw
