#pragma once

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/SystemOperations.h"
#include "platform/WindowOperations.h"

namespace lumora::testing {

// How a command line given to RunHidden behaves.
struct ProcessScript {
  bool starts = true;
  // Exit code once ended; empty: still running however long it is awaited.
  std::optional<std::uint32_t> exitCode = 0;
};

// An in-memory twin of the operating system and of the main window. Every effect is
// appended to `log` as one line, so tests can assert whole sequences:
//   Run <command line>              Pause <ms>          Await <command line> <ms>
//   Write <path>                    Remove <path>       RegWrite <path> = <value>
//   RegRemove <path>                Box <style> [<title>] <message>
//   SetText <box> = <text>          Balloon <control> [<title>] <text> <icon> <timeout>
// File contents are kept in `files`; registry values in `registry`.
class FakePlatform final : public SystemOperations, public WindowOperations {
 public:
  // SystemOperations
  std::unique_ptr<LaunchedProcess> RunHidden(const Text& commandLine) override;
  void PauseWithEvents(std::uint32_t milliseconds) override;
  bool WriteFileBytes(const Text& path, std::string_view data) override;
  bool RemoveFile(const Text& path) override;
  bool WriteRegistryText(RegistryRoot root, const Text& path, const Text& value) override;
  RemovalResult RemoveRegistryValue(RegistryRoot root, const Text& path) override;
  Button ShowMessageBox(const Text& message, MessageStyle style, const Text& title) override;

  // WindowOperations
  Text ControlText(std::string_view editBox) override;
  void SetControlText(std::string_view editBox, const Text& text) override;
  int ComboSelection(std::string_view comboBox) override;
  Text ComboItemText(std::string_view comboBox, int index) override;
  bool ShowBalloonNotice(std::string_view trayIcon, const Text& title, const Text& text,
                         BalloonIcon icon, int timeout) override;

  // Recorded effects and current state.
  std::vector<std::string> log;
  std::map<Text, Text> files;
  std::map<Text, Text> registry;
  std::map<std::string, Text, std::less<>> controls;
  std::vector<Text> comboItems;
  int comboSelection = -1;

  // Scripted behaviour.
  std::deque<Button> answers;  // next message box answers; OK once used up
  std::map<Text, ProcessScript> processes;
  std::set<Text> unwritableFiles;
  bool registryWritable = true;
  bool balloonAccepted = true;
  std::function<void()> duringPause;  // runs inside every pause, as a nested handler would
};

}  // namespace lumora::testing
