// Reading and writing the texts of the main window's boxes as the sharing procedures do.
#include <gtest/gtest.h>

#include "tests/win32/MainWindowFixture.h"

namespace lumora::testing {
namespace {

TEST_F(MainWindowTest, TemplateBoxGivesItsTextWithItsLineEnd) {
  EXPECT_EQ(window->ControlText("输入账号密码1"),
            "netsh wlan set hostednetwork mode=allow\r\nnetsh wlan set hostednetwork ssid=");
}

TEST_F(MainWindowTest, TextsComeBackByteForByte) {
  const std::string threeLines =
      "netsh wlan set hostednetwork mode=allow\r\n"
      "netsh wlan set hostednetwork ssid=\"热点\" key=\"12345678\"\r\n"
      "netsh wlan start hostednetwork";
  std::string longText;
  while (longText.size() < 40000) longText += "共享 WIFI\r\n";
  const std::pair<const char*, std::string> cases[] = {
      {"编辑框3", threeLines},  // the multi-line box
      {"编辑框4", threeLines},  // a hidden single-line box
      {"编辑框1", threeLines},  // a visible single-line box
      {"编辑框2", threeLines},  // the password box
      {"编辑框5", longText},    // beyond an edit box's default limit
      {"编辑框4", ""},
  };
  for (const auto& [box, text] : cases) {
    window->SetControlText(box, text);
    EXPECT_EQ(window->ControlText(box), text) << box << ", " << text.size() << " bytes";
  }
}

TEST_F(MainWindowTest, PasswordBoxGivesWhatWasTyped) {
  const HWND box = Control("编辑框2");
  SetFocus(box);
  for (const wchar_t typed : std::wstring(L"pass 中文!")) SendMessageW(box, WM_CHAR, typed, 1);
  EXPECT_EQ(window->ControlText("编辑框2"), "pass 中文!");
  EXPECT_EQ(SendMessageA(box, EM_GETPASSWORDCHAR, 0, 0), '*');
}

TEST_F(MainWindowTest, UnknownNamesGiveNothingAndChangeNothing) {
  window->SetControlText("编辑框99", "x");
  EXPECT_EQ(window->ControlText("编辑框99"), "");
  EXPECT_EQ(window->ComboSelection("组合框9"), -1);
  EXPECT_EQ(window->ComboItemText("组合框9", 0), "");
}

TEST_F(MainWindowTest, NoticeIsNotShownWithoutANoticeIcon) {
  EXPECT_FALSE(window->ShowBalloonNotice("托盘图标1", "标题", "文字", BalloonIcon::Information, 0));
}

}  // namespace
}  // namespace lumora::testing
