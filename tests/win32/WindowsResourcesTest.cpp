// The program file's resources as Windows reads them. This test program links the same
// resource objects as the program, so its own file carries them.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "resources/Icons.h"
#include "resources/ResourceIds.h"
#include "tests/common/IcoReading.h"

namespace {

std::string ProgramPath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

using lumora::testing::IcoDirectory;
using lumora::testing::IcoImage;
using lumora::testing::ReadLittleEndian;

// The bytes of one of this program's resources; empty when it has none.
std::string_view ResourceBytes(LPCSTR name, LPCSTR type) {
  HRSRC found = FindResourceA(nullptr, name, type);
  if (!found) return {};
  const void* data = LockResource(LoadResource(nullptr, found));
  return {static_cast<const char*>(data), SizeofResource(nullptr, found)};
}

class VersionResource : public ::testing::Test {
 protected:
  void SetUp() override {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(ProgramPath().c_str(), &ignored);
    ASSERT_GT(size, 0u);
    block_.resize(size);
    ASSERT_TRUE(GetFileVersionInfoA(ProgramPath().c_str(), 0, size, block_.data()));
  }

  // The value at subBlock, or empty when there is none.
  std::string_view Value(const char* subBlock) {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block_.data(), subBlock, &value, &length) || !value) return {};
    return {static_cast<const char*>(value), length};
  }

  // A text value up to its terminating zero; "<none>" when there is no such value.
  std::string Text(const char* subBlock) {
    const std::string_view value = Value(subBlock);
    return value.empty() ? "<none>" : std::string(value.data());
  }

 private:
  std::vector<char> block_;
};

TEST_F(VersionResource, TextsAreTheCp936BytesOfTheChineseBlock) {
  // The literals are compiled to CP936 bytes, as the A functions must return them.
  const struct {
    const char* name;
    std::string_view text;
  } cases[] = {
      {"ProductName", "Lumora Pandrel V1.2.1 Beta"},
      {"CompanyName", "Zentrovy"},
      {"FileDescription",
       "适用于安装Windows 7系统的笔记本电脑，自动开启虚拟无线路由功能，让你的移动设备能连接电脑"
       "发射的WiFi。"},
      {"FileVersion", "1.2.1.0"},
      {"ProductVersion", "1.2.1.0"},
  };
  for (const auto& c : cases) {
    const std::string path = std::string("\\StringFileInfo\\080403a8\\") + c.name;
    EXPECT_EQ(Text(path.c_str()), c.text) << c.name;
  }
}

TEST_F(VersionResource, TranslationIsSimplifiedChineseInCodePage936) {
  const std::string_view translation = Value("\\VarFileInfo\\Translation");
  ASSERT_EQ(translation.size(), 4u);
  EXPECT_EQ(ReadLittleEndian(translation, 0, 2), 0x0804u);
  EXPECT_EQ(ReadLittleEndian(translation, 2, 2), 936u);
}

TEST_F(VersionResource, FileAndProductVersionAre1210) {
  const std::string_view fixed = Value("\\");
  ASSERT_EQ(fixed.size(), sizeof(VS_FIXEDFILEINFO));
  const auto* info = reinterpret_cast<const VS_FIXEDFILEINFO*>(fixed.data());
  EXPECT_EQ(info->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(info->dwFileVersionMS, static_cast<DWORD>(MAKELONG(2, 1)));
  EXPECT_EQ(info->dwFileVersionLS, static_cast<DWORD>(MAKELONG(0, 1)));
  EXPECT_EQ(info->dwProductVersionMS, static_cast<DWORD>(MAKELONG(2, 1)));
  EXPECT_EQ(info->dwProductVersionLS, static_cast<DWORD>(MAKELONG(0, 1)));
  EXPECT_EQ(info->dwFileType, static_cast<DWORD>(VFT_APP));
}

BOOL CALLBACK KeepFirstName(HMODULE, LPCSTR, LPSTR name, LONG_PTR first) {
  *reinterpret_cast<LPCSTR*>(first) = name;
  return FALSE;
}

TEST(WindowIcon, IsTheFirstIconGroupSoExplorerShowsIt) {
  LPCSTR first = nullptr;
  EnumResourceNamesA(nullptr, RT_GROUP_ICON, KeepFirstName, reinterpret_cast<LONG_PTR>(&first));
  EXPECT_EQ(first, MAKEINTRESOURCEA(IDI_WINDOW));
}

// GRPICONDIR: an ICO directory whose entries end in a 2-byte RT_ICON id, 14 bytes each.
struct GroupEntry {
  std::uint32_t size, bitCount, id;
};

std::vector<GroupEntry> WindowIconGroup() {
  const std::string_view group = ResourceBytes(MAKEINTRESOURCEA(IDI_WINDOW), RT_GROUP_ICON);
  std::vector<GroupEntry> entries;
  if (group.empty()) return entries;
  for (std::uint32_t i = 0; i < ReadLittleEndian(group, 4, 2); ++i) {
    const std::size_t at = 6 + 14 * i;
    entries.push_back({ReadLittleEndian(group, at, 1), ReadLittleEndian(group, at + 6, 2),
                       ReadLittleEndian(group, at + 12, 2)});
  }
  return entries;
}

TEST(WindowIcon, GroupOffersEachSizeInBothDepths) {
  const std::vector<GroupEntry> entries = WindowIconGroup();
  const struct {
    std::uint32_t size, bitCount;
  } expected[] = {{16, 32}, {24, 32}, {32, 32}, {48, 32}, {16, 8}, {24, 8}, {32, 8}};
  ASSERT_EQ(entries.size(), std::size(expected));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(entries[i].size, expected[i].size) << i;
    EXPECT_EQ(entries[i].bitCount, expected[i].bitCount) << i;
  }
}

