#pragma once

#include <string_view>

// Default texts of the template boxes, byte for byte as the resource files hold them
// (CP936, CR LF line ends, no line end after the last line).
namespace lumora::resources {

std::string_view HostedNetworkHead();  // head of the hosted-network script
std::string_view KeyClause();          // " key="
std::string_view StartCommand();       // last line of the hosted-network script
std::string_view ShareLineHead();      // share command line up to the connection name
std::string_view ShareLineTail();      // share command line after the connection name
std::string_view HiddenLauncher();     // the logon launcher script

// The connection-sharing script (VBScript), written unchanged to C:\Windows\ics.vbs.
std::string_view ConnectionSharingScript();

}  // namespace lumora::resources
