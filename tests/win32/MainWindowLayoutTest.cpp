// The main window as built: its frame, its controls with their classes, styles, places,
// texts and fonts, their stacking, colours and cursors.
#include <gtest/gtest.h>

#include "resources/Templates.h"
#include "tests/win32/MainWindowFixture.h"

namespace lumora::testing {
namespace {

TEST_F(MainWindowTest, WindowHasItsTitleFrameAndPlace) {
  const HWND main = window->handle();
  char title[128] = {};
  GetWindowTextA(main, title, sizeof title);
  EXPECT_EQ(std::string(title), "Lumora Pandrel V1.2 Beta   By Zentrovy");

  const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(main, GWL_STYLE));
  const std::pair<DWORD, bool> styles[] = {
      {WS_CAPTION, true},      {WS_SYSMENU, true},      {WS_MINIMIZEBOX, true},
      {WS_CLIPCHILDREN, true}, {WS_MAXIMIZEBOX, false}, {WS_THICKFRAME, false},
      {WS_POPUP, false},       {WS_CHILD, false},
  };
  for (const auto& [flag, set] : styles)
    EXPECT_EQ((style & flag) == flag, set) << std::hex << "style bit 0x" << flag;
  const DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrA(main, GWL_EXSTYLE));
  EXPECT_FALSE(exStyle & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW));
  EXPECT_EQ(GetMenu(main), nullptr) << "a menu bar";
  EXPECT_EQ(GetWindow(main, GW_OWNER), nullptr);
  EXPECT_EQ(GetClassLongPtrA(main, GCLP_HBRBACKGROUND), COLOR_BTNFACE + 1);

  RECT frame;
  GetWindowRect(main, &frame);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_EQ(frame.left, (screenWidth - 580) / 2);
  EXPECT_EQ(frame.top, (screenHeight - 342) / 2);
  if (screenWidth == 1024 && screenHeight == 768) {
    EXPECT_EQ(frame.left, 222);
    EXPECT_EQ(frame.top, 213);
  }
  EXPECT_EQ(frame.right - frame.left, 580);
  EXPECT_EQ(frame.bottom - frame.top, 342);

  // The client area is the window less a fixed frame and the caption, nothing else.
  RECT client;
  GetClientRect(main, &client);
  MapWindowPoints(main, nullptr, reinterpret_cast<POINT*>(&client), 2);
  AdjustWindowRectEx(&client, style, FALSE, exStyle);
  EXPECT_EQ(client.left, frame.left);
  EXPECT_EQ(client.top, frame.top);
  EXPECT_EQ(client.right, frame.right);
  EXPECT_EQ(client.bottom, frame.bottom);
}

struct ExpectedControl {
  const char* name;
  const char* windowClass;
  int left, top, width, height;
  bool visible;
  bool tabStop;
  DWORD kindStyle;  // the low word of the style, which the window class defines
  DWORD exStyle;
  std::string text;
  const char* face;  // null: the system's default GUI font
  int fontHeight;
};

constexpr DWORD kLineBox = ES_LEFT | ES_AUTOHSCROLL;
constexpr DWORD kSunken = WS_EX_CLIENTEDGE;
constexpr DWORD kPushButton = BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;
constexpr const char* kYahei = "微软雅黑";
constexpr const char* kGuiFont = nullptr;
constexpr const char* kKeepsNoFont = "-";   // windows that show no text
constexpr const char* kSystemsChoice = "";  // no face: the system's choice

