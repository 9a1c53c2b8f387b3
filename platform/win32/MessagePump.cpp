#include "platform/win32/MessagePump.h"

namespace lumora::win32 {

UINT PreTranslateMessageId() {
  static const UINT id = RegisterWindowMessageA("Lumora.PreTranslateMessage");
  return id;
}

void DispatchLikeMainLoop(MSG& message) {
  HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (root && SendMessageA(root, PreTranslateMessageId(), 0, reinterpret_cast<LPARAM>(&message)))
    return;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

void DispatchPendingMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE) && message.message != WM_QUIT) {
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) return;
    if (message.message == WM_QUIT) {
      // Arrived between the two peeks: put it back for the main loop.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    DispatchLikeMainLoop(message);
  }
}

bool WaitWithEvents(std::uint32_t milliseconds, HANDLE handle) {
  // Elapsed time, not an end time: a 64-bit tick count does not wrap.
  const ULONGLONG start = GetTickCount64();
  for (;;) {
    DispatchPendingMessages();
    if (handle && WaitForSingleObject(handle, 0) == WAIT_OBJECT_0) return true;
    const ULONGLONG elapsed = GetTickCount64() - start;
    if (elapsed > milliseconds) return false;
    // Without MWMO_INPUTAVAILABLE only input newer than the last peek wakes us, so a
    // quit request left in the queue does not turn this into a spin.
    const DWORD remaining = static_cast<DWORD>(milliseconds - elapsed + 1);
    MsgWaitForMultipleObjectsEx(handle ? 1 : 0, handle ? &handle : nullptr, remaining,
                                QS_ALLINPUT, 0);
  }
}

}  // namespace lumora::win32
