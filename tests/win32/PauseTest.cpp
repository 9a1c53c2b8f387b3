#include <gtest/gtest.h>

#include <cstdio>

#include "platform/win32/Win32System.h"
#include "tests/win32/TestSupport.h"

namespace lumora::testing {
namespace {

using win32::Win32System;

constexpr UINT kPosted = WM_APP + 7;

// A window that counts what the pause hands it and asks to quit at its first timer.
struct Receiver {
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Receiver*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message == kPosted) {
      ++self->posted;
      return 0;
    }
    if (self && message == WM_TIMER) {
      KillTimer(window, wParam);
      PostQuitMessage(7);
      self->quitAt = GetTickCount64();
      return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
  }

  Receiver() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Proc;
    windowClass.lpszClassName = "LumoraPauseReceiver";
    RegisterClassA(&windowClass);
    window = CreateWindowA("LumoraPauseReceiver", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                           nullptr);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  ~Receiver() { DestroyWindow(window); }

  HWND window = nullptr;
  int posted = 0;
  ULONGLONG quitAt = 0;
};

// Posts to the window from another thread at 300 ms and 1500 ms.
DWORD WINAPI PostLater(void* window) {
  Sleep(300);
  PostMessageA(static_cast<HWND>(window), kPosted, 0, 0);
  Sleep(1200);
  PostMessageA(static_cast<HWND>(window), kPosted, 0, 0);
  return 0;
}

TEST(PauseWithEvents, LastsItsLengthDispatchingAndIdling) {
  Receiver receiver;
  SetTimer(receiver.window, 1, 1000, nullptr);
  HANDLE poster = CreateThread(nullptr, 0, PostLater, receiver.window, 0, nullptr);

  Win32System system;
  const double cpuBefore = ProcessCpuMilliseconds();
  const ULONGLONG start = GetTickCount64();
  system.PauseWithEvents(2000);
  const ULONGLONG elapsed = GetTickCount64() - start;
  const double cpu = ProcessCpuMilliseconds() - cpuBefore;
  WaitForSingleObject(poster, INFINITE);
  CloseHandle(poster);

  std::printf("pause of 2000 ms: lasted %llu ms, used %.1f ms of processor time\n", elapsed, cpu);
  EXPECT_GT(elapsed, 2000u);
  EXPECT_LT(elapsed, 2500u);
  EXPECT_EQ(receiver.posted, 2) << "messages posted during the pause, also after the quit";
  EXPECT_NE(receiver.quitAt, 0u) << "the timer was not dispatched";
  EXPECT_LT(cpu, 200.0) << "the pause spins";

  MSG quit;
  ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "quit was eaten";
  EXPECT_EQ(quit.wParam, 7u);
}

}  // namespace
}  // namespace lumora::testing
