#pragma once

#include <optional>
#include <string>

namespace lumora::e2e {

inline constexpr const char* kHostedNetworkScript = "C:\\Windows\\Wlan.bat";
inline constexpr const char* kSharingScript = "C:\\Windows\\ics.vbs";
inline constexpr const char* kShareCommandScript = "C:\\Windows\\Wlanshare.bat";
inline constexpr const char* kHiddenLauncher = "C:\\Windows\\Wlan.vbs";

// Removes what a run of the program may leave: its scripts, its boot entry and the fake
// netsh's log and exit code.
void ForgetEarlierRuns();

// The bytes of a file; nothing when it does not exist.
std::optional<std::string> FileBytes(const std::string& path);

// The data of the boot entry with its terminating zero; nothing when it is not there.
std::optional<std::string> BootEntry();

// The fake netsh's log, one line a call; empty when it never ran.
std::string NetshLog();

// Waits until the log holds `lines` lines; false when it does not within `milliseconds`.
bool AwaitNetshLines(int lines, unsigned milliseconds);

}  // namespace lumora::e2e
