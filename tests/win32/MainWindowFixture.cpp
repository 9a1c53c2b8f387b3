#include "tests/win32/MainWindowFixture.h"

#include "platform/win32/MessagePump.h"

namespace lumora::testing {
namespace {

std::map<HWND, CREATESTRUCTA>* recordedCreations;  // a hook procedure has no context argument

LRESULT CALLBACK RecordCreation(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && recordedCreations)
    (*recordedCreations)[reinterpret_cast<HWND>(wParam)] =
        *reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

void MainWindowTest::SetUp() {
  window.emplace(MainWindowDefinition());
  window->events().closeRequest = [this] {
    ++closeRequests;
    return false;
  };
  for (const char* button : {"按钮1", "按钮2", "人工求助"})
    window->events().clicked[button] = [this, button] { clicks.push_back(button); };
  recordedCreations = &creations;
  const HHOOK hook = SetWindowsHookExA(WH_CBT, RecordCreation, nullptr, GetCurrentThreadId());
  const bool built = window->Build();
  UnhookWindowsHookEx(hook);
  recordedCreations = nullptr;
  ASSERT_TRUE(built);
  ShowWindow(window->handle(), SW_SHOW);
  win32::DispatchPendingMessages();
}

void MainWindowTest::TearDown() {
  window.reset();
  // Destroying the window asks the thread to quit; the next test's pumping must not stop.
  MSG quit;
  while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

std::string MainWindowTest::NameOf(HWND inner) const {
  for (const ControlRecord& record : MainWindowDefinition().controls) {
    const HWND control = window->Control(record.name);
    if (control == inner || IsChild(control, inner)) return std::string(record.name);
  }
  return "";
}

void MainWindowTest::PressKey(UINT virtualKey, std::vector<UINT> modifiers) {
  BYTE keys[256];
  GetKeyboardState(keys);
  for (const UINT modifier : modifiers) keys[modifier] = 0x80;
  SetKeyboardState(keys);
  const bool alt = keys[VK_MENU] & 0x80;
  PostMessageA(GetFocus(), alt ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, alt ? 1 | (1 << 29) : 1);
  win32::DispatchPendingMessages();
  for (const UINT modifier : modifiers) keys[modifier] = 0;
  SetKeyboardState(keys);
}

std::set<COLORREF> PaintedColours(HWND control) {
  RECT area;
  GetClientRect(control, &area);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = area.right;
  info.bmiHeader.biHeight = -area.bottom;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const HDC dc = CreateCompatibleDC(nullptr);
  const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ previous = SelectObject(dc, bitmap);
  SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  GdiFlush();
  std::set<COLORREF> colours;
  const auto* pixels = static_cast<const RGBQUAD*>(bits);
  for (LONG i = 0; i < area.right * area.bottom; ++i)
    colours.insert(RGB(pixels[i].rgbRed, pixels[i].rgbGreen, pixels[i].rgbBlue));
  SelectObject(dc, previous);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return colours;
}

}  // namespace lumora::testing
