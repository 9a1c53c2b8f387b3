#pragma once

namespace lumora {

struct Place {
  int left = 0;
  int top = 0;
  bool operator==(const Place&) const = default;
};

// The top-left corner that centres a window on the screen; negative on a screen smaller
// than the window, rounded toward zero.
constexpr Place CentredPlace(int screenWidth, int screenHeight, int width, int height) {
  return {(screenWidth - width) / 2, (screenHeight - height) / 2};
}

}  // namespace lumora
