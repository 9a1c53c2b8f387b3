#pragma once

#include "platform/SystemOperations.h"

namespace lumora::win32 {

class Win32System final : public SystemOperations {
 public:
  std::unique_ptr<LaunchedProcess> RunHidden(const Text& commandLine) override;
  void PauseWithEvents(std::uint32_t milliseconds) override;
  bool WriteFileBytes(const Text& path, std::string_view data) override;
  bool RemoveFile(const Text& path) override;
  bool WriteRegistryText(RegistryRoot root, const Text& path, const Text& value) override;
  RemovalResult RemoveRegistryValue(RegistryRoot root, const Text& path) override;
  Button ShowMessageBox(const Text& message, MessageStyle style, const Text& title) override;
};

}  // namespace lumora::win32
