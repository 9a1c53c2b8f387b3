#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/Text.h"

namespace lumora {

enum class Button { Ok, Yes, No };

// Message box styles the program uses (Windows MB_* values).
enum class MessageStyle : unsigned { Information = 64, Error = 16, YesNo = 4 };

enum class RegistryRoot { LocalMachine };

enum class RemovalResult { Removed, Missing, Failed };

// A process started by RunHidden. Destroying the object lets go of the process; it
// never ends it.
class LaunchedProcess {
 public:
  virtual ~LaunchedProcess() = default;

  // The exit code once the process has ended; empty while it still runs.
  virtual std::optional<std::uint32_t> ExitCode() const = 0;

  // Dispatches window messages, as the main loop does, until the process has ended or
  // `milliseconds` have passed. True when it has ended.
  virtual bool AwaitEndWithEvents(std::uint32_t milliseconds) = 0;
};

// The operating system as the sharing procedures see it. Every operation reports
// failure through its result only.
class SystemOperations {
 public:
  virtual ~SystemOperations() = default;

  // Starts a command line in a hidden window and waits at most a second for it to
  // settle; never waits for it to end. Null when the process could not be created.
  virtual std::unique_ptr<LaunchedProcess> RunHidden(const Text& commandLine) = 0;

  // Returns once more than `milliseconds` have passed, dispatching window messages
  // meanwhile, so handlers may run nested inside it. A pending quit request stays queued.
  virtual void PauseWithEvents(std::uint32_t milliseconds) = 0;

  // Creates or replaces the file whole with exactly `data`.
  virtual bool WriteFileBytes(const Text& path, std::string_view data) = 0;

  // False for a missing file as for any other failure.
  virtual bool RemoveFile(const Text& path) = 0;

  // `path` is the key path and the value name, split at its last backslash. Creates
  // missing keys; stores `value` as REG_SZ with its terminating zero.
  virtual bool WriteRegistryText(RegistryRoot root, const Text& path, const Text& value) = 0;

  // `path` as for WriteRegistryText. A missing key or value gives Missing.
  virtual RemovalResult RemoveRegistryValue(RegistryRoot root, const Text& path) = 0;

  // Task-modal and without owner; an empty title gives an empty caption. OK when the
  // box cannot be shown.
  virtual Button ShowMessageBox(const Text& message, MessageStyle style, const Text& title) = 0;
};

}  // namespace lumora
