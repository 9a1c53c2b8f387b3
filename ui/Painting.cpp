#include "ui/Painting.h"

#include "ui/WindowText.h"

namespace lumora::ui {

COLORREF ColorRefOf(Colour colour) {
  return colour.windowBackground ? GetSysColor(COLOR_BTNFACE)
                                 : RGB(colour.red, colour.green, colour.blue);
}

void PaintCaption(HWND control, HDC dc, HFONT font, Colour text, Colour background, UINT format) {
  RECT area;
  GetClientRect(control, &area);
  SetDCBrushColor(dc, ColorRefOf(background));
  FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));

  const Text caption = WindowText(control);
  if (caption.empty()) return;
  const HGDIOBJ previousFont = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorRefOf(text));
  DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &area, format);
  SelectObject(dc, previousFont);
}

}  // namespace lumora::ui
