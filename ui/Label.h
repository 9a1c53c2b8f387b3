#pragma once

#include "ui/Colour.h"
#include "ui/KindCreation.h"

namespace lumora::ui {

// An opaque label that paints its text on one line, cut off at its edge; without text
// it is a plain cover in its background colour.
struct Label {
  Colour text = kBlack;
  Colour background = kWindowBackground;

  KindCreation Creation() const;
};

}  // namespace lumora::ui
