#pragma once

#include <windows.h>

#include "ui/Colour.h"

namespace lumora::ui {

COLORREF ColorRefOf(Colour colour);

// Fills the control's client area with `background` and draws its window text over it
// in `text` with the `format` flags of DrawText, into `dc`.
void PaintCaption(HWND control, HDC dc, HFONT font, Colour text, Colour background, UINT format);

}  // namespace lumora::ui
