#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "ui/Colour.h"
#include "ui/KindCreation.h"

// The kinds of control that the system's own window classes provide.
namespace lumora {

// A sunken edit box without length limit whose selection hides while it has no focus.
struct EditBox {
  bool multiLine = false;  // otherwise one line, scrolling sideways
  char passwordMask = 0;   // nonzero makes a password box that shows this for each character
  ui::TextColours colours{ui::kBlack, ui::kWhite};

  ui::KindCreation Creation() const;
  bool Configure(HWND box) const;
};

// An ordinary push button with a centred caption that may wrap.
struct PushButton {
  ui::KindCreation Creation() const;
};

// A drop-down list, unsorted, with nothing selected at first.
struct ComboBox {
  std::vector<std::string_view> items;
  int listExtent = 160;      // the height with the list open, for a lower definition too
  int extraFieldHeight = 1;  // added to the default height of the selection field
  ui::TextColours colours{ui::kBlack, ui::kWhite};

  ui::KindCreation Creation() const;
  int CreatedHeight(int definedHeight) const;
  bool Configure(HWND combo) const;
};

}  // namespace lumora
