#include "tools/icongen/Artwork.h"

namespace lumora::icongen {
namespace {

constexpr Rgba kWhite{255, 255, 255, 255};

// A dot and two arcs around one centre; bold enough to read at 16 pixels.
void AddWifiSign(Picture& picture, int centreX, int centreY, int unit, const Paint& paint) {
  picture.push_back({Disc(centreX, centreY, unit), paint});
  picture.push_back({WifiArc(centreX, centreY, 2 * unit, 13 * unit / 4), paint});
  picture.push_back({WifiArc(centreX, centreY, 9 * unit / 2, 23 * unit / 4), paint});
}

}  // namespace

Picture WifiBadge() {
  Picture picture{
      {Disc(128, 128, 122), Solid({13, 71, 161, 255})},
      {Disc(128, 128, 110), VerticalGradient(24, {79, 176, 246, 255}, 236, {21, 101, 192, 255})},
  };
  AddWifiSign(picture, 128, 180, 22, Solid(kWhite));
  return picture;
}

Picture WifiLaptop() {
  Picture picture{
      // Base, with the hinge and a finger notch.
      {ConvexPolygon({{22, 184}, {234, 184}, {254, 216}, {2, 216}}),
       VerticalGradient(184, {207, 216, 220, 255}, 216, {120, 144, 156, 255})},
      {RoundedRect(2, 212, 254, 224, 6), Solid({84, 110, 122, 255})},
      {RoundedRect(104, 190, 152, 198, 4), Solid({96, 125, 139, 255})},
      // Lid.
      {RoundedRect(30, 32, 226, 186, 14), Solid({55, 71, 79, 255})},
      {RoundedRect(44, 46, 212, 172, 4),
       VerticalGradient(46, {227, 242, 253, 255}, 172, {100, 181, 246, 255})},
  };
  AddWifiSign(picture, 128, 150, 16, Solid({245, 124, 0, 255}));
  return picture;
}

}  // namespace lumora::icongen
