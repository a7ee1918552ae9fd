// The framework's Color: red, green, blue and an alpha where 0 is opaque and 255 transparent.
#pragma once

#include <algorithm>
#include <cstdint>

namespace vorline {

struct Color {
  uint8_t Red = 0;
  uint8_t Green = 0;
  uint8_t Blue = 0;
  uint8_t Alpha = 0;
  bool operator==(const Color&) const = default;
};

// The framework's RGB: components outside 0 to 255 are clamped to the nearest end.
inline Color RGB(int64_t red, int64_t green, int64_t blue, int64_t alpha = 0) {
  auto component = [](int64_t v) { return static_cast<uint8_t>(std::clamp<int64_t>(v, 0, 255)); };
  return Color{component(red), component(green), component(blue), component(alpha)};
}

}  // namespace vorline
