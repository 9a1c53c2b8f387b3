#include <gtest/gtest.h>

#include "platform/RegistryPath.h"

namespace lumora {
namespace {

TEST(RegistryPath, SplitsAtLastSingleByteBackslash) {
  struct Case {
    Text path, key, value;
  };
  const Case cases[] = {
      {"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\Wlan",
       "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "Wlan"},
      // 0x81 0x5C is one character whose second byte is a backslash.
      {"SOFTWARE\\Lumora\\a\x81\x5C", "SOFTWARE\\Lumora", "a\x81\x5C"},
      {"SOFTWARE\\\x81\x5C\\v", "SOFTWARE\\\x81\x5C", "v"},
      {"Value", "", "Value"},
      {"Key\\", "Key", ""},
  };
  for (const Case& c : cases) {
    const RegistryPath split = SplitRegistryPath(c.path);
    EXPECT_EQ(split.key, c.key) << c.path;
    EXPECT_EQ(split.valueName, c.value) << c.path;
  }
}

}  // namespace
}  // namespace lumora
