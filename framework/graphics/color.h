// An opaque RGB colour with 8-bit channels.
#pragma once

#include <cstdint>

namespace fw {

struct Color {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  friend constexpr bool operator==(Color, Color) = default;
};

// The colour with these channels, each clamped to 0..255. Alpha 0 is opaque;
// every caller passes 0, so the colour ignores it.
constexpr Color RGB(int red, int green, int blue, int /*alpha*/ = 0) {
  auto channel = [](int v) { return static_cast<std::uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v); };
  return Color{channel(red), channel(green), channel(blue)};
}

}  // namespace fw
