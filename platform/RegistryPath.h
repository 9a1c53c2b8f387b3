#pragma once

#include "platform/Text.h"

namespace lumora {

struct RegistryPath {
  Text key;
  Text valueName;
};

// Splits at the last backslash that is a character of its own: the second byte of a
// two-byte character may be 0x5C and is never taken for one. Without a backslash the
// whole path is the value name.
RegistryPath SplitRegistryPath(const Text& path);

}  // namespace lumora
