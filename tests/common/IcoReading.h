#pragma once

// Reading ICO files and icon resources in tests, shared by the native and the Wine tests.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace lumora::testing {

// A little-endian field of `width` bytes at `at`.
inline std::uint32_t ReadLittleEndian(std::string_view bytes, std::size_t at, int width) {
  std::uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i)
    value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
  return value;
}

struct IcoEntry {
  std::uint32_t width, height, colourCount, reserved, planes, bitCount, bytes, offset;
};

// The directory of an ICO file, in file order.
inline std::vector<IcoEntry> IcoDirectory(std::string_view ico) {
  const auto read = [ico](std::size_t at, int width) { return ReadLittleEndian(ico, at, width); };
  std::vector<IcoEntry> entries;
  for (std::uint32_t i = 0; i < read(4, 2); ++i) {
    const std::size_t at = 6 + 16 * i;
    entries.push_back({read(at, 1), read(at + 1, 1), read(at + 2, 1), read(at + 3, 1),
                       read(at + 4, 2), read(at + 6, 2), read(at + 8, 4), read(at + 12, 4)});
  }
  return entries;
}

// The bytes of one image of an ICO file: its DIB.
inline std::string_view IcoImage(std::string_view ico, const IcoEntry& entry) {
  return ico.substr(entry.offset, entry.bytes);
}

}  // namespace lumora::testing
