#include "app/StandardControls.h"

#include <algorithm>
#include <string>

namespace lumora {

ui::KindCreation EditBox::Creation() const {
  const DWORD lines = multiLine ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN : ES_AUTOHSCROLL;
  return {"EDIT", ES_LEFT | lines | (passwordMask ? ES_PASSWORD : 0), WS_EX_CLIENTEDGE};
}

bool EditBox::Configure(HWND box) const {
  SendMessageA(box, EM_SETLIMITTEXT, 0, 0);
  if (passwordMask)
    SendMessageA(box, EM_SETPASSWORDCHAR, static_cast<unsigned char>(passwordMask), 0);
  SendMessageA(box, EM_SETSEL, 0, 0);
  return true;
}

ui::KindCreation PushButton::Creation() const {
  return {"BUTTON", BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE};
}

ui::KindCreation ComboBox::Creation() const {
  return {"COMBOBOX", CBS_DROPDOWNLIST | CBS_AUTOHSCROLL | WS_VSCROLL};
}

int ComboBox::CreatedHeight(int definedHeight) const {
  return std::max(definedHeight, listExtent);
}

bool ComboBox::Configure(HWND combo) const {
  for (const std::string_view item : items) {
    if (SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::string(item).c_str())) <
        0)
      return false;
  }
  // -1: the selection field, whose height any combo box lets us set.
  const LRESULT fieldHeight = SendMessageA(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  if (fieldHeight == CB_ERR) return false;
  return SendMessageA(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1),
                      fieldHeight + extraFieldHeight) != CB_ERR;
}

}  // namespace lumora
