#pragma once

#include <string_view>

#include "ui/KindCreation.h"

namespace lumora::ui {

// The small hidden window that owns the notice icon in the notification area.
struct TrayIconControl {
  std::string_view iconData;  // an ICO file
  std::string_view tip;
  bool shownInNotificationArea = true;

  KindCreation Creation() const;
};

}  // namespace lumora::ui
