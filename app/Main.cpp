#include <windows.h>

#include <string>

#include "app/EventWiring.h"
#include "app/MainWindow.h"
#include "platform/win32/MessagePump.h"
#include "platform/win32/Win32System.h"

namespace {

// The scripts the program starts inherit it, and cmd looks there first for commands.
bool EnterProgramFolder() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length == MAX_PATH) return false;
  std::string folder(path, length);
  folder.erase(folder.find_last_of('\\'));
  return SetCurrentDirectoryA(folder.c_str()) != FALSE;
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) lumora::win32::DispatchLikeMainLoop(message);
  return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  EnterProgramFolder();
  lumora::win32::Win32System system;
  lumora::MainWindow window(lumora::MainWindowDefinition());
  lumora::WireEvents(window, system);
  if (!window.Build()) {
    MessageBoxA(nullptr, "主窗口无法创建，程序无法运行。", "Lumora Pandrel", MB_ICONERROR);
    return 1;
  }
  window.RaiseCreated();
  ShowWindow(window.handle(), SW_SHOW);
  return RunMessageLoop();
}