std::vector<ExpectedControl> ExpectedControls() {
  using namespace resources;
  // clang-format off
  return {
    {"托盘图标1", "LumoraTrayIcon", -8, 328, 26, 26, false, false, 0, 0, "", kKeepsNoFont, 0},
    {"按钮2", "Button", 328, 187, 96, 25, true, true, kPushButton, 0, "停止共享", kYahei, 16},
    {"标签11", "LumoraLabel", 494, 317, 168, 16, true, false, 0, 0, "", kGuiFont, 0},
    {"标签10", "LumoraLabel", 634, 71, 38, 264, true, false, 0, 0, "", kGuiFont, 0},
    {"标签9", "LumoraLabel", 436, 68, 20, 264, true, false, 0, 0, "", kGuiFont, 0},
    {"标签7", "LumoraLabel", 430, 55, 184, 24, true, false, 0, 0, "", kGuiFont, 0},
    {"超文本浏览框3", "LumoraWebPane", 442, 60, 168, 291, true, true, 0, 0, "", kKeepsNoFont, 0},
    {"超文本浏览框2", "LumoraWebPane", -48, -18, 784, 73, true, true, 0, 0, "", kKeepsNoFont, 0},
    {"组合框1", "ComboBox", 224, 147, 200, 160, true, true, CBS_DROPDOWNLIST | CBS_AUTOHSCROLL, 0, "", kYahei, 14},
    {"超文本浏览框1", "LumoraWebPane", 392, 384, 16, 8, false, true, 0, 0, "", kKeepsNoFont, 0},
    {"人工求助", "Button", 224, 218, 200, 25, true, true, kPushButton, 0, "或者点此人工求助", kYahei, 16},
    {"标签8", "LumoraLabel", 45, 268, 272, 16, true, false, 0, 0, "4、如果暂时没有设置成功，请等半分钟后再试一次", kGuiFont, 0},
    {"标签6", "LumoraLabel", 45, 251, 288, 16, true, false, 0, 0, "3、为了避免设置失败，请允许程序通过防火墙的拦截", kGuiFont, 0},
    {"标签2", "LumoraLabel", 46, 197, 64, 16, true, false, 0, 0, "使用帮助：", kSystemsChoice, 14},
    {"标签5", "LumoraLabel", 45, 233, 152, 16, true, false, 0, 0, "2、密码至少是8位以上字符", kGuiFont, 0},
    {"标签4", "LumoraLabel", 45, 213, 184, 24, true, false, 0, 0, "1、WiFi热点名和密码请自行设置", kGuiFont, 0},
    {"标签3", "LumoraLabel", 35, 165, 168, 22, true, false, 0, 0, "（不用拨号的请选择本地连接）", kGuiFont, 0},
    {"编辑框7", "Edit", 280, 424, 96, 56, false, true, kLineBox, kSunken, std::string(ShareLineTail()), kGuiFont, 0},
    {"编辑框6", "Edit", 152, 424, 104, 48, false, true, kLineBox, kSunken, std::string(ShareLineHead()), kGuiFont, 0},
    {"编辑框5", "Edit", 400, 416, 144, 64, false, true, kLineBox, kSunken, std::string(ConnectionSharingScript()), kGuiFont, 0},
    {"标签1", "LumoraLabel", 43, 139, 168, 32, true, false, 0, 0, "你拨号的宽带连接名称：", kYahei, 15},
    {"编辑框4", "Edit", 720, 360, 200, 16, false, true, kLineBox, kSunken, "", kYahei, 15},
    {"超级链接框1", "LumoraHyperlink", 52, 285, 364, 22, true, false, 0, 0, "Copyright (C) 2013 Zentrovy  QQ: 1738205946", "Franklin Gothic Medium", 16},
    {"编辑框3", "Edit", 8, 424, 120, 48, false, true, ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, kSunken, "", kGuiFont, 0},
    {"输入账号密码2", "Edit", 712, 216, 64, 24, false, true, kLineBox, kSunken, " key=", kGuiFont, 0},
    {"输入账号密码3", "Edit", 720, 264, 72, 24, false, true, kLineBox, kSunken, "netsh wlan start hostednetwork", kGuiFont, 0},
    {"隐藏运行框", "Edit", 568, 408, 200, 48, false, true, kLineBox, kSunken, std::string(HiddenLauncher()), kGuiFont, 0},
    {"输入账号密码1", "Edit", 768, 320, 56, 24, false, true, kLineBox, kSunken, std::string(HostedNetworkHead()), kGuiFont, 0},
    {"按钮1", "Button", 224, 187, 96, 25, true, true, kPushButton, 0, "开始共享", kYahei, 16},
    {"编辑框2", "Edit", 135, 108, 288, 32, true, true, kLineBox | ES_PASSWORD, kSunken, "", kYahei, 19},
    {"编辑框1", "Edit", 135, 68, 288, 32, true, true, kLineBox, kSunken, "", kYahei, 19},
    {"密码", "LumoraLabel", 39, 108, 88, 32, true, false, 0, 0, "WiFi  密码 ：", kYahei, 14},
    {"SSID", "LumoraLabel", 39, 68, 80, 32, true, false, 0, 0, "WiFi热点名：", kYahei, 14},
  };
  // clang-format on
}

