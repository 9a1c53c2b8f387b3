#include "tools/icongen/Palette.h"

#include <algorithm>
#include <map>
#include <utility>

namespace lumora::icongen {
namespace {

bool IsVisible(const Rgba& pixel) {
  return pixel.a >= 128;
}

std::uint32_t Key(const Rgba& c) {
  return (std::uint32_t{c.r} << 16) | (c.g << 8) | c.b;
}

Rgba FromKey(std::uint32_t key) {
  return {static_cast<std::uint8_t>(key >> 16), static_cast<std::uint8_t>(key >> 8),
          static_cast<std::uint8_t>(key), 255};
}

int DistanceSquared(const Rgba& a, const Rgba& b) {
  const int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
  return dr * dr + dg * dg + db * db;
}

// Most frequent first; equal counts in colour order, so the result never varies.
std::vector<std::uint32_t> ColoursByFrequency(const Image& image) {
  std::map<std::uint32_t, int> counts;
  for (const Rgba& pixel : image.pixels)
    if (IsVisible(pixel)) ++counts[Key(pixel)];
  std::vector<std::pair<int, std::uint32_t>> ranked;
  for (const auto& [key, count] : counts) ranked.emplace_back(-count, key);
  std::sort(ranked.begin(), ranked.end());
  std::vector<std::uint32_t> keys;
  for (const auto& entry : ranked) keys.push_back(entry.second);
  return keys;
}

std::uint8_t NearestEntry(const std::array<Rgba, 256>& palette, int used, const Rgba& colour) {
  int best = 0;
  for (int i = 1; i < used; ++i)
    if (DistanceSquared(palette[i], colour) < DistanceSquared(palette[best], colour)) best = i;
  return static_cast<std::uint8_t>(best);
}

}  // namespace

IndexedImage ReduceTo256Colours(const Image& image) {
  IndexedImage indexed{image.size, {}, {}, {}};
  indexed.palette[0] = {0, 0, 0, 255};
  const std::vector<std::uint32_t> colours = ColoursByFrequency(image);
  const int used = 1 + static_cast<int>(std::min<std::size_t>(colours.size(), 255));
  for (int i = 1; i < used; ++i) indexed.palette[i] = FromKey(colours[i - 1]);
  for (const Rgba& pixel : image.pixels) {
    const bool visible = IsVisible(pixel);
    indexed.transparent.push_back(!visible);
    indexed.indices.push_back(visible ? NearestEntry(indexed.palette, used, pixel) : 0);
  }
  return indexed;
}

}  // namespace lumora::icongen
