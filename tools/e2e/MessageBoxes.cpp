#include "tools/e2e/MessageBoxes.h"

#include <cstdlib>
#include <limits>

#include "tools/e2e/ProgramUnderTest.h"

namespace lumora::e2e {
namespace {

// The pixels of a screen rectangle, as 0x00RRGGBB.
std::vector<COLORREF> Pixels(HDC source, int left, int top, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const HDC dc = CreateCompatibleDC(source);
  const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ previous = SelectObject(dc, bitmap);
  BitBlt(dc, 0, 0, width, height, source, left, top, SRCCOPY);
  GdiFlush();
  const auto* begin = static_cast<const COLORREF*>(bits);
  std::vector<COLORREF> pixels(begin, begin + width * height);
  for (COLORREF& pixel : pixels) pixel &= 0xFFFFFF;
  SelectObject(dc, previous);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return pixels;
}

// How far the shown pixels are from the icon drawn on the box's background.
long long Distance(const std::vector<COLORREF>& shown, HICON icon, int width, int height) {
  const HDC screen = GetDC(nullptr);
  const HDC dc = CreateCompatibleDC(screen);
  const HBITMAP canvas = CreateCompatibleBitmap(screen, width, height);
  const HGDIOBJ previous = SelectObject(dc, canvas);
  const RECT area{0, 0, width, height};
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
  const std::vector<COLORREF> drawn = Pixels(dc, 0, 0, width, height);
  SelectObject(dc, previous);
  DeleteObject(canvas);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  long long distance = 0;
  for (size_t i = 0; i < shown.size(); ++i)
    for (int shift : {0, 8, 16})
      distance += std::abs(static_cast<int>((shown[i] >> shift) & 0xFF) -
                           static_cast<int>((drawn[i] >> shift) & 0xFF));
  return distance;
}

// The icon of the box is in another process; tell which one it is by what the screen shows.
BoxIcon IconShownIn(HWND iconControl) {
  RECT place;
  GetWindowRect(iconControl, &place);
  const int width = place.right - place.left, height = place.bottom - place.top;
  const HDC screen = GetDC(nullptr);
  const std::vector<COLORREF> shown = Pixels(screen, place.left, place.top, width, height);
  ReleaseDC(nullptr, screen);
  const std::pair<BoxIcon, LPCSTR> candidates[] = {{BoxIcon::Error, IDI_HAND},
                                                   {BoxIcon::Information, IDI_ASTERISK},
                                                   {BoxIcon::Warning, IDI_EXCLAMATION},
                                                   {BoxIcon::Question, IDI_QUESTION}};
  BoxIcon nearest = BoxIcon::Other;
  long long nearestDistance = std::numeric_limits<long long>::max();
  for (const auto& [kind, id] : candidates) {
    const long long distance = Distance(shown, LoadIconA(nullptr, id), width, height);
    if (distance < nearestDistance) {
      nearest = kind;
      nearestDistance = distance;
    }
  }
  // Allow for blending differences; another icon is far off.
  return nearestDistance <= static_cast<long long>(width) * height * 3 * 8 ? nearest
                                                                           : BoxIcon::Other;
}

SeenBox Read(HWND box) {
  SeenBox seen;
  seen.box = box;
  seen.caption = TextOf(box);
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    wchar_t childClass[16] = {};
    GetClassNameW(child, childClass, 16);
    const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    if (_wcsicmp(childClass, L"Button") == 0)
      seen.buttons.push_back(GetDlgCtrlID(child));
    else if ((style & SS_TYPEMASK) == SS_ICON)
      seen.icon = SendMessageW(child, STM_GETICON, 0, 0) ? IconShownIn(child) : BoxIcon::None;
    else if (const std::wstring text = TextOf(child); !text.empty())
      seen.text = text;
  }
  return seen;
}

}  // namespace

const char* NameOf(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::None:
      return "no icon";
    case BoxIcon::Error:
      return "the error icon";
    case BoxIcon::Information:
      return "the information icon";
    case BoxIcon::Warning:
      return "the warning icon";
    case BoxIcon::Question:
      return "the question icon";
    case BoxIcon::Other:
      break;
  }
  return "an unknown icon";
}

std::optional<SeenBox> AwaitMessageBox(DWORD processId, DWORD milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  for (;;) {
    if (const HWND box = FindShownWindow(L"#32770", processId)) {
      Sleep(300);  // let it lay itself out and paint
      return Read(box);
    }
    if (GetTickCount64() > end) return std::nullopt;
    Sleep(100);
  }
}

bool Press(const SeenBox& box, int button) {
  const HWND control = GetDlgItem(box.box, button);
  if (!control) return false;
  PostMessageW(control, BM_CLICK, 0, 0);
  for (int i = 0; i < 50 && IsWindow(box.box); ++i) Sleep(100);
  return !IsWindow(box.box);
}

}  // namespace lumora::e2e
