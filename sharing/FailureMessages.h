#pragma once

#include <cstdint>
#include <string_view>

#include "platform/Text.h"

// Texts of the errors that name what failed and its likely cause.
namespace lumora::messages {

Text CannotWrite(std::string_view path);
Text CannotRun(std::string_view commandLine);
// `action` is what netsh was asked to do, e.g. "开启".
Text NetshFailed(std::string_view action, std::uint32_t exitCode);
Text NetshDidNotEnd(std::uint32_t seconds);
Text CannotStoreBootEntry();
Text CannotRemoveBootEntry();

}  // namespace lumora::messages
