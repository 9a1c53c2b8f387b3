#include "platform/win32/Win32Process.h"

#include "platform/win32/MessagePump.h"

namespace lumora::win32 {

std::optional<std::uint32_t> Win32Process::ExitCode() const {
  // STILL_ACTIVE is also a possible exit code, so ask whether the process has ended.
  if (WaitForSingleObject(process_.get(), 0) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  if (!GetExitCodeProcess(process_.get(), &code)) return std::nullopt;
  return code;
}

bool Win32Process::AwaitEndWithEvents(std::uint32_t milliseconds) {
  return WaitWithEvents(milliseconds, process_.get());
}

}  // namespace lumora::win32
