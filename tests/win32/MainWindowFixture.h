#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/MainWindow.h"

namespace lumora::testing {

// Our main window, built from its definition and shown, with its close request and
// clicks recorded instead of handled.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  HWND Control(std::string_view name) const { return window->Control(name); }
  // The name of the control that is `inner` or holds it; empty for none.
  std::string NameOf(HWND inner) const;

  // Sends a key press the way the keyboard does: to the focus, through the main loop's
  // dispatch, with the given modifier keys held.
  void PressKey(UINT virtualKey, std::vector<UINT> modifiers = {});

  // What the build asked for when it created each window.
  std::map<HWND, CREATESTRUCTA> creations;
  std::optional<MainWindow> window;
  int closeRequests = 0;
  std::vector<std::string> clicks;
};

// Every colour a control paints into its client area.
std::set<COLORREF> PaintedColours(HWND control);

}  // namespace lumora::testing
