#include "app/FontSet.h"

#include <algorithm>

namespace lumora {
namespace {

LOGFONTA LogFontOf(const FontSpec& wanted) {
  LOGFONTA font{};
  font.lfHeight = -wanted.height;  // negative: the character height, not the cell height
  font.lfWeight = wanted.weight;
  font.lfItalic = wanted.italic;
  font.lfCharSet = wanted.charSet;
  font.lfOutPrecision = wanted.outPrecision;
  font.lfClipPrecision = wanted.clipPrecision;
  font.lfQuality = wanted.quality;
  font.lfPitchAndFamily = wanted.pitchAndFamily;
  const size_t length = std::min(wanted.face.size(), sizeof font.lfFaceName - 1);
  std::copy_n(wanted.face.data(), length, font.lfFaceName);
  return font;
}

}  // namespace

HFONT FontSet::FontFor(const FontSpec* wanted) {
  if (!wanted) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  auto& font = fonts_[wanted];
  if (!font) {
    const LOGFONTA logFont = LogFontOf(*wanted);
    font.reset(CreateFontIndirectA(&logFont));
  }
  return font.get();
}

}  // namespace lumora
