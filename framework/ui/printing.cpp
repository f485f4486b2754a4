#include "framework/ui/printing.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <vector>

#include "framework/graphics/graphics.h"
#include "framework/ui/internal.h"

namespace fw {

struct PageSurface::Impl {
  explicit Impl(std::unique_ptr<QPrinter> p) : printer(std::move(p)), painter(printer.get()) {}
  std::unique_ptr<QPrinter> printer;
  QPainter painter;
  std::unique_ptr<fw::Graphics> graphics;
};

PageSurface::PageSurface(std::unique_ptr<QPrinter> printer)
    : impl_(std::make_unique<Impl>(std::move(printer))) {
  impl_->graphics = std::make_unique<fw::Graphics>(impl_->painter);
}

PageSurface::~PageSurface() { Finish(); }

std::shared_ptr<PageSurface> PageSurface::ForPdf(const std::string& path) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(ToQt(path));
  SetUpPage(*printer);
  return std::make_shared<PageSurface>(std::move(printer));
}

void PageSurface::SetUpPage(QPrinter& printer) {
  printer.setPageSize(QPageSize(QPageSize::Letter));
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setPageMargins(QMarginsF(36, 36, 36, 36), QPageLayout::Point);
  // After the page: 72 units to the inch, so a point is a unit. Scaling the
  // painter instead would scale point-sized fonts twice.
  printer.setResolution(72);
}

double PageSurface::Width() const { return impl_->painter.window().width(); }
double PageSurface::Height() const { return impl_->painter.window().height(); }
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

void PrintInBlocks(StyledTextPrinter& printer, PageSurface& page, double height) {
  while (!printer.Eof()) {
    printer.DrawBlock(0, 0, height);
    if (!printer.Eof()) page.NextPage();
  }
}

}  // namespace fw
