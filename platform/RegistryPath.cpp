#include "platform/RegistryPath.h"

namespace lumora {

RegistryPath SplitRegistryPath(const Text& path) {
  Text::size_type lastSeparator = Text::npos;
  for (Text::size_type i = 0; i < path.size(); ++i) {
    if (IsLeadByte(path[i])) {
      ++i;
    } else if (path[i] == '\\') {
      lastSeparator = i;
    }
  }
  if (lastSeparator == Text::npos) return {Text(), path};
  return {path.substr(0, lastSeparator), path.substr(lastSeparator + 1)};
}

}  // namespace lumora
