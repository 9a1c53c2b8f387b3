#include "app/FontSet.h"

#include <algorithm>

namespace lumora {
namespace {

LOGFONTA LogFontOf(const FontSpec& spec) {
  LOGFONTA font{};
  font.lfHeight = -spec.height;  // negative: the character height, not the cell height
  font.lfWeight = spec.weight;
  font.lfItalic = spec.italic;
  font.lfCharSet = spec.charSet;
  font.lfOutPrecision = spec.outPrecision;
  font.lfClipPrecision = spec.clipPrecision;
  font.lfQuality = spec.quality;
  font.lfPitchAndFamily = spec.pitchAndFamily;
  const size_t length = std::min(spec.face.size(), sizeof font.lfFaceName - 1);
  std::copy_n(spec.face.data(), length, font.lfFaceName);
  return font;
}

}  // namespace

HFONT FontSet::FontFor(const FontSpec* spec) {
  if (!spec) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  auto& font = fonts_[spec];
  if (!font) {
    const LOGFONTA logFont = LogFontOf(*spec);
    font.reset(CreateFontIndirectA(&logFont));
  }
  return font.get();
}

}  // namespace lumora
