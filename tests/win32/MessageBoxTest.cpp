#include <gtest/gtest.h>

#include "platform/win32/Win32System.h"
#include "tests/win32/TestSupport.h"

namespace lumora::testing {
namespace {

using win32::Win32System;

class MessageBoxes : public ::testing::Test {
 protected:
  void SetUp() override {
    window = CreateWindowExA(0, "STATIC", "main", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                             nullptr, nullptr, nullptr);
  }
  void TearDown() override { DestroyWindow(window); }

  Win32System system;
  HWND window = nullptr;
};

TEST_F(MessageBoxes, StylesGiveTheirButtonsAndIcons) {
  struct Case {
    MessageStyle style;
    std::vector<int> buttons;
    LPCSTR icon;
  };
  const Case cases[] = {
      {MessageStyle::Information, {IDOK}, IDI_INFORMATION},
      {MessageStyle::Error, {IDOK}, IDI_ERROR},
      {MessageStyle::YesNo, {IDYES, IDNO}, nullptr},
  };
  for (const Case& c : cases) {
    MessageBoxCatcher catcher({}, window);
    system.ShowMessageBox("消息", c.style, "标题");
    ASSERT_EQ(catcher.boxes().size(), 1u);
    const CaughtBox& box = catcher.boxes()[0];
    EXPECT_EQ(box.buttons, c.buttons);
    EXPECT_EQ(box.icon, c.icon ? LoadIconA(nullptr, c.icon) : nullptr);
    EXPECT_EQ(box.caption, "标题");
    EXPECT_EQ(box.text, "消息");
    EXPECT_TRUE(box.ownerlessAndOthersDisabled) << "not task-modal";
  }
}

TEST_F(MessageBoxes, ReturnsTheButtonPressed) {
  const std::pair<int, Button> cases[] = {{IDYES, Button::Yes}, {IDNO, Button::No}};
  for (const auto& [press, answer] : cases) {
    MessageBoxCatcher catcher({press});
    EXPECT_EQ(system.ShowMessageBox("?", MessageStyle::YesNo, "q"), answer);
  }
  MessageBoxCatcher catcher;
  EXPECT_EQ(system.ShowMessageBox("!", MessageStyle::Information, "i"), Button::Ok);
}

TEST_F(MessageBoxes, EmptyTitleGivesEmptyCaption) {
  MessageBoxCatcher catcher;
  system.ShowMessageBox("关闭WIFI共享成功", MessageStyle::Information, "");
  ASSERT_EQ(catcher.boxes().size(), 1u);
  EXPECT_EQ(catcher.boxes()[0].caption, "");
  EXPECT_EQ(catcher.boxes()[0].text, "关闭WIFI共享成功");
}

}  // namespace
}  // namespace lumora::testing
