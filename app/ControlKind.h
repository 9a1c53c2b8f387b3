#pragma once

#include <variant>

#include "app/StandardControls.h"
#include "ui/Hyperlink.h"
#include "ui/Label.h"
#include "ui/TrayIconControl.h"
#include "ui/WebPane.h"

namespace lumora {

// A control's kind with the settings of that kind.
using ControlKind = std::variant<EditBox, ui::Label, PushButton, ComboBox, ui::WebPane,
                                 ui::Hyperlink, ui::TrayIconControl>;

}  // namespace lumora
