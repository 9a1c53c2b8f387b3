#pragma once

#include <string_view>

#include "platform/Text.h"

namespace lumora {

// Balloon icon kinds of the notification area.
enum class BalloonIcon : int { None = 0, Information = 1, Warning = 2, Error = 3 };

// The main window's controls, addressed by their names in the window definition.
class WindowOperations {
 public:
  virtual ~WindowOperations() = default;

  // The whole current text of an edit box; for the password box, what was typed.
  virtual Text ControlText(std::string_view editBox) = 0;
  virtual void SetControlText(std::string_view editBox, const Text& text) = 0;

  // Position of the selected item, or -1 when none is selected.
  virtual int ComboSelection(std::string_view comboBox) = 0;
  // The empty text for an index out of range.
  virtual Text ComboItemText(std::string_view comboBox, int index) = 0;

  // True when the notice was handed to the notification area.
  virtual bool ShowBalloonNotice(std::string_view trayIcon, const Text& title, const Text& text,
                                 BalloonIcon icon, int timeout) = 0;
};

}  // namespace lumora
