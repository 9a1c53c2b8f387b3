#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace lumora::testing {

// The folder of the running test program, where the build puts the helper programs.
std::string ProgramFolder();

// An empty folder of its own under the temporary folder.
std::string FreshTempFolder(const std::string& name);

std::string ReadWholeFile(const std::string& path);

// The raw bytes of a value under HKEY_LOCAL_MACHINE (terminating zero included), or
// "<missing>" when the key or the value is not there.
std::string StoredValue(const std::string& key, const std::string& value, DWORD* type = nullptr);

// Processor time (user + kernel) of this process so far, in milliseconds.
double ProcessCpuMilliseconds();

// What a caught message box showed.
struct CaughtBox {
  std::string caption;
  std::string text;
  std::vector<int> buttons;  // IDOK, IDYES, IDNO, ... in the order found
  HICON icon = nullptr;
  bool ownerlessAndOthersDisabled = false;  // the thread's other windows were disabled
};

// While alive, catches every message box of this thread as it opens, records it and
// presses the next scripted button (IDOK once the script is used up).
class MessageBoxCatcher {
 public:
  explicit MessageBoxCatcher(std::deque<int> presses = {}, HWND otherWindow = nullptr);
  ~MessageBoxCatcher();
  MessageBoxCatcher(const MessageBoxCatcher&) = delete;
  MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;

  const std::vector<CaughtBox>& boxes() const { return boxes_; }

  // Runs as each box is caught, while it is still up.
  std::function<void(const CaughtBox&)> onCatch;

 private:
  static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
  static void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD);
  void Catch(HWND box);

  HHOOK hook_ = nullptr;
  HWND pendingBox_ = nullptr;
  std::deque<int> presses_;
  HWND otherWindow_;
  std::vector<CaughtBox> boxes_;
};

}  // namespace lumora::testing
