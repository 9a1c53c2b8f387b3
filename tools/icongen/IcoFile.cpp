#include "tools/icongen/IcoFile.h"

#include <cstdint>
#include <functional>

#include "tools/icongen/Palette.h"

namespace lumora::icongen {
namespace {

constexpr std::size_t kFileHeaderBytes = 6;
constexpr std::size_t kEntryBytes = 16;
constexpr std::uint32_t kBitmapHeaderBytes = 40;

void Put(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

int PaddedRowBytes(int bits) {
  return (bits + 31) / 32 * 4;
}

std::string BitmapHeader(int size, int bitsPerPixel) {
  std::string header;
  Put(header, kBitmapHeaderBytes, 4);
  Put(header, size, 4);
  Put(header, 2 * size, 4);  // the colour rows and the mask rows
  Put(header, 1, 2);         // planes
  Put(header, bitsPerPixel, 2);
  Put(header, 0, 4);  // BI_RGB
  for (int field = 0; field < 5; ++field) Put(header, 0, 4);
  return header;
}

// Bit set: the screen shows through.
std::string AndMask(int size, const std::function<bool(int x, int y)>& transparentAt) {
  std::string rows;
  for (int y = size - 1; y >= 0; --y) {
    std::string row(PaddedRowBytes(size), '\0');
    for (int x = 0; x < size; ++x)
      if (transparentAt(x, y)) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
    rows += row;
  }
  return rows;
}

std::string TrueColourDib(const Image& image) {
  std::string dib = BitmapHeader(image.size, 32);
  for (int y = image.size - 1; y >= 0; --y) {
    for (int x = 0; x < image.size; ++x) {
      const Rgba& pixel = image.At(x, y);
      dib += {static_cast<char>(pixel.b), static_cast<char>(pixel.g), static_cast<char>(pixel.r),
              static_cast<char>(pixel.a)};
    }
  }
  return dib + AndMask(image.size, [&](int x, int y) { return image.At(x, y).a == 0; });
}

std::string PaletteDib(const Image& image) {
  const IndexedImage indexed = ReduceTo256Colours(image);
  const int size = indexed.size;
  std::string dib = BitmapHeader(size, 8);
  for (const Rgba& entry : indexed.palette)
    dib +=
        {static_cast<char>(entry.b), static_cast<char>(entry.g), static_cast<char>(entry.r), '\0'};
  for (int y = size - 1; y >= 0; --y) {
    std::string row(PaddedRowBytes(8 * size), '\0');
    for (int x = 0; x < size; ++x) row[x] = static_cast<char>(indexed.indices[y * size + x]);
    dib += row;
  }
  return dib + AndMask(size, [&](int x, int y) { return indexed.transparent[y * size + x]; });
}

}  // namespace

std::string EncodeIco(const std::vector<IconImage>& images) {
  std::string directory;
  Put(directory, 0, 2);  // reserved
  Put(directory, 1, 2);  // icon
  Put(directory, static_cast<std::uint32_t>(images.size()), 2);
  std::string bodies;
  const std::size_t firstOffset = kFileHeaderBytes + kEntryBytes * images.size();
  for (const IconImage& icon : images) {
    const std::string dib =
        icon.bitsPerPixel == 8 ? PaletteDib(icon.image) : TrueColourDib(icon.image);
    Put(directory, icon.image.size % 256, 1);  // 0 stands for 256
    Put(directory, icon.image.size % 256, 1);
    Put(directory, 0, 1);  // colour count: 0 for 256 colours and more
    Put(directory, 0, 1);  // reserved
    Put(directory, 1, 2);  // planes
    Put(directory, icon.bitsPerPixel, 2);
    Put(directory, static_cast<std::uint32_t>(dib.size()), 4);
    Put(directory, static_cast<std::uint32_t>(firstOffset + bodies.size()), 4);
    bodies += dib;
  }
  return directory + bodies;
}

}  // namespace lumora::icongen
