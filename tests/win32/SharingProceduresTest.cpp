// The start and stop procedures against the real system: real files under C:\Windows,
// real batch files run by cmd, the fake netsh beside this program, real message boxes.
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/win32/Win32System.h"
#include "resources/Templates.h"
#include "sharing/SharingProcedures.h"
#include "tests/fake/FakePlatform.h"
#include "tests/fake/TemplateBoxes.h"
#include "tests/win32/TestSupport.h"

namespace lumora::testing {
namespace {

const std::string kWlanBat = "C:\\Windows\\Wlan.bat";
const std::string kWlanVbs = "C:\\Windows\\Wlan.vbs";
const std::string kIcsVbs = "C:\\Windows\\ics.vbs";
const std::string kShareBat = "C:\\Windows\\Wlanshare.bat";
const char* const kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string Utf8(const std::string& cp936) {
  std::wstring wide(cp936.size(), L'\0');
  wide.resize(
      static_cast<size_t>(MultiByteToWideChar(936, 0, cp936.data(), static_cast<int>(cp936.size()),
                                              wide.data(), static_cast<int>(wide.size()))));
  std::string utf8(wide.size() * 3, '\0');
  utf8.resize(static_cast<size_t>(
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(),
                          static_cast<int>(utf8.size()), nullptr, nullptr)));
  return utf8;
}

class SharingProcedures : public ::testing::Test {
 protected:
  void SetUp() override {
    // The program runs in its own folder, where cmd finds our netsh first.
    SetCurrentDirectoryA(ProgramFolder().c_str());
    DeleteFileA(NetshLog().c_str());
    SetNetshExitCode(0);
    FillTemplateBoxes(window);
    window.comboItems = {"本地连接"};
    window.comboSelection = 0;
  }

  static std::string NetshLog() { return ProgramFolder() + "\\netsh.log"; }
  static void SetNetshExitCode(int code) {
    win32::Win32System().WriteFileBytes(ProgramFolder() + "\\netsh-exit-code.txt",
                                        std::to_string(code));
  }

  void Type(const Text& name, const Text& password) {
    window.controls["编辑框1"] = name;
    window.controls["编辑框2"] = password;
  }

  win32::Win32System system;
  FakePlatform window;  // only its window half: controls, combo box, balloons
};

TEST_F(SharingProcedures, StartHandsNetshTheValuesAsTypedThenStopUndoesIt) {
  const Text name = "我的 热点 & 100%^";
  const Text password = "p&ss%w^rd 1";
  Type(name, password);

  std::string icsWhileUp, shareLineWhileUp;
  ULONGLONG successAfter = 0;
  const ULONGLONG start = GetTickCount64();
  MessageBoxCatcher catcher({IDOK, IDYES, IDOK});
  catcher.onCatch = [&](const CaughtBox& box) {
    if (catcher.boxes().size() != 1) return;
    successAfter = GetTickCount64() - start;
    icsWhileUp = ReadWholeFile(kIcsVbs);
    shareLineWhileUp = ReadWholeFile(kShareBat);
    (void)box;
  };
  const double cpuBefore = ProcessCpuMilliseconds();
  StartSharing(system, window);
  std::printf("start: success message after %llu ms, %.0f ms of processor time in all\n",
              successAfter, ProcessCpuMilliseconds() - cpuBefore);

  ASSERT_EQ(catcher.boxes().size(), 3u);
  EXPECT_EQ(catcher.boxes()[0].text, "恭喜，WIFI共享信息设置成功！");
  EXPECT_EQ(catcher.boxes()[1].caption, "如果不想麻烦的话请选【是】");
  EXPECT_EQ(catcher.boxes()[2].text, "设置成功，如果觉得本程序还不错，求点广告一次，好人一生平安~");
  EXPECT_GE(successAfter, 8000u);

  EXPECT_EQ(ReadWholeFile(kWlanBat),
            "netsh wlan set hostednetwork mode=allow\r\n"
            "netsh wlan set hostednetwork ssid=\"我的 热点 & 100%%^\" key=\"p&ss%%w^rd 1\"\r\n"
            "netsh wlan start hostednetwork");
  EXPECT_EQ(icsWhileUp, resources::ConnectionSharingScript());
  EXPECT_EQ(shareLineWhileUp,
            "cscript /nologo C:\\Windows\\ics.vbs \"无线网络连接 2\" \"本地连接\" \"on\"");
  EXPECT_FALSE(Exists(kIcsVbs));
  EXPECT_FALSE(Exists(kShareBat));
  EXPECT_EQ(ReadWholeFile(kWlanVbs), resources::HiddenLauncher());
  EXPECT_EQ(StoredValue(kRunKey, "Wlan"), std::string("C:\\Windows\\Wlan.vbs", 20));
  EXPECT_EQ(ReadWholeFile(NetshLog()),
            "[wlan] [set] [hostednetwork] [mode=allow]\n"
            "[wlan] [set] [hostednetwork] [ssid=" +
                Utf8(name) + "] [key=" + Utf8(password) +
                "]\n"
                "[wlan] [start] [hostednetwork]\n");

  DeleteFileA(NetshLog().c_str());
  MessageBoxCatcher stopCatcher;
  StopSharing(system, window);
  ASSERT_EQ(stopCatcher.boxes().size(), 1u);
  EXPECT_EQ(stopCatcher.boxes()[0].text, "关闭WIFI共享成功");
  EXPECT_EQ(ReadWholeFile(NetshLog()), "[wlan] [set] [hostednetwork] [mode=disallow]\n");
  EXPECT_FALSE(Exists(kWlanBat));
  EXPECT_FALSE(Exists(kWlanVbs));
  EXPECT_EQ(StoredValue(kRunKey, "Wlan"), "<missing>");
}

TEST_F(SharingProcedures, FailingNetshIsReportedInsteadOfSuccess) {
  Type("abc", "12345678");
  SetNetshExitCode(1);
  MessageBoxCatcher catcher;
  StartSharing(system, window);
  ASSERT_EQ(catcher.boxes().size(), 1u);
  EXPECT_EQ(catcher.boxes()[0].caption, "WIFI共享开启失败");
  EXPECT_EQ(catcher.boxes()[0].text,
            "开启WIFI热点失败：netsh 返回了错误代码 1。"
            "请确认本程序是以管理员身份运行的，并且无线网卡及其驱动支持承载网络。");
  EXPECT_FALSE(Exists(kIcsVbs));
  EXPECT_FALSE(Exists(kShareBat));

  MessageBoxCatcher stopCatcher;
  StopSharing(system, window);
  ASSERT_EQ(stopCatcher.boxes().size(), 1u);
  EXPECT_EQ(stopCatcher.boxes()[0].caption, "WIFI共享关闭失败");
}

}  // namespace
}  // namespace lumora::testing
