#include "tests/win32/TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <utility>

#include "platform/win32/Handles.h"

namespace lumora::testing {
namespace {

MessageBoxCatcher* activeCatcher = nullptr;  // a hook procedure has no context argument

}  // namespace

std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  return folder.substr(0, folder.find_last_of('\\'));
}

std::string FreshTempFolder(const std::string& name) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string folder =
      std::string(temp) + "lumora-" + name + "-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

std::string StoredValue(const std::string& key, const std::string& value, DWORD* type) {
  win32::UniqueRegKey opened;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, opened.put()) != ERROR_SUCCESS)
    return "<missing>";
  char data[512];
  DWORD size = sizeof data;
  if (RegQueryValueExA(opened.get(), value.c_str(), nullptr, type, reinterpret_cast<BYTE*>(data),
                       &size) != ERROR_SUCCESS)
    return "<missing>";
  return std::string(data, size);
}

double ProcessCpuMilliseconds() {
  // Under Wine GetProcessTimes under-reports; the Linux process tells the truth.
  const std::string stat = ReadWholeFile("Z:\\proc\\self\\stat");
  if (const auto end = stat.rfind(')'); end != std::string::npos) {
    std::istringstream fields(stat.substr(end + 2));
    std::string field;
    for (int i = 3; i < 14; ++i) fields >> field;  // state .. cmajflt
    double userTicks = 0, systemTicks = 0;
    fields >> userTicks >> systemTicks;
    return (userTicks + systemTicks) * 10.0;  // USER_HZ is 100
  }
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  const auto ticks = [](FILETIME t) {
    return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
  };
  return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;
}

MessageBoxCatcher::MessageBoxCatcher(std::deque<int> presses, HWND otherWindow)
    : presses_(std::move(presses)), otherWindow_(otherWindow) {
  activeCatcher = this;
  hook_ = SetWindowsHookExA(WH_CBT, HookProc, nullptr, GetCurrentThreadId());
}

MessageBoxCatcher::~MessageBoxCatcher() {
  UnhookWindowsHookEx(hook_);
  activeCatcher = nullptr;
}

LRESULT CALLBACK MessageBoxCatcher::HookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && activeCatcher) {
    char className[16] = {};
    GetClassNameA(reinterpret_cast<HWND>(wParam), className, sizeof className);
    if (std::string(className) == "#32770") {
      // The box is still being laid out: look at it once its own loop runs.
      activeCatcher->pendingBox_ = reinterpret_cast<HWND>(wParam);
      SetTimer(nullptr, 0, 50, TimerProc);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK MessageBoxCatcher::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (activeCatcher && activeCatcher->pendingBox_)
    activeCatcher->Catch(std::exchange(activeCatcher->pendingBox_, nullptr));
}

void MessageBoxCatcher::Catch(HWND box) {
  CaughtBox caught;
  char text[1024] = {};
  GetWindowTextA(box, text, sizeof text);
  caught.caption = text;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char childClass[16] = {};
    GetClassNameA(child, childClass, sizeof childClass);
    const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
    if (!IsWindowVisible(child)) continue;
    if (std::string(childClass) == "Button") {
      caught.buttons.push_back(GetDlgCtrlID(child));
    } else if ((style & SS_TYPEMASK) == SS_ICON) {
      caught.icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
    } else {
      char childText[1024] = {};
      GetWindowTextA(child, childText, sizeof childText);
      if (childText[0]) caught.text = childText;
    }
  }
  caught.ownerlessAndOthersDisabled =
      GetWindow(box, GW_OWNER) == nullptr && otherWindow_ && !IsWindowEnabled(otherWindow_);
  boxes_.push_back(caught);
  if (onCatch) onCatch(caught);
  const int press = presses_.empty() ? IDOK : presses_.front();
  if (!presses_.empty()) presses_.pop_front();
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(press, BN_CLICKED), 0);
}

}  // namespace lumora::testing
