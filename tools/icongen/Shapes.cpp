#include "tools/icongen/Shapes.h"

#include <algorithm>

namespace lumora::icongen {
namespace {

using Int = std::int64_t;

bool WithinRadius(const DesignPoint& p, Int centreX, Int centreY, Int radius) {
  const Int dx = p.x - centreX * p.scale;
  const Int dy = p.y - centreY * p.scale;
  return dx * dx + dy * dy <= radius * radius * p.scale * p.scale;
}

// The band between the radii, above the centre and at most 45 degrees off vertical.
Region WifiBand(int centreX, int centreY, int innerRadius, int outerRadius) {
  return [=](const DesignPoint& p) {
    const Int dx = p.x - Int{centreX} * p.scale;
    const Int up = Int{centreY} * p.scale - p.y;
    return up > 0 && (dx < 0 ? -dx : dx) <= up && WithinRadius(p, centreX, centreY, outerRadius) &&
           !WithinRadius(p, centreX, centreY, innerRadius);
  };
}

std::uint8_t Blend(std::uint8_t from, std::uint8_t to, Int numerator, Int denominator) {
  return static_cast<std::uint8_t>(from + (Int{to} - from) * numerator / denominator);
}

}  // namespace

Region Disc(int centreX, int centreY, int radius) {
  return [=](const DesignPoint& p) { return WithinRadius(p, centreX, centreY, radius); };
}

Region RoundedRect(int left, int top, int right, int bottom, int radius) {
  return [=](const DesignPoint& p) {
    // Distance outside the rectangle shrunk by the radius, per axis.
    const Int dx =
        std::max({Int{left + radius} * p.scale - p.x, Int{0}, p.x - Int{right - radius} * p.scale});
    const Int dy =
        std::max({Int{top + radius} * p.scale - p.y, Int{0}, p.y - Int{bottom - radius} * p.scale});
    return dx * dx + dy * dy <= Int{radius} * radius * p.scale * p.scale;
  };
}

Region WifiArc(int centreX, int centreY, int innerRadius, int outerRadius) {
  const Region band = WifiBand(centreX, centreY, innerRadius, outerRadius);
  const int capRadius = (outerRadius - innerRadius) / 2;
  // 181 / 256 is cos 45 degrees to within a design unit at these radii.
  const int capOffset = (innerRadius + capRadius) * 181 / 256;
  const Region leftCap = Disc(centreX - capOffset, centreY - capOffset, capRadius);
  const Region rightCap = Disc(centreX + capOffset, centreY - capOffset, capRadius);
  return [=](const DesignPoint& p) { return band(p) || leftCap(p) || rightCap(p); };
}

Region ConvexPolygon(std::vector<std::pair<int, int>> corners) {
  return [corners = std::move(corners)](const DesignPoint& p) {
    for (std::size_t i = 0; i < corners.size(); ++i) {
      const auto [ax, ay] = corners[i];
      const auto [bx, by] = corners[(i + 1) % corners.size()];
      const Int cross =
          Int{bx - ax} * (p.y - Int{ay} * p.scale) - Int{by - ay} * (p.x - Int{ax} * p.scale);
      if (cross < 0) return false;
    }
    return true;
  };
}

Paint Solid(Rgba colour) {
  return [=](const DesignPoint&) { return colour; };
}

Paint VerticalGradient(int top, Rgba topColour, int bottom, Rgba bottomColour) {
  return [=](const DesignPoint& p) {
    const Int span = Int{bottom - top} * p.scale;
    const Int along = std::clamp(p.y - Int{top} * p.scale, Int{0}, span);
    return Rgba{Blend(topColour.r, bottomColour.r, along, span),
                Blend(topColour.g, bottomColour.g, along, span),
                Blend(topColour.b, bottomColour.b, along, span),
                Blend(topColour.a, bottomColour.a, along, span)};
  };
}

}  // namespace lumora::icongen
