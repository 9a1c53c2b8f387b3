#pragma once

#include <windows.h>

namespace lumora::ui {

// What a control kind adds to the creation of its window: the window class and the
// styles of the kind (the builder adds those that every control record sets).
struct KindCreation {
  const char* windowClass;
  DWORD style = 0;
  DWORD exStyle = 0;
};

}  // namespace lumora::ui
