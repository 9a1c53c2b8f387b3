#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace lumora::e2e {

enum class BoxIcon { None, Error, Information, Warning, Question, Other };

const char* NameOf(BoxIcon icon);

// A message box of the program as it shows on the screen.
struct SeenBox {
  HWND box = nullptr;
  std::wstring caption;
  std::wstring text;
  std::vector<int> buttons;  // IDOK, IDYES, ... in the order found
  BoxIcon icon = BoxIcon::None;
};

// The next message box of the process; nothing when none comes within `milliseconds`.
std::optional<SeenBox> AwaitMessageBox(DWORD processId, DWORD milliseconds);

// Clicks the button and waits until the box has gone; false when it stays.
bool Press(const SeenBox& box, int button);

}  // namespace lumora::e2e