// Width and height of an icon's colour bitmap; 0, 0 for no icon.
SIZE IconSize(HICON icon) {
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return {0, 0};
  BITMAP bitmap{};
  GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return {bitmap.bmWidth, bitmap.bmHeight};
}

TEST(WindowIcon, LoadsAtEachSize) {
  for (int size : {16, 24, 32, 48}) {
    HICON icon =
        static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_WINDOW),
                                      IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    const SIZE loaded = IconSize(icon);
    EXPECT_EQ(loaded.cx, size);
    EXPECT_EQ(loaded.cy, size);
    if (icon) DestroyIcon(icon);
  }
}

// Image `index` of the program icon data.
std::string_view ProgramIconImage(std::size_t index) {
  const std::string_view ico = lumora::resources::ProgramIconData();
  return IcoImage(ico, IcoDirectory(ico).at(index));
}

TEST(WindowIcon, Its32PixelTrueColourImageIsTheProgramIcons) {
  for (const GroupEntry& entry : WindowIconGroup()) {
    if (entry.size != 32 || entry.bitCount != 32) continue;
    const std::string_view image = ResourceBytes(MAKEINTRESOURCEA(entry.id), RT_ICON);
    EXPECT_TRUE(image == ProgramIconImage(2));
    return;
  }
  FAIL() << "no 32-pixel 32-bit image in the window icon";
}

// The colour of pixel x, y after drawing the icon at 16 x 16 pixels onto white.
COLORREF DrawnOnWhite(HICON icon, int x, int y) {
  BITMAPINFO format{};
  format.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, -16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP canvas = CreateDIBSection(dc, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(dc, canvas);
  PatBlt(dc, 0, 0, 16, 16, WHITENESS);
  DrawIconEx(dc, 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
  const COLORREF colour = GetPixel(dc, x, y);
  SelectObject(dc, previous);
  DeleteObject(canvas);
  DeleteDC(dc);
  return colour;
}

TEST(ProgramIconData, MakesATransparentBlueBadgeFromIts16PixelImage) {
  const std::string_view image = ProgramIconImage(4);
  // 0x00030000: the icon format version that every Windows since 3.0 expects.
  HICON icon = CreateIconFromResourceEx(reinterpret_cast<PBYTE>(const_cast<char*>(image.data())),
                                        static_cast<DWORD>(image.size()), TRUE, 0x00030000, 16, 16,
                                        LR_DEFAULTCOLOR);
  ASSERT_NE(icon, nullptr);
  const SIZE size = IconSize(icon);
  EXPECT_EQ(size.cx, 16);
  EXPECT_EQ(size.cy, 16);
  const COLORREF corner = DrawnOnWhite(icon, 0, 0);
  const COLORREF badge = DrawnOnWhite(icon, 8, 2);  // above the WiFi sign
  EXPECT_EQ(corner, RGB(255, 255, 255));
  EXPECT_GT(GetBValue(badge), GetRValue(badge) + 100) << std::hex << badge;
  DestroyIcon(icon);
}

TEST(Manifest, AsksForAdministratorCommonControls6AndWindows7) {
  const std::string_view manifest = ResourceBytes(MAKEINTRESOURCEA(1), RT_MANIFEST);
  ASSERT_FALSE(manifest.empty());
  for (const char* needle : {
           R"(<requestedExecutionLevel level="requireAdministrator" uiAccess="false"/>)",
           R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")",
           R"(<supportedOS Id="{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"/>)",
       }) {
    EXPECT_NE(manifest.find(needle), std::string_view::npos) << needle;
  }
}

TEST(Manifest, TakesEffectAtStart) {
  // Only an accepted manifest makes the loader take comctl32 from the side-by-side store.
  HMODULE comctl = LoadLibraryA("comctl32.dll");
  ASSERT_NE(comctl, nullptr);
  char path[MAX_PATH] = {};
  GetModuleFileNameA(comctl, path, MAX_PATH);
  std::string loaded(path);
  std::transform(loaded.begin(), loaded.end(), loaded.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  EXPECT_NE(loaded.find("microsoft.windows.common-controls_6595b64144ccf1df_6."), std::string::npos)
      << path;
  FreeLibrary(comctl);
}

}  // namespace
