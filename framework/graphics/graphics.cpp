#include "framework/graphics/graphics.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QTextOption>

#include "framework/graphics/clip.h"
#include "framework/graphics/qt_conversions.h"
#include "framework/text/text.h"

namespace fw {

namespace {

// The whole pixel a coordinate falls on, kept where Qt's integer geometry
// is safe.
int Pixel(double v) { return static_cast<int>(std::clamp<Integer>(Truncate(v), -kGuard, kGuard)); }

}  // namespace

Graphics::Graphics(QPaintDevice& device) : own_(std::make_unique<QPainter>()) {
  if (own_->begin(&device)) painter_ = own_.get();
}

Graphics::Graphics(QPainter& painter) : painter_(&painter) {}

Graphics::Graphics(QImage& image, int) : image_(&image) {}

Graphics::~Graphics() = default;

QPainter* Graphics::ActivePainter() const {
  if (image_ == nullptr) return painter_ != nullptr && painter_->isActive() ? painter_ : nullptr;
  if (image_->isNull()) return nullptr;
  if (!own_) own_ = std::make_unique<QPainter>();
  if (!own_->isActive() && !own_->begin(image_)) return nullptr;
  return own_.get();
}

// A picture's painter is ended whenever its pixels are read, so that a copy
// handed out is complete and later drawing cannot reach into it.
void Graphics::End() const {
  if (image_ != nullptr && own_ && own_->isActive()) own_->end();
}

void Graphics::SetFontSize(float size) { fontSize_ = size; }

QFont Graphics::FontOfSize(double size) const {
  QFont font{QString::fromLatin1(kDefaultTypeface)};
  // Sizes are pixel heights; a size that no font can have falls back to 12.
  const Integer pixels = std::isfinite(size) && size >= 0.5 ? Truncate(size + 0.5) : 12;
  font.setPixelSize(static_cast<int>(std::min<Integer>(pixels, 2000)));
  return font;
}

void Graphics::DrawLine(double x1, double y1, double x2, double y2) {
  QPainter* p = ActivePainter();
  const double thickness = std::max(penWidth_, penHeight_);
  if (p == nullptr || !(thickness >= 1)) return;
  // Cut in Doubles before anything is clamped, so a far end keeps its direction.
  auto whole = [](double v) { return static_cast<double>(Truncate(v)); };
  Segment s{whole(x1), whole(y1), whole(x2), whole(y2)};
  if (!ClipToGuard(s)) return;
  QPen pen(ToQColor(color_));
  pen.setWidth(static_cast<int>(std::min<Integer>(Truncate(thickness), 1000)));
  pen.setCapStyle(Qt::SquareCap);
  p->setPen(pen);
  p->drawLine(QLine(Pixel(s.x1), Pixel(s.y1), Pixel(s.x2), Pixel(s.y2)));
}

void Graphics::FillClipped(double x, double y, double width, double height) {
  QPainter* p = ActivePainter();
  if (p == nullptr) return;
  const auto box = ClippedBox(x, y, width, height);
  if (!box) return;
  p->fillRect(QRect(box->x, box->y, box->width, box->height), ToQColor(color_));
}

void Graphics::FillRect(double x, double y, double width, double height) {
  FillClipped(x, y, width, height);
}

void Graphics::DrawRect(double x, double y, double width, double height) {
  const Integer w = Truncate(width), h = Truncate(height);
  if (w <= 0 || h <= 0) return;
  const double side = static_cast<double>(std::min<Integer>(Truncate(penWidth_), w));
  const double top = static_cast<double>(std::min<Integer>(Truncate(penHeight_), h));
  if (side <= 0 || top <= 0) return;
  const double left = static_cast<double>(Truncate(x)), up = static_cast<double>(Truncate(y));
  FillClipped(left, up, width, top);
  FillClipped(left, up + static_cast<double>(h) - top, width, top);
  FillClipped(left, up, side, height);
  FillClipped(left + static_cast<double>(w) - side, up, side, height);
}

// Row by row, the pixels whose centres lie in the ellipse; the radii are a
// quarter pixel short of the half sizes so that a small disc (3 across) is
// round rather than square. Qt's own aliased ellipse is a pixel short at
// these sizes.
void Graphics::FillOval(double x, double y, double width, double height) {
  QPainter* p = ActivePainter();
  const auto box = WholeBox(x, y, width, height);
  if (p == nullptr || !box) return;
  const QColor colour = ToQColor(color_);
  const double cx = box->width / 2.0, cy = box->height / 2.0;
  const double rx = cx - 0.25, ry = cy - 0.25;
  for (int row = 0; row < box->height; ++row) {
    const double t = (row + 0.5 - cy) / ry;
    if (t * t > 1) continue;
    const double half = rx * std::sqrt(1 - t * t);
    const int first = static_cast<int>(std::ceil(cx - half - 0.5));
    const int last = static_cast<int>(std::floor(cx + half - 0.5));
    if (last >= first) p->fillRect(QRect(box->x + first, box->y + row, last - first + 1, 1), colour);
  }
}

void Graphics::DrawString(std::string_view text, double x, double y, double wrapWidth,
                          bool condense) {
  QPainter* p = ActivePainter();
  if (p == nullptr || text.empty()) return;
  const QFont font = FontOfSize(fontSize_);
  p->setFont(font);
  p->setPen(ToQColor(color_));
  const QString s = ToQt(text);
  const QPoint baseline(Pixel(x), Pixel(y));
  const int wrap = Pixel(wrapWidth);
  if (wrap <= 0) {
    p->drawText(baseline, s);
    return;
  }
  const QFontMetricsF metrics(font, p->device());
  if (condense) {
    // One line, squeezed sideways until it fits the wrap width.
    const double natural = metrics.horizontalAdvance(s);
    p->save();
    p->translate(baseline);
    if (natural > wrap) p->scale(wrap / natural, 1);
    p->drawText(QPointF(0, 0), s);
    p->restore();
    return;
  }
  const QRectF area(baseline.x(), baseline.y() - metrics.ascent(), wrap, kGuard);
  p->drawText(area, ToQt(text), QTextOption(Qt::AlignLeft | Qt::AlignTop));
}

double Graphics::StringWidth(std::string_view text) const {
  // Sizes are in pixels, so no device's resolution changes a width; an empty
  // picture measures like any other.
  QPaintDevice* device = nullptr;
  if (image_ != nullptr && !image_->isNull()) device = image_;
  if (image_ == nullptr && painter_ != nullptr) device = painter_->device();
  const QFontMetricsF metrics(FontOfSize(fontSize_), device);
  return metrics.horizontalAdvance(ToQt(text));
}

void Graphics::DrawPicture(const Picture& picture, double x, double y, double destWidth,
                           double destHeight, double sourceX, double sourceY,
                           double sourceWidth, double sourceHeight) {
  const QImage image = picture.Image();   // complete, even when drawn onto itself
  QPainter* p = ActivePainter();
  if (p == nullptr || image.isNull()) return;
  auto own = [](double v, int size) { return v == kOwnSize ? static_cast<double>(size) : v; };
  const auto source = WholeBox(sourceX, sourceY, own(sourceWidth, image.width()),
                               own(sourceHeight, image.height()));
  const auto dest = WholeBox(x, y, own(destWidth, image.width()), own(destHeight, image.height()));
  if (!source || !dest) return;
  const QRect from(source->x, source->y, source->width, source->height);
  if (dest->width == source->width && dest->height == source->height) {
    p->drawImage(QPoint(dest->x, dest->y), image, from);
  } else {
    p->drawImage(QRect(dest->x, dest->y, dest->width, dest->height), image, from);
  }
}

void Graphics::DrawObject(const StringShape& shape, double x, double y) {
  QPainter* p = ActivePainter();
  if (p == nullptr || shape.Text.empty() || !std::isfinite(shape.Rotation)) return;
  const QFont font = FontOfSize(shape.TextSize);
  const QFontMetricsF metrics(font, p->device());
  const QString s = ToQt(shape.Text);
  // Centred along its length, standing on the point: half its advance
  // before it, and the bottom of its descenders on the point.
  const QPointF start(-metrics.horizontalAdvance(s) / 2, -metrics.descent());
  p->save();
  p->translate(Pixel(x), Pixel(y));
  p->rotate(shape.Rotation * 180 / M_PI);
  p->setFont(font);
  p->setPen(ToQColor(color_));
  p->drawText(start, s);
  p->restore();
}

void Graphics::NextPage() {
  QPainter* p = ActivePainter();
  if (p == nullptr) return;
  if (auto* paged = dynamic_cast<QPagedPaintDevice*>(p->device())) paged->newPage();
}

QPainter& Graphics::Painter() {
  QPainter* p = ActivePainter();
  if (p != nullptr) return *p;
  if (!own_) own_ = std::make_unique<QPainter>();
  return *own_;   // inactive: drawing on it does nothing
}

}  // namespace fw
