#pragma once

#include <windows.h>

#include <string>

namespace lumora::e2e {

// The folder of this driver, where the build puts the program and the fake netsh.
std::wstring DriverFolder();

// The program started as a user starts it, and ended when this goes away (it cannot be
// closed from its window).
class ProgramUnderTest {
 public:
  ProgramUnderTest();
  ~ProgramUnderTest();
  ProgramUnderTest(const ProgramUnderTest&) = delete;
  ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

  bool started() const { return process_.hProcess != nullptr; }
  DWORD processId() const { return process_.dwProcessId; }

  // The main window once it is shown; null when it does not come within `milliseconds`.
  HWND AwaitWindow(DWORD milliseconds);

 private:
  PROCESS_INFORMATION process_{};
};

// A shown top-level window of the class, of the process unless that is 0; null for none.
HWND FindShownWindow(const wchar_t* windowClass, DWORD processId);

// The program's main window, whoever started it; null when there is none.
HWND FindProgramWindow(DWORD processId = 0);

// Controls of the main window as a user finds them: a box by its place in the client
// area, a button by its caption, the only combo box.
HWND ChildAt(HWND window, const wchar_t* windowClass, int left, int top);
HWND ButtonCaptioned(HWND window, const std::wstring& caption);
HWND OnlyComboBox(HWND window);

// Types the characters into the box as the keyboard would.
void Type(HWND box, const std::wstring& characters);

// Selects the item with this text; false when the list has no such item.
bool Pick(HWND combo, const std::wstring& item);

std::wstring TextOf(HWND window);

}  // namespace lumora::e2e
