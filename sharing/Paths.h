#pragma once

#include <string_view>

// Where the scripts go and what runs them.
namespace lumora::paths {

inline constexpr std::string_view kHostedNetworkScript = "C:\\Windows\\Wlan.bat";
inline constexpr std::string_view kSharingScript = "C:\\Windows\\ics.vbs";
inline constexpr std::string_view kShareCommandScript = "C:\\Windows\\Wlanshare.bat";
inline constexpr std::string_view kHiddenLauncher = "C:\\Windows\\Wlan.vbs";
inline constexpr std::string_view kBootEntry =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\Wlan";
inline constexpr std::string_view kDisallowCommand =
    "cmd /c netsh wlan set hostednetwork mode=disallow";

}  // namespace lumora::paths
