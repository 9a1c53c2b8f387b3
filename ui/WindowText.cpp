#include "ui/WindowText.h"

namespace lumora::ui {

Text WindowText(HWND window) {
  // The length may overstate the bytes of a text with two-byte characters, never understate.
  Text text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(
      static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace lumora::ui
