#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "tools/icongen/Image.h"

namespace lumora::icongen {

// The artwork is drawn on a 256 x 256 design square, y down. A sample point is given
// exactly as (x / scale, y / scale) so that every size renders with integer arithmetic
// alone and the output never depends on the compiler's floating point.
struct DesignPoint {
  std::int64_t x, y, scale;
};

using Region = std::function<bool(const DesignPoint&)>;
using Paint = std::function<Rgba(const DesignPoint&)>;

Region Disc(int centreX, int centreY, int radius);
Region RoundedRect(int left, int top, int right, int bottom, int radius);
// The top quarter of a ring, 45 degrees either side of straight up, with round ends.
Region WifiArc(int centreX, int centreY, int innerRadius, int outerRadius);
// Corners clockwise as seen on screen.
Region ConvexPolygon(std::vector<std::pair<int, int>> corners);

Paint Solid(Rgba colour);
// topColour at design row top, bottomColour at bottom, held beyond both.
Paint VerticalGradient(int top, Rgba topColour, int bottom, Rgba bottomColour);

struct Layer {
  Region region;
  Paint paint;
};

using Picture = std::vector<Layer>;  // bottom layer first

}  // namespace lumora::icongen
