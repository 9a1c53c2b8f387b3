#include "ui/ControlClass.h"

namespace lumora::ui {

const char* ControlClass(const char* name, WNDPROC procedure, HBRUSH background) {
  WNDCLASSA existing;
  if (!GetClassInfoA(GetModuleHandleA(nullptr), name, &existing)) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    RegisterClassA(&windowClass);
  }
  return name;
}

}  // namespace lumora::ui
