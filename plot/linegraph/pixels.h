// Integer arithmetic of the graph's margins and sizes that cannot overflow,
// whatever sizes a caller asks for, and the test for a drawable coordinate.
#pragma once

#include <cmath>
#include <limits>

#include "framework/text/text.h"

inline bool IsDrawable(double coordinate) { return std::isfinite(coordinate); }

inline fw::Integer Add(fw::Integer a, fw::Integer b) {
  fw::Integer sum = 0;
  if (!__builtin_add_overflow(a, b, &sum)) return sum;
  return b > 0 ? std::numeric_limits<fw::Integer>::max() : std::numeric_limits<fw::Integer>::min();
}

inline fw::Integer Subtract(fw::Integer a, fw::Integer b) {
  fw::Integer difference = 0;
  if (!__builtin_sub_overflow(a, b, &difference)) return difference;
  return b < 0 ? std::numeric_limits<fw::Integer>::max() : std::numeric_limits<fw::Integer>::min();
}

// a - b - c, as the plot-area size is worked out from a side and two margins.
inline fw::Integer Difference(fw::Integer a, fw::Integer b, fw::Integer c) {
  return Subtract(Subtract(a, b), c);
}

inline double D(fw::Integer v) { return static_cast<double>(v); }
