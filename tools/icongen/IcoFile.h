#pragma once

#include <string>
#include <vector>

#include "tools/icongen/Image.h"

namespace lumora::icongen {

struct IconImage {
  Image image;
  int bitsPerPixel = 32;  // 32 (with alpha), or 8 (256 colours)
};

// An ICO file of uncompressed DIB images in the order given: BITMAPINFOHEADER, the
// palette of an 8-bit image, the colour rows, then the one-bit AND mask, rows bottom up.
std::string EncodeIco(const std::vector<IconImage>& images);

}  // namespace lumora::icongen
