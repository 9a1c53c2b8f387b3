#pragma once

#include <optional>

#include "platform/Text.h"
#include "sharing/Messages.h"

namespace lumora {

// What netsh and a batch line can take: a name of 1 to 32 bytes, a key of 8 to 63
// printable ASCII characters, and nothing that would break out of a quoted batch value.
// Gives the message that refuses the input, or nothing when it is acceptable.
std::optional<messages::Message> RefusalOfInput(const Text& hotspotName, const Text& password,
                                                const Text& connectionName);

}  // namespace lumora
