#pragma once

#include <string_view>

#include "ui/KindCreation.h"

namespace lumora::ui {

// A child window that is to host the system's web browser control.
struct WebPane {
  int textSize = 2;  // 0 (smallest) to 4
  bool offline = false;
  bool silent = false;  // no dialog boxes such as script errors
  std::string_view startAddress;

  KindCreation Creation() const;
};

}  // namespace lumora::ui
