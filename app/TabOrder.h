#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace lumora {

struct TabCandidate {
  int tabKey = 0;
  bool takesFocus = false;  // has a tab stop and is visible and enabled
};

// Where Tab (or Shift+Tab, `backward`) moves the focus among `candidates`, given in the
// order of their creation: ordered by tab key, equal keys in that order, wrapping at both
// ends. From none or from a candidate that takes no focus it goes to the first (last).
// None when no candidate takes the focus.
std::optional<std::size_t> NextTabStop(const std::vector<TabCandidate>& candidates,
                                       std::optional<std::size_t> current, bool backward);

}  // namespace lumora
