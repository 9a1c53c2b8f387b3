#pragma once

#include <cstdint>

namespace lumora::ui {

// A fixed RGB colour, or the window's background: the system's colour of 3D faces.
struct Colour {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool windowBackground = false;
};

constexpr Colour Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return {red, green, blue, false};
}

inline constexpr Colour kBlack = Rgb(0, 0, 0);
inline constexpr Colour kWhite = Rgb(255, 255, 255);
inline constexpr Colour kWindowBackground{0, 0, 0, true};

struct TextColours {
  Colour text;
  Colour background;
};

}  // namespace lumora::ui
