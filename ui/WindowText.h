#pragma once

#include <windows.h>

#include "platform/Text.h"

namespace lumora::ui {

// The whole text of a window or control, in the ANSI code page.
Text WindowText(HWND window);

}  // namespace lumora::ui
