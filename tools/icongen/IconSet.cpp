#include "tools/icongen/IconSet.h"

#include "tools/icongen/Artwork.h"
#include "tools/icongen/IcoFile.h"
#include "tools/icongen/Render.h"

namespace lumora::icongen {

std::string ProgramIconFile() {
  std::vector<IconImage> images;
  for (int size : {128, 48, 32, 24, 16}) images.push_back({Render(WifiBadge(), size), 32});
  return EncodeIco(images);
}

std::string WindowIconFile() {
  // Its 32-pixel true-colour image is the badge, byte for byte as in the program icon.
  const Picture laptop = WifiLaptop();
  return EncodeIco({{Render(laptop, 16), 32},
                    {Render(laptop, 24), 32},
                    {Render(WifiBadge(), 32), 32},
                    {Render(laptop, 48), 32},
                    {Render(laptop, 16), 8},
                    {Render(laptop, 24), 8},
                    {Render(laptop, 32), 8}});
}

}  // namespace lumora::icongen
