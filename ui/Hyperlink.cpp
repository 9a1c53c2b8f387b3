#include "ui/Hyperlink.h"

#include <windowsx.h>

#include "ui/ControlClass.h"
#include "ui/Painting.h"
#include "ui/SelfPaintedControl.h"

namespace lumora::ui {
namespace {

struct HyperlinkWindow {
  using Kind = Hyperlink;
  explicit HyperlinkWindow(const Hyperlink& kind) : kind(kind) {}

  void Paint(HWND window, HDC dc) const {
    const Colour caption = hovering ? kind.hover : visited ? kind.visited : kind.normal;
    PaintCaption(window, dc, font, caption, kind.background,
                 DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
  }

  std::optional<LRESULT> Handle(HWND window, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_MOUSEMOVE) return std::nullopt;
    // The capture tells us when the mouse has left.
    RECT area;
    GetClientRect(window, &area);
    const POINT cursor{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (!hovering) {
      hovering = true;
      InvalidateRect(window, nullptr, FALSE);
      SetCapture(window);
    } else if (!PtInRect(&area, cursor)) {
      hovering = false;
      ReleaseCapture();
      InvalidateRect(window, nullptr, FALSE);
    } else if (GetCapture() != window) {
      SetCapture(window);
    }
    return 0;
  }

  Hyperlink kind;
  HFONT font = nullptr;
  bool hovering = false;
  bool visited = false;
};

}  // namespace

KindCreation Hyperlink::Creation() const {
  return {ControlClass("LumoraHyperlink", SelfPaintedControlProc<HyperlinkWindow>)};
}

}  // namespace lumora::ui
