#include "app/ControlBuilder.h"

#include <string>

namespace lumora {
namespace {

DWORD RecordStyle(const ControlRecord& record) {
  return WS_CHILD | WS_CLIPSIBLINGS | (record.tabStop ? WS_TABSTOP : 0) |
         (record.disabled ? WS_DISABLED : 0);
}

template <class Kind>
HWND CreateControl(HWND parent, const ControlRecord& record, const Kind& kind, int id, HFONT font) {
  const ui::KindCreation creation = kind.Creation();
  int height = record.height;
  if constexpr (requires { kind.CreatedHeight(height); }) height = kind.CreatedHeight(height);
  const HWND control =
      CreateWindowExA(creation.exStyle, creation.windowClass, std::string(record.text).c_str(),
                      RecordStyle(record) | creation.style, record.left, record.top, record.width,
                      height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                      GetModuleHandleA(nullptr), const_cast<Kind*>(&kind));
  if (!control) return nullptr;
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if constexpr (requires { kind.Configure(control); }) {
    if (!kind.Configure(control)) {
      DestroyWindow(control);
      return nullptr;
    }
  }
  return control;
}

void DestroyAll(const std::vector<HWND>& controls) {
  for (const HWND control : controls)
    if (control) DestroyWindow(control);
}

}  // namespace

std::optional<std::vector<HWND>> BuildControls(HWND parent,
                                               const std::vector<ControlRecord>& records,
                                               FontSet& fonts) {
  std::vector<HWND> controls(records.size());
  for (std::size_t position = records.size(); position-- > 0;) {
    const ControlRecord& record = records[position];
    const HFONT font = fonts.FontFor(record.font);
    controls[position] =
        font ? std::visit(
                   [&](const auto& kind) {
                     return CreateControl(parent, record, kind, ControlId(position), font);
                   },
                   record.kind)
             : nullptr;
    if (!controls[position]) {
      DestroyAll(controls);
      return std::nullopt;
    }
  }
  HWND above = HWND_TOP;
  for (const HWND control : controls) {
    SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = control;
  }
  for (std::size_t position = 0; position < records.size(); ++position)
    if (records[position].visible) ShowWindow(controls[position], SW_SHOWNA);
  return controls;
}

}  // namespace lumora
