// Building a window from a definition, and what is left when that fails.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/MainWindow.h"
#include "app/Placement.h"
#include "app/TabOrder.h"

namespace lumora::testing {
namespace {

// Refuses to create windows of one class while alive.
class CreationRefusal {
 public:
  explicit CreationRefusal(std::string windowClass) {
    refusedClass_ = std::move(windowClass);
    hook_ = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
  }
  ~CreationRefusal() { UnhookWindowsHookEx(hook_); }
  CreationRefusal(const CreationRefusal&) = delete;
  CreationRefusal& operator=(const CreationRefusal&) = delete;

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
      const auto* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
      if (!IS_INTRESOURCE(create->lpszClass) && refusedClass_ == create->lpszClass) return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static inline std::string refusedClass_;  // a hook procedure has no context argument
  HHOOK hook_ = nullptr;
};

int WindowsOfThisThread() {
  int count = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND, LPARAM counter) {
        ++*reinterpret_cast<int*>(counter);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

TEST(WindowBuild, FailureLeavesNothingBehind) {
  // The window itself, the control made last (the first of the table) and one between.
  for (const char* refused : {"LumoraPandrelWindow", "LumoraTrayIcon", "LumoraHyperlink"}) {
    SCOPED_TRACE(refused);
    const int before = WindowsOfThisThread();
    MainWindow window(MainWindowDefinition());
    {
      CreationRefusal refusal(refused);
      EXPECT_FALSE(window.Build());
    }
    EXPECT_EQ(window.handle(), nullptr);
    EXPECT_EQ(window.Control("编辑框1"), nullptr);
    EXPECT_EQ(WindowsOfThisThread(), before);
    MSG quit;
    EXPECT_FALSE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        << "a failed build asks the program to quit before it can say why";
  }
}

TEST(WindowBuild, CentredPlaceRoundsTowardZero) {
  struct Case {
    int screenWidth, screenHeight;
    Place place;
  };
  const Case cases[] = {
      {1024, 768, {222, 213}},
      {1920, 1080, {670, 369}},
      {581, 343, {0, 0}},
      {501, 300, {-39, -21}},  // narrower than the window: it overhangs both sides
  };
  for (const Case& c : cases)
    EXPECT_EQ(CentredPlace(c.screenWidth, c.screenHeight, 580, 342), c.place)
        << c.screenWidth << " x " << c.screenHeight;
}

TEST(TabOrder, OrdersByKeyThenCreationAndWraps) {
  // Creation order: 0 1 2 3 4; 1 takes no focus; keys put 3 first, then 0, 2, 4.
  const std::vector<TabCandidate> candidates = {
      {1, true}, {0, false}, {1, true}, {0, true}, {1, true}};
  struct Case {
    std::optional<std::size_t> from;
    bool backward;
    std::optional<std::size_t> to;
  };
  const Case cases[] = {
      {3, false, 0},
      {0, false, 2},
      {2, false, 4},
      {4, false, 3},  // wraps forward
      {3, true, 4},
      {0, true, 3},  // wraps backward
      {std::nullopt, false, 3},
      {std::nullopt, true, 4},  // from outside
      {1, false, 3},
      {1, true, 4},  // from a candidate that takes no focus
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NextTabStop(candidates, c.from, c.backward), c.to)
        << "from " << (c.from ? std::to_string(*c.from) : "none") << (c.backward ? " back" : "");
  }
  EXPECT_EQ(NextTabStop({{0, false}}, 0, false), std::nullopt);
}

}  // namespace
}  // namespace lumora::testing
