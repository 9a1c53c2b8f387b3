#include "app/MainWindow.h"

#include <string>

#include "app/ControlBuilder.h"
#include "app/Placement.h"
#include "app/TabOrder.h"
#include "platform/win32/MessagePump.h"
#include "resources/ResourceIds.h"
#include "ui/Painting.h"
#include "ui/WindowText.h"

namespace lumora {
namespace {

constexpr char kWindowClass[] = "LumoraPandrelWindow";

bool RegisterWindowClass(WNDPROC procedure) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExA(GetModuleHandleA(nullptr), kWindowClass, &windowClass)) return true;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hIcon = LoadIconA(windowClass.hInstance, MAKEINTRESOURCEA(IDI_WINDOW));
  windowClass.hIconSm = static_cast<HICON>(
      LoadImageA(windowClass.hInstance, MAKEINTRESOURCEA(IDI_WINDOW), IMAGE_ICON,
                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  windowClass.lpszClassName = kWindowClass;
  return RegisterClassExA(&windowClass) != 0;
}

DWORD WindowStyle(const WindowSettings& settings) {
  return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | (settings.minimiseBox ? WS_MINIMIZEBOX : 0) |
         (settings.maximiseBox ? WS_MAXIMIZEBOX : 0) | (settings.sizeable ? WS_THICKFRAME : 0) |
         (settings.clipChildren ? WS_CLIPCHILDREN : 0);
}

Place PlaceOf(const WindowSettings& settings) {
  if (!settings.centred) return {settings.left, settings.top};
  return CentredPlace(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), settings.width,
                      settings.height);
}

bool AnyModifierDown() {
  return GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_MENU) < 0;
}

// A dropped-down combo box, for one, closes its list on Esc.
bool FocusTakesKey(const MSG& message) {
  const HWND focus = GetFocus();
  return focus &&
         (SendMessageA(focus, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message)) &
          (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE));
}

}  // namespace

MainWindow::~MainWindow() {
  if (window_) DestroyWindow(window_);
}

bool MainWindow::Build() {
  const WindowSettings& settings = definition_.settings;
  if (!RegisterWindowClass(Procedure)) return false;
  const Place place = PlaceOf(settings);
  CreateWindowExA(0, kWindowClass, std::string(settings.title).c_str(), WindowStyle(settings),
                  place.left, place.top, settings.width, settings.height, nullptr, nullptr,
                  GetModuleHandleA(nullptr), this);
  if (!window_) return false;
  auto controls = BuildControls(window_, definition_.controls, fonts_);
  if (!controls) {
    DestroyWindow(window_);
    return false;
  }
  controls_ = std::move(*controls);
  built_ = true;
  return true;
}

void MainWindow::RaiseCreated() {
  if (events_.created) events_.created();
}

HWND MainWindow::Control(std::string_view name) const {
  for (std::size_t position = 0; position < controls_.size(); ++position)
    if (definition_.controls[position].name == name) return controls_[position];
  return nullptr;
}

Text MainWindow::ControlText(std::string_view editBox) {
  const HWND box = Control(editBox);
  return box ? ui::WindowText(box) : Text();
}

void MainWindow::SetControlText(std::string_view editBox, const Text& text) {
  if (const HWND box = Control(editBox)) SetWindowTextA(box, text.c_str());
}

int MainWindow::ComboSelection(std::string_view comboBox) {
  const HWND combo = Control(comboBox);
  return combo ? static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0)) : -1;
}

Text MainWindow::ComboItemText(std::string_view comboBox, int index) {
  const HWND combo = Control(comboBox);
  if (!combo || index < 0 || index >= SendMessageA(combo, CB_GETCOUNT, 0, 0)) return {};
  const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  Text text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied = SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                      reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied < 0 ? 0 : static_cast<std::size_t>(copied));
  return text;
}

bool MainWindow::ShowBalloonNotice(std::string_view, const Text&, const Text&, BalloonIcon, int) {
  return false;  // the notice icon is not in the notification area yet
}

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self) {
    if (const std::optional<LRESULT> result = self->Handle(message, wParam, lParam)) return *result;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

std::optional<LRESULT> MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == win32::PreTranslateMessageId()) {
    const MSG& queued = *reinterpret_cast<const MSG*>(lParam);
    if (queued.message != WM_KEYDOWN) return 0;
    if (queued.wParam == VK_TAB) {
      MoveFocus(GetKeyState(VK_SHIFT) < 0);
      return 1;
    }
    if (queued.wParam == VK_ESCAPE && definition_.settings.escapeCloses && !AnyModifierDown() &&
        !FocusTakesKey(queued)) {
      SendMessageA(window_, WM_CLOSE, 0, 0);
      return 1;
    }
    return 0;
  }
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && lParam) RaiseClicked(reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_CLOSE:
      return AnswerCloseRequest(0);
    case WM_QUERYENDSESSION:
      return AnswerCloseRequest(FALSE);
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && SetCursorOver(reinterpret_cast<HWND>(wParam))) return TRUE;
      return std::nullopt;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      return ColourControl(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DESTROY:
      if (built_) PostQuitMessage(0);  // the program ends with its window
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
      window_ = nullptr;
      controls_.clear();
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

const ControlRecord* MainWindow::RecordOf(HWND inner) const {
  for (HWND window = inner; window && window != window_; window = GetParent(window)) {
    for (std::size_t position = 0; position < controls_.size(); ++position)
      if (controls_[position] == window) return &definition_.controls[position];
  }
  return nullptr;
}

void MainWindow::RaiseClicked(HWND control) {
  const ControlRecord* record = RecordOf(control);
  if (!record) return;
  if (const auto handler = events_.clicked.find(record->name); handler != events_.clicked.end())
    handler->second();
}

std::optional<LRESULT> MainWindow::AnswerCloseRequest(LRESULT refused) {
  if (events_.closeRequest && !events_.closeRequest()) return refused;
  return std::nullopt;
}

bool MainWindow::SetCursorOver(HWND inner) {
  const ControlRecord* record = RecordOf(inner);
  if (!record) return false;
  SetCursor(LoadCursorA(nullptr, record->cursor == Cursor::Hand ? IDC_HAND : IDC_ARROW));
  return true;
}

std::optional<LRESULT> MainWindow::ColourControl(HDC dc, HWND inner) {
  const ControlRecord* record = RecordOf(inner);
  if (!record) return std::nullopt;
  return std::visit(
      [dc](const auto& kind) -> std::optional<LRESULT> {
        if constexpr (requires { kind.colours; }) {
          SetTextColor(dc, ui::ColorRefOf(kind.colours.text));
          SetBkColor(dc, ui::ColorRefOf(kind.colours.background));
          SetDCBrushColor(dc, ui::ColorRefOf(kind.colours.background));
          return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
        } else {
          return std::nullopt;
        }
      },
      record->kind);
}

void MainWindow::MoveFocus(bool backward) {
  // Creation order is the table read from the bottom up.
  const std::size_t count = controls_.size();
  std::vector<TabCandidate> candidates(count);
  std::optional<std::size_t> current;
  const ControlRecord* focused = RecordOf(GetFocus());
  for (std::size_t created = 0; created < count; ++created) {
    const std::size_t position = count - 1 - created;
    const HWND control = controls_[position];
    const ControlRecord& record = definition_.controls[position];
    candidates[created] = {record.tabKey,
                           record.tabStop && IsWindowVisible(control) && IsWindowEnabled(control)};
    if (focused == &record) current = created;
  }
  if (const auto next = NextTabStop(candidates, current, backward))
    SetFocus(controls_[count - 1 - *next]);
}

}  // namespace lumora
