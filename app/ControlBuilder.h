#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "app/FontSet.h"
#include "app/WindowDefinition.h"

namespace lumora {

// The child-window id of the control at a position of the table.
constexpr int ControlId(std::size_t position) {
  return static_cast<int>(position) + 1;
}

// Creates the controls of `records` on `parent`, the last first, stacks them in table
// order and shows the visible ones without activating them. Gives their windows by
// table position; nothing when one cannot be made, and those made so far are destroyed.
std::optional<std::vector<HWND>> BuildControls(HWND parent,
                                               const std::vector<ControlRecord>& records,
                                               FontSet& fonts);

}  // namespace lumora
