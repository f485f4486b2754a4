#include "plot/linegraph/gradient.h"

#include <algorithm>

#include "plot/linegraph/pixels.h"

namespace {

using Direction = GradientDirection;

bool RunsAcrossRows(Direction d) { return d == Direction::Top || d == Direction::Bottom; }
bool RunsAcrossColumns(Direction d) { return d == Direction::Right || d == Direction::Left; }

}  // namespace

Gradient::Gradient(fw::Color top, fw::Color bottom, GradientDirection direction, fw::Integer w,
                   fw::Integer h)
    : top_(top), bottom_(bottom), direction_(direction), w_(w), h_(h) {
  n_ = RunsAcrossColumns(direction) ? w : RunsAcrossRows(direction) ? h : 0;
}

PassRange Gradient::VisiblePasses(fw::Integer pictureWidth, fw::Integer pictureHeight) const {
  // Rows (or columns) counted from the start edge reach the picture's far
  // side at its size; counted from the far edge, they start there.
  const fw::Integer across = RunsAcrossRows(direction_) ? pictureHeight : pictureWidth;
  if (across <= 0) return {};
  PassRange range;
  switch (direction_) {
    case Direction::Top:
    case Direction::Left:
      range = {0, Subtract(across, 1)};
      break;
    case Direction::Right:
      range = {Add(Subtract(w_, across), 1), w_};
      break;
    case Direction::Bottom:
      range = {Add(Subtract(h_, across), 1), h_};
      break;
    default:
      return {};
  }
  // No more passes than the picture has lines across, so that no size makes
  // the loop long or its counter overflow.
  const fw::Integer first = std::max<fw::Integer>(range.first, 0);
  const fw::Integer last = std::min({range.last, n_, Add(first, Subtract(across, 1))});
  return {first, last};
}

// Each channel runs linearly from the start value toward the end value and
// stops one step short of it. Where the end value is at least the start
// value, or is 0, this is trunc(|B - |B - T| (n - i) / n|); a channel that
// falls toward a value above 0 runs linearly too, instead of the jump to
// |2B - T| that the absolute values would give it.
int Gradient::Channel(int top, int bottom, fw::Integer pass) const {
  const double b = bottom, t = top;
  const double v = b - (b - t) * D(Subtract(n_, pass)) / D(n_);
  return static_cast<int>(fw::Truncate(v));
}

fw::Color Gradient::ColorOfLine(fw::Integer i) const {
  if (i <= 0) return top_;
  const fw::Integer pass = i - 1;
  return fw::RGB(Channel(top_.red, bottom_.red, pass), Channel(top_.green, bottom_.green, pass),
                 Channel(top_.blue, bottom_.blue, pass));
}

GradientLine Gradient::Line(fw::Integer i) const {
  switch (direction_) {
    case Direction::Top: return {0, D(i), D(w_), D(i)};
    case Direction::Right: return {D(w_) - D(i), 0, D(w_) - D(i), D(h_)};
    case Direction::Bottom: return {0, D(h_) - D(i), D(w_), D(h_) - D(i)};
    default: return {D(i), 0, D(i), D(h_)};
  }
}
