#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lumora::hnetshare {

enum class Sharing { None, Public, Private };

// One network connection as the sharing manager reports it. Texts are CP936.
struct Connection {
  std::string name;
  std::string guid;
  std::string deviceName;
  int status = 2;     // connected
  int mediaType = 3;  // LAN
  Sharing sharing = Sharing::None;
  bool enableFails = false;  // EnableSharing reports an error and changes nothing
};

// What the double pretends the platform holds when a script creates it.
struct Scenario {
  std::string logPath;                          // every call that changes sharing is appended here
  std::optional<bool> sharingInstalled = true;  // empty: SharingInstalled is Null
  std::vector<Connection> connections;          // in the platform's enumeration order
};

// The scenario file: CP936 text, one record a line, fields separated by tabs:
//   log         <path>
//   installed   true | false | null
//   connection  <name> <guid> <device name> <status> <media type> none|public|private ok|fails
std::string FormatScenario(const Scenario& scenario);

// Empty when the text holds a record it does not know or a field it cannot read.
std::optional<Scenario> ParseScenario(const std::string& text);

}  // namespace lumora::hnetshare
