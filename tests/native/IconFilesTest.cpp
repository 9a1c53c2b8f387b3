// The committed icon files: their ICO structure, the image they share, and that the
// generator in tools/icongen still draws them byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "resources/Icons.h"
#include "tests/common/IcoReading.h"
#include "tools/icongen/IconSet.h"

namespace {

std::string ReadSourceFile(const std::string& relativePath) {
  std::ifstream file(std::string(LUMORA_SOURCE_DIR) + "/" + relativePath, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

const std::string& ProgramIconFile() {
  static const std::string bytes = ReadSourceFile("resources/icons/program.ico");
  return bytes;
}

const std::string& WindowIconFile() {
  static const std::string bytes = ReadSourceFile("resources/icons/window.ico");
  return bytes;
}

using lumora::testing::IcoDirectory;
using lumora::testing::IcoEntry;
using lumora::testing::IcoImage;
using lumora::testing::ReadLittleEndian;

// One pixel of an icon image as the screen would get it: its colour, its alpha (a
// palette image has none), and whether the AND mask lets the background through.
struct Pixel {
  std::uint32_t r, g, b, a;
  bool masked;
};

Pixel PixelAt(std::string_view dib, const IcoEntry& entry, std::uint32_t x, std::uint32_t y) {
  const auto byte = [dib](std::size_t at) { return ReadLittleEndian(dib, at, 1); };
  const std::uint32_t size = entry.width, row = size - 1 - y;  // rows are stored bottom up
  const std::uint32_t paletteBytes = entry.bitCount == 8 ? 1024 : 0;
  const std::uint32_t colourRowBytes = (size * entry.bitCount + 31) / 32 * 4;
  const std::uint32_t maskRowBytes = (size + 31) / 32 * 4;
  const std::size_t maskAt = 40 + paletteBytes + colourRowBytes * size + maskRowBytes * row;
  const bool masked = (byte(maskAt + x / 8) & (0x80 >> (x % 8))) != 0;
  const std::size_t colourAt = 40 + paletteBytes + colourRowBytes * row + entry.bitCount / 8 * x;
  if (entry.bitCount == 32)
    return {byte(colourAt + 2), byte(colourAt + 1), byte(colourAt), byte(colourAt + 3), masked};
  const std::size_t paletteAt = 40 + 4 * byte(colourAt);
  return {byte(paletteAt + 2), byte(paletteAt + 1), byte(paletteAt), 255, masked};
}

// The largest difference of one channel.
std::uint32_t ColourDistance(const Pixel& p, const Pixel& q) {
  const auto apart = [](std::uint32_t u, std::uint32_t v) { return u > v ? u - v : v - u; };
  return std::max({apart(p.r, q.r), apart(p.g, q.g), apart(p.b, q.b)});
}

struct ExpectedImage {
  std::uint32_t size, bitCount, bytes;
};

struct IconFileCase {
  const char* name;
  const std::string& file;
  std::vector<ExpectedImage> images;
  std::size_t fileBytes;
};

std::vector<IconFileCase> IconFileCases() {
  return {
      {"program.ico",
       ProgramIconFile(),
       {{128, 32, 67624}, {48, 32, 9640}, {32, 32, 4264}, {24, 32, 2440}, {16, 32, 1128}},
       85182},
      {"window.ico",
       WindowIconFile(),
       {{16, 32, 1128},
        {24, 32, 2440},
        {32, 32, 4264},
        {48, 32, 9640},
        {16, 8, 1384},
        {24, 8, 1736},
        {32, 8, 2216}},
       22926},
  };
}

std::string ImageLabel(const char* file, const IcoEntry& entry) {
  return std::string(file) + " " + std::to_string(entry.width) + " px " +
         std::to_string(entry.bitCount) + " bits";
}

TEST(IconFiles, DirectoryListsTheImagesBackToBack) {
  for (const IconFileCase& c : IconFileCases()) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(c.file.size(), c.fileBytes);
    EXPECT_EQ(ReadLittleEndian(c.file, 0, 2), 0u);  // reserved
    EXPECT_EQ(ReadLittleEndian(c.file, 2, 2), 1u);  // an icon, not a cursor
    const std::vector<IcoEntry> entries = IcoDirectory(c.file);
    ASSERT_EQ(entries.size(), c.images.size());
    std::uint32_t nextOffset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
      SCOPED_TRACE(i);
      const IcoEntry& entry = entries[i];
      EXPECT_EQ(entry.width, c.images[i].size);
      EXPECT_EQ(entry.height, c.images[i].size);
      EXPECT_EQ(entry.colourCount, 0u);
      EXPECT_EQ(entry.reserved, 0u);
      EXPECT_EQ(entry.planes, 1u);
      EXPECT_EQ(entry.bitCount, c.images[i].bitCount);
      EXPECT_EQ(entry.bytes, c.images[i].bytes);
      EXPECT_EQ(entry.offset, nextOffset);
      nextOffset = entry.offset + entry.bytes;
    }
    EXPECT_EQ(nextOffset, c.file.size());
  }
}

TEST(IconFiles, ImagesAreUncompressedDibsOfTheirEntry) {
  for (const IconFileCase& c : IconFileCases()) {
    for (const IcoEntry& entry : IcoDirectory(c.file)) {
      SCOPED_TRACE(ImageLabel(c.name, entry));
      const std::string_view dib = IcoImage(c.file, entry);
      EXPECT_EQ(ReadLittleEndian(dib, 0, 4), 40u);  // BITMAPINFOHEADER
      EXPECT_EQ(ReadLittleEndian(dib, 4, 4), entry.width);
      EXPECT_EQ(ReadLittleEndian(dib, 8, 4), 2 * entry.height);  // colour rows and mask rows
      EXPECT_EQ(ReadLittleEndian(dib, 12, 2), 1u);
      EXPECT_EQ(ReadLittleEndian(dib, 14, 2), entry.bitCount);
      EXPECT_EQ(ReadLittleEndian(dib, 16, 4), 0u);  // BI_RGB
    }
  }
}

// Where the mask shows the background, the colour must add nothing to it: alpha 0 in a
// true-colour image, black in a palette image (it is XORed onto the screen).
TEST(IconFiles, MaskedPixelsAreExactlyTheInvisibleOnes) {
  for (const IconFileCase& c : IconFileCases()) {
    for (const IcoEntry& entry : IcoDirectory(c.file)) {
      SCOPED_TRACE(ImageLabel(c.name, entry));
      int masked = 0, seeThrough = 0, opaque = 0;
      for (std::uint32_t y = 0; y < entry.height; ++y) {
        for (std::uint32_t x = 0; x < entry.width; ++x) {
          const Pixel p = PixelAt(IcoImage(c.file, entry), entry, x, y);
          if (entry.bitCount == 32) {
            EXPECT_EQ(p.masked, p.a == 0) << x << "," << y;
          }
          if (p.masked) {
            EXPECT_EQ(p.r + p.g + p.b, 0u) << x << "," << y;
          }
          masked += p.masked;
          seeThrough += p.a > 0 && p.a < 255;
          opaque += p.a == 255 && !p.masked;
        }
      }
      // A picture with a transparent surround and smoothed edges.
      EXPECT_GT(masked, 0);
      EXPECT_GT(opaque, 0);
      if (entry.bitCount == 32) {
        EXPECT_GT(seeThrough, 0);
      }
    }
  }
}

TEST(IconFiles, PaletteImagesShowTheTrueColourPicture) {
  const std::vector<IcoEntry> entries = IcoDirectory(WindowIconFile());
  // The laptop at 16 and 24 pixels, in both depths.
  const struct { std::size_t trueColour, palette; } pairs[] = {{0, 4}, {1, 5}};
  for (const auto& pair : pairs) {
    const IcoEntry& full = entries[pair.trueColour];
    const IcoEntry& reduced = entries[pair.palette];
    SCOPED_TRACE(full.width);
    ASSERT_EQ(full.width, reduced.width);
    for (std::uint32_t y = 0; y < full.height; ++y) {
      for (std::uint32_t x = 0; x < full.width; ++x) {
        const Pixel a = PixelAt(IcoImage(WindowIconFile(), full), full, x, y);
        const Pixel b = PixelAt(IcoImage(WindowIconFile(), reduced), reduced, x, y);
        EXPECT_EQ(b.masked, a.a < 128) << x << "," << y;
        if (b.masked) continue;
        EXPECT_LE(ColourDistance(a, b), 24u) << x << "," << y;
      }
    }
  }
}

TEST(IconFiles, WindowIconSharesOnlyItsTrueColour32PixelImageWithTheProgramIcon) {
  const std::vector<IcoEntry> program = IcoDirectory(ProgramIconFile());
  const std::vector<IcoEntry> window = IcoDirectory(WindowIconFile());
  const struct {
    std::size_t programIndex, windowIndex;
    bool same;
  } cases[] = {{2, 2, true}, {4, 0, false}, {3, 1, false}, {1, 3, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(program[c.programIndex].width);
    ASSERT_EQ(program[c.programIndex].width, window[c.windowIndex].width);
    ASSERT_EQ(program[c.programIndex].bitCount, window[c.windowIndex].bitCount);
    EXPECT_EQ(IcoImage(ProgramIconFile(), program[c.programIndex]) ==
                  IcoImage(WindowIconFile(), window[c.windowIndex]),
              c.same);
  }
}

// Compared as a whole: a failure should not print 85,182 bytes.
TEST(IconFiles, ProgramEmbedsTheProgramIconFile) {
  EXPECT_TRUE(lumora::resources::ProgramIconData() == ProgramIconFile());
}

// After a change of the artwork: cmake --build <native tree> --target icons.
TEST(IconFiles, GeneratorDrawsTheCommittedFiles) {
  EXPECT_TRUE(lumora::icongen::ProgramIconFile() == ProgramIconFile());
  EXPECT_TRUE(lumora::icongen::WindowIconFile() == WindowIconFile());
}

}  // namespace