TEST_F(MainWindowTest, ControlsAreAsDefinedInStackingOrder) {
  const std::vector<ExpectedControl> expected = ExpectedControls();
  HWND control = GetWindow(window->handle(), GW_CHILD);
  for (const ExpectedControl& c : expected) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(control, Control(c.name)) << "not next in stacking order";
    control = GetWindow(control, GW_HWNDNEXT);

    char windowClass[64] = {};
    GetClassNameA(Control(c.name), windowClass, sizeof windowClass);
    EXPECT_STREQ(windowClass, c.windowClass);

    RECT place;
    GetWindowRect(Control(c.name), &place);
    MapWindowPoints(nullptr, window->handle(), reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, c.left);
    EXPECT_EQ(place.top, c.top);
    EXPECT_EQ(place.right - place.left, c.width);
    // A combo box keeps the height it was created with as the extent of its open list.
    const CREATESTRUCTA& created = creations[Control(c.name)];
    EXPECT_EQ(created.cy, c.height);
    if (c.windowClass != std::string("ComboBox")) {
      EXPECT_EQ(place.bottom - place.top, c.height);
    }

    const DWORD style = static_cast<DWORD>(created.style);
    EXPECT_EQ(style & 0xFFFF, c.kindStyle) << std::hex << "kind style 0x" << (style & 0xFFFF);
    EXPECT_EQ((style & WS_TABSTOP) != 0, c.tabStop);
    EXPECT_TRUE(style & WS_CLIPSIBLINGS);
    EXPECT_FALSE(style & WS_DISABLED);
    EXPECT_FALSE(style & WS_VISIBLE) << "shown before it was stacked";
    EXPECT_EQ(IsWindowVisible(Control(c.name)) != FALSE, c.visible);
    EXPECT_EQ(created.dwExStyle & WS_EX_CLIENTEDGE, c.exStyle);

    EXPECT_EQ(window->ControlText(c.name), c.text);

    const auto font = reinterpret_cast<HFONT>(SendMessageA(Control(c.name), WM_GETFONT, 0, 0));
    if (c.face == kKeepsNoFont) {
      EXPECT_EQ(font, nullptr);
    } else if (!c.face) {
      EXPECT_EQ(font, GetStockObject(DEFAULT_GUI_FONT));
    } else {
      LOGFONTA logFont{};
      ASSERT_TRUE(GetObjectA(font, sizeof logFont, &logFont));
      EXPECT_STREQ(logFont.lfFaceName, c.face);
      EXPECT_EQ(logFont.lfHeight, -c.fontHeight);
    }
  }
  EXPECT_EQ(control, nullptr) << "more controls than defined";
}

TEST_F(MainWindowTest, FontsCarryAllTheirFields) {
  struct Font {
    const char* usedBy;
    LONG weight;
    BYTE italic, charSet, outPrecision, clipPrecision, quality, pitchAndFamily;
  };
  const Font fonts[] = {
      {"编辑框1", 400, 0, 134, 3, 2, 1, 0x22},    // A
      {"按钮1", 400, 0, 134, 3, 2, 1, 0x22},      // B
      {"标签1", 400, 0, 134, 3, 2, 1, 0x22},      // C
      {"组合框1", 400, 0, 134, 3, 2, 1, 0x22},    // D
      {"标签2", 700, 0, 134, 0, 0, 0, 0},         // E
      {"超级链接框1", 400, 1, 0, 3, 2, 1, 0x22},  // F
  };
  for (const Font& f : fonts) {
    SCOPED_TRACE(f.usedBy);
    LOGFONTA font{};
    ASSERT_TRUE(
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(Control(f.usedBy), WM_GETFONT, 0, 0)),
                   sizeof font, &font));
    EXPECT_EQ(font.lfWeight, f.weight);
    EXPECT_EQ(font.lfItalic, f.italic);
    EXPECT_EQ(font.lfCharSet, f.charSet);
    EXPECT_EQ(font.lfOutPrecision, f.outPrecision);
    EXPECT_EQ(font.lfClipPrecision, f.clipPrecision);
    EXPECT_EQ(font.lfQuality, f.quality);
    EXPECT_EQ(font.lfPitchAndFamily, f.pitchAndFamily);
  }
  // Controls sharing a font share one font object.
  EXPECT_EQ(SendMessageA(Control("按钮1"), WM_GETFONT, 0, 0),
            SendMessageA(Control("人工求助"), WM_GETFONT, 0, 0));
}

