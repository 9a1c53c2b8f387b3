#include "tools/e2e/MachineState.h"

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/win32/Handles.h"
#include "tools/e2e/ProgramUnderTest.h"

namespace lumora::e2e {
namespace {

constexpr const char* kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

std::wstring NetshFile(const wchar_t* name) {
  return DriverFolder() + L"\\" + name;
}

}  // namespace

void ForgetEarlierRuns() {
  for (const char* path :
       {kHostedNetworkScript, kSharingScript, kShareCommandScript, kHiddenLauncher})
    DeleteFileA(path);
  win32::UniqueRegKey key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_SET_VALUE, key.put()) == ERROR_SUCCESS)
    RegDeleteValueA(key.get(), "Wlan");
  DeleteFileW(NetshFile(L"netsh.log").c_str());
  DeleteFileW(NetshFile(L"netsh-exit-code.txt").c_str());
}

std::optional<std::string> FileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

std::optional<std::string> BootEntry() {
  win32::UniqueRegKey key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS)
    return std::nullopt;
  char data[MAX_PATH] = {};
  DWORD size = sizeof data;
  DWORD type = 0;
  const LONG status =
      RegQueryValueExA(key.get(), "Wlan", nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
  if (status != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
  return std::string(data, size);
}

std::string NetshLog() {
  std::ifstream file(std::filesystem::path(NetshFile(L"netsh.log")), std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

bool AwaitNetshLines(int lines, unsigned milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  for (;;) {
    const std::string log = NetshLog();
    if (std::count(log.begin(), log.end(), '\n') >= lines) return true;
    if (GetTickCount64() > end) return false;
    Sleep(100);
  }
}

}  // namespace lumora::e2e
