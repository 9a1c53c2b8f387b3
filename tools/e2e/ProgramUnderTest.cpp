#include "tools/e2e/ProgramUnderTest.h"

namespace lumora::e2e {
namespace {

constexpr wchar_t kWindowClass[] = L"LumoraPandrelWindow";

struct Search {
  const wchar_t* windowClass;
  DWORD processId;
  HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
  auto& search = *reinterpret_cast<Search*>(lParam);
  wchar_t windowClass[64] = {};
  GetClassNameW(window, windowClass, 64);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (std::wstring(windowClass) == search.windowClass && IsWindowVisible(window) &&
      (search.processId == 0 || owner == search.processId)) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::wstring DriverFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L'\\'));
}

ProgramUnderTest::ProgramUnderTest() {
  std::wstring commandLine = L"\"" + DriverFolder() + L"\\LumoraPandrel.exe\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process_))
    process_ = {};
}

ProgramUnderTest::~ProgramUnderTest() {
  if (!started()) return;
  TerminateProcess(process_.hProcess, 0);
  WaitForSingleObject(process_.hProcess, 5000);
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

HWND ProgramUnderTest::AwaitWindow(DWORD milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  while (started()) {
    if (const HWND window = FindProgramWindow(processId())) return window;
    if (GetTickCount64() > end) break;
    Sleep(100);
  }
  return nullptr;
}

HWND FindShownWindow(const wchar_t* windowClass, DWORD processId) {
  Search search{windowClass, processId};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindProgramWindow(DWORD processId) {
  return FindShownWindow(kWindowClass, processId);
}

HWND ChildAt(HWND window, const wchar_t* windowClass, int left, int top) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t childClass[64] = {};
    GetClassNameW(child, childClass, 64);
    RECT place;
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    if (_wcsicmp(childClass, windowClass) == 0 && place.left == left && place.top == top)
      return child;
  }
  return nullptr;
}

HWND ButtonCaptioned(HWND window, const std::wstring& caption) {
  return FindWindowExW(window, nullptr, L"Button", caption.c_str());
}

HWND OnlyComboBox(HWND window) {
  return FindWindowExW(window, nullptr, L"ComboBox", nullptr);
}

void Type(HWND box, const std::wstring& characters) {
  for (const wchar_t character : characters) PostMessageW(box, WM_CHAR, character, 1);
}

bool Pick(HWND combo, const std::wstring& item) {
  const LRESULT index = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(item.c_str()));
  return index != CB_ERR &&
         SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0) == index;
}

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace lumora::e2e