TEST_F(MainWindowTest, BoxesHaveNoLengthLimitAndThePasswordBoxMasks) {
  for (const char* box : {"编辑框1", "编辑框3", "编辑框5"})
    EXPECT_GT(SendMessageA(Control(box), EM_GETLIMITTEXT, 0, 0), 30000) << box;
  EXPECT_EQ(SendMessageA(Control("编辑框2"), EM_GETPASSWORDCHAR, 0, 0), '*');
  EXPECT_EQ(SendMessageA(Control("编辑框1"), EM_GETPASSWORDCHAR, 0, 0), 0);
}

TEST_F(MainWindowTest, ComboBoxOffersTheLocalConnectionWithNothingSelected) {
  const HWND combo = Control("组合框1");
  EXPECT_EQ(window->ComboSelection("组合框1"), -1);
  EXPECT_EQ(window->ControlText("组合框1"), "") << "the selection field shows something";
  EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 1);
  const std::pair<int, std::string> items[] = {{0, "本地连接"}, {-1, ""}, {1, ""}, {99, ""}};
  for (const auto& [index, text] : items)
    EXPECT_EQ(window->ComboItemText("组合框1", index), text) << "item " << index;

  EXPECT_TRUE(creations[combo].style & WS_VSCROLL) << "its list scrolls";
  EXPECT_FALSE(GetWindowLongPtrA(combo, GWL_STYLE) & CBS_SORT);
}

TEST_F(MainWindowTest, LabelsAndHyperlinkPaintInTheirColours) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const COLORREF red = RGB(255, 0, 0);
  const COLORREF black = RGB(0, 0, 0);
  struct Case {
    const char* control;
    std::set<COLORREF> present;
    std::set<COLORREF> absent;
  };
  const Case cases[] = {
      {"标签2", {face, red}, {black}},
      {"标签4", {face, red}, {black}},
      {"标签5", {face, red}, {black}},
      {"标签6", {face, red}, {black}},
      {"标签8", {face, red}, {black}},
      {"标签1", {face, black}, {red}},
      {"标签3", {face, black}, {red}},
      {"SSID", {face, black}, {red}},
      {"密码", {face, black}, {red}},
      {"超级链接框1", {face, RGB(0, 0, 128)}, {RGB(51, 153, 255), RGB(128, 0, 0)}},
  };
  for (const Case& c : cases) {
    const std::set<COLORREF> painted = PaintedColours(Control(c.control));
    for (const COLORREF colour : c.present)
      EXPECT_TRUE(painted.count(colour)) << c.control << " lacks " << std::hex << colour;
    for (const COLORREF colour : c.absent)
      EXPECT_FALSE(painted.count(colour)) << c.control << " has " << std::hex << colour;
  }
  for (const char* cover : {"标签7", "标签9", "标签10", "标签11"})
    EXPECT_EQ(PaintedColours(Control(cover)), std::set<COLORREF>{face}) << cover;
}

TEST_F(MainWindowTest, HyperlinkTakesItsHoverColourWhileTheMouseIsOverIt) {
  const HWND link = Control("超级链接框1");
  const COLORREF normal = RGB(0, 0, 128);
  const COLORREF hover = RGB(51, 153, 255);
  SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(GetCapture(), link) << "it would not learn that the mouse left";
  std::set<COLORREF> painted = PaintedColours(link);
  EXPECT_TRUE(painted.count(hover));
  EXPECT_FALSE(painted.count(normal));

  SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(-5, 10));
  EXPECT_NE(GetCapture(), link);
  painted = PaintedColours(link);
  EXPECT_TRUE(painted.count(normal));
  EXPECT_FALSE(painted.count(hover));
}

TEST_F(MainWindowTest, CursorIsTheHandOverTheControlsThatSayHand) {
  const std::pair<const char*, LPCSTR> cases[] = {
      {"按钮1", IDC_HAND},         {"人工求助", IDC_HAND}, {"超级链接框1", IDC_HAND},
      {"超文本浏览框2", IDC_HAND}, {"按钮2", IDC_ARROW},   {"编辑框1", IDC_ARROW},
      {"组合框1", IDC_ARROW},      {"标签1", IDC_ARROW},   {"超文本浏览框3", IDC_ARROW},
  };
  for (const auto& [control, cursor] : cases) {
    SetCursor(nullptr);
    SendMessageA(window->handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Control(control)),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, cursor)) << control;
  }
}

}  // namespace
}  // namespace lumora::testing
