#pragma once

#include "tools/icongen/Image.h"
#include "tools/icongen/Shapes.h"

namespace lumora::icongen {

// Draws the picture at size x size pixels, smoothing its edges by supersampling.
Image Render(const Picture& picture, int size);

}  // namespace lumora::icongen
