#pragma once

#include <string>

namespace lumora::icongen {

// resources/icons/program.ico: the badge at 128, 48, 32, 24 and 16 pixels, 32 bits each.
std::string ProgramIconFile();

// resources/icons/window.ico: the laptop at 16, 24, 32 and 48 pixels in 32 bits and at
// 16, 24 and 32 pixels in 8 bits.
std::string WindowIconFile();

}  // namespace lumora::icongen
