// Drives the program as a user would, under Wine, and checks what it leaves on the machine.
//   lumora_e2e_driver start-stop      start sharing (answering Yes at boot), then stop it
//   lumora_e2e_driver short-password  a start with a 7-byte password is refused
//   lumora_e2e_driver keyboard        Tab moves the focus, Esc minimises the window
//   lumora_e2e_driver await-window    wait until some program shows its window; print its place
//   lumora_e2e_driver end-program     end the program whose window is shown
#include <windows.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "tools/e2e/Checks.h"
#include "tools/e2e/MachineState.h"
#include "tools/e2e/MessageBoxes.h"
#include "tools/e2e/ProgramUnderTest.h"

namespace lumora::e2e {
namespace {

constexpr DWORD kWindowPatience = 20000;
// The start pauses 8 s before it reports; allow for a slow machine.
constexpr DWORD kStartPatience = 30000;
constexpr DWORD kBoxPatience = 15000;

// The netsh log is UTF-8 whatever this file is compiled to.
std::string Utf8(std::u8string_view text) {
  return {text.begin(), text.end()};
}

struct ExpectedBox {
  std::wstring caption;
  std::wstring text;
  BoxIcon icon;
  std::vector<int> buttons;
  int press;
};

// Waits for the box, checks it shows what it should, and answers it.
bool Answer(Checks& checks, const ProgramUnderTest& program, const ExpectedBox& expected,
            DWORD patience = kBoxPatience) {
  const std::optional<SeenBox> box = AwaitMessageBox(program.processId(), patience);
  if (!checks.That(box.has_value(), "a message box comes")) return false;
  checks.That(box->text == expected.text, "its message is the expected one");
  checks.That(box->caption == expected.caption, "its title is the expected one");
  checks.That(box->icon == expected.icon,
              std::string("it shows ") + NameOf(expected.icon) +
                  (box->icon == expected.icon ? "" : std::string(", not ") + NameOf(box->icon)));
  checks.That(box->buttons == expected.buttons, "it offers the expected buttons");
  return checks.That(Press(*box, expected.press), "pressing its button closes it");
}

// The controls the user fills in and clicks.
struct Form {
  HWND name, password, connection, start, stop;
};

std::optional<Form> FindForm(Checks& checks, ProgramUnderTest& program) {
  const HWND window = program.AwaitWindow(kWindowPatience);
  if (!checks.That(window != nullptr, "the program shows its window")) return std::nullopt;
  const Form form{ChildAt(window, L"Edit", 135, 68), ChildAt(window, L"Edit", 135, 108),
                  OnlyComboBox(window), ButtonCaptioned(window, L"开始共享"),
                  ButtonCaptioned(window, L"停止共享")};
  if (!checks.That(form.name && form.password && form.connection && form.start && form.stop,
                   "it has the name and password boxes, the connection list and both buttons"))
    return std::nullopt;
  return form;
}

// On a machine without traces of earlier runs: types the name and password, picks the
// local connection and clicks 开始共享.
std::optional<Form> StartSharingAs(Checks& checks, ProgramUnderTest& program,
                                   const std::wstring& name, const std::wstring& password) {
  ForgetEarlierRuns();
  const std::optional<Form> form = FindForm(checks, program);
  if (!form) return std::nullopt;
  Type(form->name, name);
  Type(form->password, password);
  checks.That(Pick(form->connection, L"本地连接"), "the connection list offers 本地连接");
  PostMessageW(form->start, BM_CLICK, 0, 0);
  return form;
}

int StartAndStop() {
  Checks checks;
  ProgramUnderTest program;
  const std::optional<Form> form = StartSharingAs(checks, program, L"Lumora热点", L"12345678");
  if (!form) return checks.Finish("start-stop");

  const ExpectedBox success{
      L"GOOD JOB！", L"恭喜，WIFI共享信息设置成功！", BoxIcon::Information, {IDOK}, IDOK};
  const ExpectedBox bootQuestion{L"如果不想麻烦的话请选【是】",
                                 L"是否每次开机自动开启WIFI？（不用启动本程序）",
                                 BoxIcon::None,
                                 {IDYES, IDNO},
                                 IDYES};
  const ExpectedBox bootEntryStored{L"",
                                    L"设置成功，如果觉得本程序还不错，求点广告一次，好人一生平安~",
                                    BoxIcon::Information,
                                    {IDOK},
                                    IDOK};
  if (!Answer(checks, program, success, kStartPatience) || !Answer(checks, program, bootQuestion) ||
      !Answer(checks, program, bootEntryStored))
    return checks.Finish("start-stop");

  checks.That(FileBytes(kHostedNetworkScript) ==
                  "netsh wlan set hostednetwork mode=allow\r\n"
                  "netsh wlan set hostednetwork ssid=\"Lumora热点\" key=\"12345678\"\r\n"
                  "netsh wlan start hostednetwork",
              "Wlan.bat holds the hosted-network script with the name in CP936");
  checks.That(FileBytes(kHiddenLauncher) ==
                  "set ws=WScript.CreateObject(\"WScript.Shell\")\r\nws.Run \"Wlan.bat /start\",0",
              "Wlan.vbs holds the hidden launcher");
  checks.That(BootEntry() == std::string("C:\\Windows\\Wlan.vbs", 20),
              "the Run value Wlan names Wlan.vbs, with its terminating zero");
  checks.That(!FileBytes(kSharingScript) && !FileBytes(kShareCommandScript),
              "ics.vbs and Wlanshare.bat are gone again");
  const std::string started = Utf8(
      u8"[wlan] [set] [hostednetwork] [mode=allow]\n"
      u8"[wlan] [set] [hostednetwork] [ssid=Lumora热点] [key=12345678]\n"
      u8"[wlan] [start] [hostednetwork]\n");
  checks.That(NetshLog() == started, "netsh was asked to allow, name and start the hosted network");

  PostMessageW(form->stop, BM_CLICK, 0, 0);
  Answer(checks, program, {L"", L"关闭WIFI共享成功", BoxIcon::Information, {IDOK}, IDOK});
  checks.That(!FileBytes(kHostedNetworkScript) && !FileBytes(kHiddenLauncher),
              "Wlan.bat and Wlan.vbs are gone");
  checks.That(!BootEntry(), "the Run value Wlan is gone");
  checks.That(AwaitNetshLines(4, 10000) &&
                  NetshLog() == started + "[wlan] [set] [hostednetwork] [mode=disallow]\n",
              "netsh was asked to disallow the hosted network");
  return checks.Finish("start-stop");
}

int ShortPassword() {
  Checks checks;
  ProgramUnderTest program;
  if (!StartSharingAs(checks, program, L"Lumora", L"1234567"))
    return checks.Finish("short-password");
  Answer(checks, program,
         {L"你丫的不听话", L"我不是和你说了密码要8位数以上么？！", BoxIcon::Error, {IDOK}, IDOK});
  checks.That(!AwaitMessageBox(program.processId(), 2000), "no other message box follows");
  checks.That(!FileBytes(kHostedNetworkScript) && !FileBytes(kSharingScript) &&
                  !FileBytes(kShareCommandScript) && !FileBytes(kHiddenLauncher),
              "no script was written");
  checks.That(!BootEntry(), "no Run value was stored");
  checks.That(NetshLog().empty(), "netsh never ran");
  return checks.Finish("short-password");
}

// The focus of the thread that owns the window.
HWND FocusOf(HWND window) {
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
  return thread.hwndFocus;
}

// Whether the focus comes to `control` within a few seconds.
bool FocusComesTo(HWND window, HWND control) {
  for (int i = 0; i < 30 && FocusOf(window) != control; ++i) Sleep(100);
  return FocusOf(window) == control;
}

// Keys reach the window through the program's own message loop.
int Keyboard() {
  Checks checks;
  ProgramUnderTest program;
  const std::optional<Form> form = FindForm(checks, program);
  if (!form) return checks.Finish("keyboard");
  const HWND window = GetParent(form->name);
  const auto press = [window](UINT key) {
    const HWND focus = FocusOf(window);
    PostMessageW(focus ? focus : window, WM_KEYDOWN, key, 1);
  };
  press(VK_TAB);
  checks.That(FocusComesTo(window, form->name), "Tab from the window goes to the name box");
  press(VK_TAB);
  checks.That(FocusComesTo(window, form->password), "the next Tab goes to the password box");
  press(VK_ESCAPE);
  for (int i = 0; i < 30 && !IsIconic(window); ++i) Sleep(100);
  checks.That(IsWindow(window) && IsIconic(window), "Esc minimises the window and it stays");
  return checks.Finish("keyboard");
}

// Prints the window's place and size on the screen: left top width height.
int AwaitWindow() {
  const ULONGLONG end = GetTickCount64() + kWindowPatience;
  HWND window = nullptr;
  while (!(window = FindProgramWindow())) {
    if (GetTickCount64() > end) {
      std::puts("the program showed no window");
      return 1;
    }
    Sleep(100);
  }
  Sleep(1500);  // let every control paint
  RECT place;
  GetWindowRect(window, &place);
  std::printf("%ld %ld %ld %ld\n", place.left, place.top, place.right - place.left,
              place.bottom - place.top);
  return 0;
}

int EndProgram() {
  const HWND window = FindProgramWindow();
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  const HANDLE process =
      window ? OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId) : nullptr;
  if (!process) {
    std::puts("no program to end");
    return 1;
  }
  const bool ended = TerminateProcess(process, 0) && WaitForSingleObject(process, 5000) == 0;
  CloseHandle(process);
  return ended ? 0 : 1;
}

}  // namespace
}  // namespace lumora::e2e

int wmain(int argc, wchar_t** argv) {
  using namespace lumora::e2e;
  const std::wstring mode = argc == 2 ? argv[1] : L"";
  if (mode == L"start-stop") return StartAndStop();
  if (mode == L"short-password") return ShortPassword();
  if (mode == L"keyboard") return Keyboard();
  if (mode == L"await-window") return AwaitWindow();
  if (mode == L"end-program") return EndProgram();
  std::puts(
      "usage: lumora_e2e_driver start-stop | short-password | keyboard | await-window | "
      "end-program");
  return 2;
}
