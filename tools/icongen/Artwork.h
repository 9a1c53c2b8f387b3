#pragma once

#include "tools/icongen/Shapes.h"

namespace lumora::icongen {

// The notification-area picture: a white WiFi sign on a round blue badge.
Picture WifiBadge();

// The window picture: a laptop with a WiFi sign on its screen.
Picture WifiLaptop();

}  // namespace lumora::icongen
