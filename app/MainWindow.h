#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include "app/FontSet.h"
#include "app/WindowDefinition.h"
#include "platform/WindowOperations.h"

namespace lumora {

// What the window raises; a missing handler leaves the window's default.
struct MainWindowEvents {
  std::function<void()> created;
  std::function<bool()> closeRequest;                         // true lets the window close
  std::map<std::string_view, std::function<void()>> clicked;  // by control name
};

// The window built from a definition, its controls addressed by their names.
class MainWindow final : public WindowOperations {
 public:
  explicit MainWindow(const WindowDefinition& definition) : definition_(definition) {}
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  MainWindowEvents& events() { return events_; }

  // Makes the window, not yet shown, with all its controls; on failure nothing is left.
  bool Build();
  void RaiseCreated();

  HWND handle() const { return window_; }
  // Null for a name that is not in the definition.
  HWND Control(std::string_view name) const;

  Text ControlText(std::string_view editBox) override;
  void SetControlText(std::string_view editBox, const Text& text) override;
  int ComboSelection(std::string_view comboBox) override;
  Text ComboItemText(std::string_view comboBox, int index) override;
  bool ShowBalloonNotice(std::string_view trayIcon, const Text& title, const Text& text,
                         BalloonIcon icon, int timeout) override;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<LRESULT> Handle(UINT message, WPARAM wParam, LPARAM lParam);
  // The record of the control that is `inner` or holds it, such as a combo box its list.
  const ControlRecord* RecordOf(HWND inner) const;
  void RaiseClicked(HWND control);
  std::optional<LRESULT> AnswerCloseRequest(LRESULT refused);
  bool SetCursorOver(HWND inner);
  std::optional<LRESULT> ColourControl(HDC dc, HWND inner);
  void MoveFocus(bool backward);

  const WindowDefinition& definition_;
  MainWindowEvents events_;
  HWND window_ = nullptr;
  bool built_ = false;
  std::vector<HWND> controls_;  // by table position
  FontSet fonts_;
};

}  // namespace lumora
