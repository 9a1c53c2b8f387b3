// Keyboard and mouse on the main window: Tab order, Esc, Enter, the close request and
// the clicked events.
#include <gtest/gtest.h>

#include "platform/win32/MessagePump.h"
#include "tests/win32/MainWindowFixture.h"

namespace lumora::testing {
namespace {

const std::vector<std::string> kTabOrder = {"编辑框1", "编辑框2",       "按钮1",         "人工求助",
                                            "组合框1", "超文本浏览框2", "超文本浏览框3", "按钮2"};

TEST_F(MainWindowTest, TabWalksTheControlsInCreationOrderAndWraps) {
  SetFocus(Control("按钮2"));
  std::vector<std::string> visited;
  for (std::size_t i = 0; i < kTabOrder.size(); ++i) {
    PressKey(VK_TAB);
    visited.push_back(NameOf(GetFocus()));
  }
  EXPECT_EQ(visited, kTabOrder);
}

TEST_F(MainWindowTest, ShiftTabWalksBackwardAndWraps) {
  SetFocus(Control("编辑框1"));
  std::vector<std::string> visited;
  for (std::size_t i = 0; i < kTabOrder.size(); ++i) {
    PressKey(VK_TAB, {VK_SHIFT});
    visited.push_back(NameOf(GetFocus()));
  }
  EXPECT_EQ(visited, std::vector<std::string>(kTabOrder.rbegin(), kTabOrder.rend()));
}

TEST_F(MainWindowTest, TabFromOutsideTheOrderGoesToAnEnd) {
  const std::pair<std::vector<UINT>, std::string> cases[] = {{{}, "编辑框1"},
                                                             {{VK_SHIFT}, "按钮2"}};
  for (const auto& [modifiers, expected] : cases) {
    SetFocus(window->handle());
    PressKey(VK_TAB, modifiers);
    EXPECT_EQ(NameOf(GetFocus()), expected);
  }
}

TEST_F(MainWindowTest, EnterDoesNotMoveTheFocus) {
  SetFocus(Control("编辑框1"));
  PressKey(VK_RETURN);
  EXPECT_EQ(NameOf(GetFocus()), "编辑框1");
  EXPECT_EQ(closeRequests, 0);
}

TEST_F(MainWindowTest, EscWithoutModifiersRequestsClose) {
  struct Case {
    const char* focus;
    std::vector<UINT> modifiers;
    bool dropList;
    int closeRequests;
  };
  const Case cases[] = {
      {"编辑框1", {}, false, 1},
      {"按钮1", {}, false, 1},
      {"编辑框1", {VK_CONTROL}, false, 0},
      {"编辑框1", {VK_SHIFT}, false, 0},
      {"编辑框1", {VK_MENU}, false, 0},
      {"组合框1", {}, true, 0},  // the open list takes the key and closes
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.focus + std::string(" with ") + std::to_string(c.modifiers.size()) +
                 " modifiers");
    closeRequests = 0;
    SetFocus(Control(c.focus));
    if (c.dropList) SendMessageA(Control(c.focus), CB_SHOWDROPDOWN, TRUE, 0);
    PressKey(VK_ESCAPE, c.modifiers);
    EXPECT_EQ(closeRequests, c.closeRequests);
    if (c.dropList) {
      EXPECT_FALSE(SendMessageA(Control(c.focus), CB_GETDROPPEDSTATE, 0, 0));
    }
    EXPECT_TRUE(IsWindow(window->handle()));
  }
}

TEST_F(MainWindowTest, CloseBoxAndLogOffRaiseTheCloseRequestTooAndAreRefused) {
  SendMessageA(window->handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(closeRequests, 1);
  EXPECT_TRUE(IsWindow(window->handle()));
  EXPECT_EQ(SendMessageA(window->handle(), WM_QUERYENDSESSION, 0, 0), FALSE);
  EXPECT_EQ(closeRequests, 2);
}

TEST_F(MainWindowTest, ButtonsRaiseTheirClickedEventsAndLabelsNothing) {
  for (const char* button : {"按钮2", "人工求助", "按钮1"})
    SendMessageA(Control(button), BM_CLICK, 0, 0);
  SendMessageA(Control("标签1"), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(Control("标签1"), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  win32::DispatchPendingMessages();
  EXPECT_EQ(clicks, (std::vector<std::string>{"按钮2", "人工求助", "按钮1"}));
}

}  // namespace
}  // namespace lumora::testing
