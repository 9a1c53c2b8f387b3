#include "ui/WebPane.h"

#include "ui/ControlClass.h"

namespace lumora::ui {

KindCreation WebPane::Creation() const {
  // White, as the browser control shows an empty page.
  return {ControlClass("LumoraWebPane", DefWindowProcA,
                       reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1)))};
}

}  // namespace lumora::ui
