#pragma once

#include <cstdint>
#include <vector>

namespace lumora::icongen {

struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 0;
};

// A square picture, top row first, with straight (not premultiplied) alpha.
struct Image {
  int size = 0;
  std::vector<Rgba> pixels;

  const Rgba& At(int x, int y) const { return pixels[y * size + x]; }
};

}  // namespace lumora::icongen
