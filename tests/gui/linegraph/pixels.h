// Pixel reading helpers for the rendering tests.
#pragma once

#include <QImage>
#include <QRect>

#include "framework/graphics/color.h"

inline fw::Color At(const QImage& image, int x, int y) {
  const QRgb p = image.pixel(x, y);
  return fw::RGB(qRed(p), qGreen(p), qBlue(p));
}

inline bool IsWhite(const QImage& image, int x, int y) {
  return At(image, x, y) == fw::RGB(255, 255, 255);
}

// Whether any pixel of the rectangle is far from white (text ink, say).
inline bool HasInk(const QImage& image, int x, int y, int width, int height) {
  for (int j = y; j < y + height; ++j) {
    for (int i = x; i < x + width; ++i) {
      if (i < 0 || j < 0 || i >= image.width() || j >= image.height()) continue;
      const QRgb p = image.pixel(i, j);
      if (qRed(p) + qGreen(p) + qBlue(p) < 600) return true;
    }
  }
  return false;
}

// The rightmost column in the rows y..y+height-1, left of limit, that has ink; -1 if none.
inline int RightmostInk(const QImage& image, int y, int height, int limit) {
  for (int i = limit - 1; i >= 0; --i) {
    if (HasInk(image, i, y, 1, height)) return i;
  }
  return -1;
}

// The smallest rectangle holding every pixel in which two pictures of one
// size differ; empty when they are the same.
inline QRect ChangedArea(const QImage& a, const QImage& b) {
  QRect changed;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.pixel(x, y) != b.pixel(x, y)) changed |= QRect(x, y, 1, 1);
    }
  }
  return changed;
}

#include <ostream>

namespace fw {
inline void PrintTo(Color c, std::ostream* os) {
  *os << "RGB(" << int{c.red} << ", " << int{c.green} << ", " << int{c.blue} << ")";
}
}  // namespace fw
