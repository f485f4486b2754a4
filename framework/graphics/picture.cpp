#include <algorithm>

#include "framework/graphics/clip.h"
#include "framework/graphics/graphics.h"
#include "framework/text/text.h"

namespace fw {

namespace {

// A picture that no drawing coordinate could reach across, or that would
// ask for more than 128 MB, is made empty.
constexpr Integer kLargestSide = kGuard;
constexpr Integer kLargestArea = Integer{1} << 25;

int Side(double v) {
  const Integer side = Truncate(v);
  return side > 0 && side <= kLargestSide ? static_cast<int>(side) : 0;
}

QImage NewImage(double width, double height) {
  const int w = Side(width), h = Side(height);
  if (w == 0 || h == 0 || Integer{w} * h > kLargestArea) return QImage();
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);        // a new QImage holds whatever memory held
  image.setDotsPerMeterX(2835);  // 72 dots per inch: a point is a pixel
  image.setDotsPerMeterY(2835);
  return image;
}

}  // namespace

Picture::Picture(double width, double height, int /*depth*/)
    : image_(NewImage(width, height)), graphics_(image_, 0) {}

Picture::Picture(const QImage& image)
    : image_(image.convertToFormat(QImage::Format_RGB32)), graphics_(image_, 0) {
  if (image_.isNull()) return;
  image_.setDotsPerMeterX(2835);
  image_.setDotsPerMeterY(2835);
}

QImage Picture::Image() const {
  graphics_.End();
  return image_;
}

}  // namespace fw
