#include "framework/graphics/clip.h"

#include <algorithm>
#include <cmath>

#include "framework/text/text.h"

namespace fw {

namespace {

constexpr double kEdge = static_cast<double>(kGuard);

// Liang-Barsky: narrows the parameter range [t0, t1] by one edge.
bool NarrowBy(double p, double q, double& t0, double& t1) {
  if (p == 0) return q >= 0;
  const double t = q / p;
  if (p < 0) {
    if (t > t1) return false;
    t0 = std::max(t0, t);
  } else {
    if (t < t0) return false;
    t1 = std::min(t1, t);
  }
  return true;
}

// Integer arithmetic on truncated values that cannot overflow.
constexpr Integer kFar = Integer{1} << 40;
Integer Near(double v) { return std::clamp<Integer>(Truncate(v), -kFar, kFar); }

}  // namespace

bool ClipToGuard(Segment& s) {
  const double dx = s.x2 - s.x1, dy = s.y2 - s.y1;
  if (!std::isfinite(dx) || !std::isfinite(dy)) return false;
  double t0 = 0, t1 = 1;
  if (!NarrowBy(-dx, s.x1 + kEdge, t0, t1) || !NarrowBy(dx, kEdge - s.x1, t0, t1) ||
      !NarrowBy(-dy, s.y1 + kEdge, t0, t1) || !NarrowBy(dy, kEdge - s.y1, t0, t1)) {
    return false;
  }
  const Segment whole = s;
  s = {whole.x1 + t0 * dx, whole.y1 + t0 * dy, whole.x1 + t1 * dx, whole.y1 + t1 * dy};
  return true;
}

std::optional<Box> ClippedBox(double x, double y, double width, double height) {
  const Integer w = Near(width), h = Near(height);
  if (w <= 0 || h <= 0) return std::nullopt;
  const Integer left = std::max(Near(x), -kGuard), top = std::max(Near(y), -kGuard);
  const Integer right = std::min(Near(x) + w, kGuard), bottom = std::min(Near(y) + h, kGuard);
  if (right <= left || bottom <= top) return std::nullopt;
  return Box{static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
             static_cast<int>(bottom - top)};
}

std::optional<Box> WholeBox(double x, double y, double width, double height) {
  const Integer left = Near(x), top = Near(y), w = Near(width), h = Near(height);
  if (w <= 0 || h <= 0) return std::nullopt;
  if (left < -kGuard || top < -kGuard || left + w > kGuard || top + h > kGuard) return std::nullopt;
  return Box{static_cast<int>(left), static_cast<int>(top), static_cast<int>(w),
             static_cast<int>(h)};
}

}  // namespace fw
