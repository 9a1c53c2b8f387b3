#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "tools/icongen/Image.h"

namespace lumora::icongen {

// A picture as an 8-bit icon image holds it: 256 colours and one-bit transparency.
struct IndexedImage {
  int size = 0;
  std::array<Rgba, 256> palette{};    // entry 0 is black, drawn under transparent pixels
  std::vector<std::uint8_t> indices;  // top row first
  std::vector<bool> transparent;
};

// Keeps the most frequent colours and maps every other one to its nearest; a pixel at
// least half opaque stays visible.
IndexedImage ReduceTo256Colours(const Image& image);

}  // namespace lumora::icongen
