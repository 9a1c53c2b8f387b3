#include "platform/win32/Win32System.h"

#include <windows.h>

#include "platform/RegistryPath.h"
#include "platform/win32/Handles.h"
#include "platform/win32/MessagePump.h"
#include "platform/win32/Win32Process.h"

namespace lumora::win32 {
namespace {

HKEY RootKey(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::LocalMachine:
      return HKEY_LOCAL_MACHINE;
  }
  return HKEY_LOCAL_MACHINE;
}

}  // namespace

std::unique_ptr<LaunchedProcess> Win32System::RunHidden(const Text& commandLine) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION created{};
  Text writableLine = commandLine;  // CreateProcessA may write into its command line
  if (!CreateProcessA(nullptr, writableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &created)) {
    return nullptr;
  }
  UniqueHandle thread(created.hThread);
  UniqueHandle process(created.hProcess);
  WaitForInputIdle(process.get(), 1000);
  return std::make_unique<Win32Process>(std::move(process));
}

void Win32System::PauseWithEvents(std::uint32_t milliseconds) {
  WaitWithEvents(milliseconds, nullptr);
}

bool Win32System::WriteFileBytes(const Text& path, std::string_view data) {
  UniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  if (!data.empty()) {
    DWORD written = 0;
    if (!WriteFile(file.get(), data.data(), static_cast<DWORD>(data.size()), &written, nullptr) ||
        written != data.size()) {
      return false;
    }
  }
  return file.Close();
}

bool Win32System::RemoveFile(const Text& path) { return DeleteFileA(path.c_str()) != FALSE; }

bool Win32System::WriteRegistryText(RegistryRoot root, const Text& path, const Text& value) {
  const RegistryPath split = SplitRegistryPath(path);
  UniqueRegKey key;
  if (RegOpenKeyExA(RootKey(root), split.key.c_str(), 0, KEY_WRITE, key.put()) != ERROR_SUCCESS &&
      RegCreateKeyA(RootKey(root), split.key.c_str(), key.put()) != ERROR_SUCCESS) {
    return false;
  }
  return RegSetValueExA(key.get(), split.valueName.c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

RemovalResult Win32System::RemoveRegistryValue(RegistryRoot root, const Text& path) {
  const RegistryPath split = SplitRegistryPath(path);
  UniqueRegKey key;
  LONG status = RegOpenKeyExA(RootKey(root), split.key.c_str(), 0, KEY_SET_VALUE, key.put());
  if (status == ERROR_SUCCESS) status = RegDeleteValueA(key.get(), split.valueName.c_str());
  if (status == ERROR_SUCCESS) return RemovalResult::Removed;
  return status == ERROR_FILE_NOT_FOUND ? RemovalResult::Missing : RemovalResult::Failed;
}

Button Win32System::ShowMessageBox(const Text& message, MessageStyle style, const Text& title) {
  const UINT flags = static_cast<UINT>(style) | MB_TASKMODAL;
  switch (MessageBoxA(nullptr, message.c_str(), title.c_str(), flags)) {
    case IDYES:
      return Button::Yes;
    case IDNO:
      return Button::No;
    default:
      return Button::Ok;
  }
}

}  // namespace lumora::win32
