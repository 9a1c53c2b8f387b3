#pragma once

#include <string_view>

namespace lumora::resources {

// The ICO file behind both notification-area icons: five 32-bit images of 128, 48, 32,
// 24 and 16 pixels, in this order.
std::string_view ProgramIconData();

}  // namespace lumora::resources
