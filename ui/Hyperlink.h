#pragma once

#include <string_view>

#include "ui/Colour.h"
#include "ui/KindCreation.h"

namespace lumora::ui {

// A caption centred in its own colours: `hover` while the mouse is over it, otherwise
// `visited` once a click has opened the address, otherwise `normal`.
struct Hyperlink {
  std::string_view address;
  Colour normal;
  Colour visited;
  Colour hover;
  Colour background = kWindowBackground;

  KindCreation Creation() const;
};

}  // namespace lumora::ui
