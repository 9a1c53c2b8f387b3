#pragma once

#include <windows.h>

namespace lumora::ui {

// Registers a window class of our controls (arrow cursor, no class background) unless it
// exists, and gives its name; creating a window of it fails if registration failed.
const char* ControlClass(const char* name, WNDPROC procedure, HBRUSH background = nullptr);

}  // namespace lumora::ui
