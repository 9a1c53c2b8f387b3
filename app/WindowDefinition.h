#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "app/ControlKind.h"

namespace lumora {

struct WindowSettings {
  std::string_view title;
  int width = 0;  // outer size, with frame and caption
  int height = 0;
  int left = 0;  // the place unless centred on the screen
  int top = 0;
  bool centred = false;
  bool minimiseBox = false;
  bool maximiseBox = false;
  bool sizeable = false;
  bool clipChildren = false;
  bool escapeCloses = false;  // Esc without Ctrl, Shift or Alt asks the window to close
};

// A font as LOGFONT describes it; an empty face leaves the choice to the system.
struct FontSpec {
  std::string_view face;
  int height = 0;  // character height in pixels
  int weight = 400;
  bool italic = false;
  std::uint8_t charSet = 0;
  std::uint8_t outPrecision = 0;
  std::uint8_t clipPrecision = 0;
  std::uint8_t quality = 0;
  std::uint8_t pitchAndFamily = 0;
};

enum class Cursor { Arrow, Hand };

struct ControlRecord {
  std::string_view name;
  ControlKind kind;
  int left = 0;  // in the client area; may lie outside it
  int top = 0;
  int width = 0;
  int height = 0;
  bool visible = false;
  bool disabled = false;
  bool tabStop = false;
  Cursor cursor = Cursor::Arrow;
  int tabKey = 0;  // orders Tab before the order of creation
  std::string_view text;
  const FontSpec* font = nullptr;  // none: the system's default GUI font
};

struct MenuEntry {
  std::string_view text;
  int level = 0;  // 0 for the top level, 1 under the entry of level 0 before it
  bool hidden = false;
  bool disabled = false;
  bool checked = false;
};

struct WindowDefinition {
  WindowSettings settings;
  std::vector<ControlRecord> controls;  // in stacking order, the topmost first
  std::vector<MenuEntry> menu;
};

// Our main window.
const WindowDefinition& MainWindowDefinition();

}  // namespace lumora
