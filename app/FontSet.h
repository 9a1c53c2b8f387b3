#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <type_traits>

#include "app/WindowDefinition.h"

namespace lumora {

// The fonts of a window's controls, made once per description, deleted with the set.
class FontSet {
 public:
  // The system's default GUI font for none; null when the font cannot be made.
  HFONT FontFor(const FontSpec* wanted);

 private:
  struct Deleter {
    void operator()(HFONT font) const { DeleteObject(font); }
  };
  std::map<const FontSpec*, std::unique_ptr<std::remove_pointer_t<HFONT>, Deleter>> fonts_;
};

}  // namespace lumora
