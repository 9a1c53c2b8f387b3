#pragma once

#include <windows.h>

#include <memory>
#include <optional>

namespace lumora::ui {

// The window procedure of a control that paints itself. Its State is made on WM_NCCREATE
// from the kind settings passed as the create parameter and lives as long as the window.
// State has `font`, `Paint(HWND, HDC)` and may have `Handle(HWND, UINT, WPARAM, LPARAM)`,
// which gives nothing to leave a message to the default processing.
template <class State>
LRESULT CALLBACK SelfPaintedControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    auto state =
        std::make_unique<State>(*static_cast<const typename State::Kind*>(create->lpCreateParams));
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state.release()));
  }
  auto* state = reinterpret_cast<State*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!state) return DefWindowProcA(window, message, wParam, lParam);
  switch (message) {
    case WM_NCDESTROY: {
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      const std::unique_ptr<State> owned(state);  // made on WM_NCCREATE, goes with the window
      break;
    }
    case WM_SETFONT:
      state->font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) InvalidateRect(window, nullptr, FALSE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(state->font);
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcA(window, message, wParam, lParam);
      InvalidateRect(window, nullptr, FALSE);
      return result;
    }
    case WM_ERASEBKGND:
      return 1;  // painting fills the whole client area
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(window, &paint);
      state->Paint(window, dc);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      state->Paint(window, reinterpret_cast<HDC>(wParam));
      return 0;
    default:
      if constexpr (requires { state->Handle(window, message, wParam, lParam); }) {
        if (const std::optional<LRESULT> result = state->Handle(window, message, wParam, lParam))
          return *result;
      }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace lumora::ui
