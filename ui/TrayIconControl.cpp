#include "ui/TrayIconControl.h"

#include "ui/ControlClass.h"

namespace lumora::ui {

KindCreation TrayIconControl::Creation() const {
  return {ControlClass("LumoraTrayIcon", DefWindowProcA)};
}

}  // namespace lumora::ui
