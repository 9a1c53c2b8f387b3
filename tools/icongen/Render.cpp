#include "tools/icongen/Render.h"

#include <algorithm>
#include <array>

namespace lumora::icongen {
namespace {

constexpr int kSamplesPerAxis = 4;
constexpr int kSamples = kSamplesPerAxis * kSamplesPerAxis;
constexpr int kDesignSize = 256;

// Premultiplied colour, 0..255 per channel.
using Premultiplied = std::array<int, 4>;

int Scale255(int value, int alpha) {
  return (value * alpha + 127) / 255;
}

// Paints src over dst, both premultiplied.
Premultiplied Over(const Rgba& src, const Premultiplied& dst) {
  const int keep = 255 - src.a;
  return {Scale255(src.r, src.a) + Scale255(dst[0], keep),
          Scale255(src.g, src.a) + Scale255(dst[1], keep),
          Scale255(src.b, src.a) + Scale255(dst[2], keep), src.a + Scale255(dst[3], keep)};
}

Premultiplied Sample(const Picture& picture, const DesignPoint& point) {
  Premultiplied colour{};
  for (const Layer& layer : picture)
    if (layer.region(point)) colour = Over(layer.paint(point), colour);
  return colour;
}

std::uint8_t Unpremultiply(int sum, int alphaSum) {
  return static_cast<std::uint8_t>(std::min(255, (sum * 255 + alphaSum / 2) / alphaSum));
}

Rgba Pixel(const Picture& picture, int size, int x, int y) {
  // Sample centres sit at odd multiples of half a sample step.
  const std::int64_t step = 2 * kSamplesPerAxis;
  Premultiplied sum{};
  for (int sy = 0; sy < kSamplesPerAxis; ++sy) {
    for (int sx = 0; sx < kSamplesPerAxis; ++sx) {
      const DesignPoint point{(x * step + 2 * sx + 1) * kDesignSize,
                              (y * step + 2 * sy + 1) * kDesignSize, step * size};
      const Premultiplied sample = Sample(picture, point);
      for (int c = 0; c < 4; ++c) sum[c] += sample[c];
    }
  }
  const int alpha = (sum[3] + kSamples / 2) / kSamples;
  if (alpha == 0) return {};
  return {Unpremultiply(sum[0], sum[3]), Unpremultiply(sum[1], sum[3]),
          Unpremultiply(sum[2], sum[3]), static_cast<std::uint8_t>(alpha)};
}

}  // namespace

Image Render(const Picture& picture, int size) {
  Image image{size, std::vector<Rgba>(static_cast<std::size_t>(size) * size)};
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) image.pixels[y * size + x] = Pixel(picture, size, x, y);
  return image;
}

}  // namespace lumora::icongen
