#pragma once

#include "platform/SystemOperations.h"
#include "platform/win32/Handles.h"

namespace lumora::win32 {

class Win32Process final : public LaunchedProcess {
 public:
  explicit Win32Process(UniqueHandle process) : process_(std::move(process)) {}

  std::optional<std::uint32_t> ExitCode() const override;
  bool AwaitEndWithEvents(std::uint32_t milliseconds) override;

  HANDLE handle() const { return process_.get(); }

 private:
  UniqueHandle process_;
};

}  // namespace lumora::win32
