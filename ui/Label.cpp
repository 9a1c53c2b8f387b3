#include "ui/Label.h"

#include "ui/ControlClass.h"
#include "ui/Painting.h"
#include "ui/SelfPaintedControl.h"

namespace lumora::ui {
namespace {

struct LabelWindow {
  using Kind = Label;
  explicit LabelWindow(const Label& kind) : kind(kind) {}

  void Paint(HWND window, HDC dc) const {
    PaintCaption(window, dc, font, kind.text, kind.background,
                 DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOCLIP);
  }

  Label kind;
  HFONT font = nullptr;
};

}  // namespace

KindCreation Label::Creation() const {
  return {ControlClass("LumoraLabel", SelfPaintedControlProc<LabelWindow>)};
}

}  // namespace lumora::ui
