// Geometry guards of the drawing surface: whatever Doubles a caller passes,
// what reaches Qt is whole pixels in a range its integer geometry handles.
#pragma once

#include <cstdint>
#include <optional>

namespace fw {

// Coordinates are kept within -kGuard..kGuard; every device we draw on (a
// picture, a printer page at 72 units per inch) lies well inside.
inline constexpr std::int64_t kGuard = 1 << 16;

struct Segment {
  double x1, y1, x2, y2;
};

// Cuts s to the guard square; false when nothing of it lies inside.
bool ClipToGuard(Segment& s);

struct Box {
  int x, y, width, height;
};

// The rectangle truncated to whole pixels and cut to the guard square;
// nothing when it is empty, has a non-positive size or lies outside.
std::optional<Box> ClippedBox(double x, double y, double width, double height);

// The rectangle truncated to whole pixels when all of it lies within the
// guard square with a positive size; nothing otherwise. For shapes that
// cannot be cut without changing them (ellipses, scaled pictures).
std::optional<Box> WholeBox(double x, double y, double width, double height);

}  // namespace fw
