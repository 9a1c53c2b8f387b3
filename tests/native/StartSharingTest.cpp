#include <gtest/gtest.h>

#include "resources/Templates.h"
#include "sharing/SharingProcedures.h"
#include "tests/fake/FakePlatform.h"
#include "tests/fake/TemplateBoxes.h"

namespace lumora::testing {
namespace {

using Log = std::vector<std::string>;

const char* const kWlanBat = "C:\\Windows\\Wlan.bat";
const char* const kIcsVbs = "C:\\Windows\\ics.vbs";
const char* const kShareBat = "C:\\Windows\\Wlanshare.bat";
const char* const kWlanVbs = "C:\\Windows\\Wlan.vbs";
const char* const kRunValue = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\Wlan";

const std::string kScriptLine1 = "netsh wlan set hostednetwork mode=allow\r\n";
const std::string kScriptLine3 = "\r\nnetsh wlan start hostednetwork";
const std::string kShareHead = "cscript /nologo C:\\Windows\\ics.vbs \"无线网络连接 2\" \"";

std::string SecondLine(const std::string& name, const std::string& key) {
  return "netsh wlan set hostednetwork ssid=\"" + name + "\" key=\"" + key + "\"";
}

// The window as it opens, the user having typed "abc", "12345678" and chosen 本地连接.
FakePlatform OpenedWindow() {
  FakePlatform platform;
  FillTemplateBoxes(platform);
  platform.controls["编辑框1"] = "abc";
  platform.controls["编辑框2"] = "12345678";
  platform.comboItems = {"本地连接", "宽带连接"};
  platform.comboSelection = 0;
  return platform;
}

class StartSharingTest : public ::testing::Test {
 protected:
  void Type(const Text& name, const Text& password) {
    platform.controls["编辑框1"] = name;
    platform.controls["编辑框2"] = password;
  }

  void Start() { StartSharing(platform, platform); }
  void Stop() { StopSharing(platform, platform); }

  // The log lines up to the password test, for name "abc", key "12345678", 本地连接.
  Log Composed() const {
    return {"SetText 编辑框3 = " + kScriptLine1 + SecondLine("abc", "12345678") + kScriptLine3,
            "SetText 编辑框4 = 本地连接"};
  }

  static Log Joined(Log head, const Log& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
  }

  FakePlatform platform = OpenedWindow();
};

const Log kUpToSuccess = {
    std::string("Write ") + kWlanBat,
    std::string("Write ") + kIcsVbs,
    std::string("Write ") + kShareBat,
    std::string("Run ") + kWlanBat,
    "Pause 6000",
    std::string("Run ") + kShareBat,
    "Pause 2000",
    "Box 64 [GOOD JOB！] 恭喜，WIFI共享信息设置成功！",
    std::string("Remove ") + kShareBat,
    std::string("Remove ") + kIcsVbs,
    "Box 4 [如果不想麻烦的话请选【是】] 是否每次开机自动开启WIFI？（不用启动本程序）",
};
const std::string kStartedBalloon =
    "Balloon 托盘图标1 [WIFI共享开启中] 关闭WIFI共享请在程序内设置 1 0";

TEST_F(StartSharingTest, YesStoresLauncherAndBootEntry) {
  platform.answers = {Button::Ok, Button::Yes};
  Start();
  EXPECT_EQ(platform.log,
            Joined(Composed(),
                   Joined(kUpToSuccess,
                          {std::string("Write ") + kWlanVbs,
                           std::string("RegWrite ") + kRunValue + " = C:\\Windows\\Wlan.vbs",
                           "Box 64 [] 设置成功，如果觉得本程序还不错，求点广告一次，好人一生平安~",
                           kStartedBalloon})));
  EXPECT_EQ(platform.files.at(kWlanBat),
            kScriptLine1 + SecondLine("abc", "12345678") + kScriptLine3);
  EXPECT_EQ(platform.files.at(kWlanVbs), resources::HiddenLauncher());
  EXPECT_EQ(platform.files.count(kIcsVbs) + platform.files.count(kShareBat), 0u);
  EXPECT_EQ(platform.registry.at(kRunValue), "C:\\Windows\\Wlan.vbs");
}

TEST_F(StartSharingTest, NoLeavesBootEntryAlone) {
  platform.registry[kRunValue] = "C:\\Windows\\Wlan.vbs";  // from an earlier start
  platform.answers = {Button::Ok, Button::No};
  Start();
  EXPECT_EQ(
      platform.log,
      Joined(Composed(), Joined(kUpToSuccess, {"Box 64 [] 谢谢使用本程序", kStartedBalloon})));
  EXPECT_EQ(platform.files.count(kWlanVbs), 0u);
  EXPECT_EQ(platform.files.count(kWlanBat), 1u);
  EXPECT_EQ(platform.registry.count(kRunValue), 1u);
}

TEST_F(StartSharingTest, ScriptFilesHoldTheirTextsWhileTheyRun) {
  Log filesSeenInPause;
  platform.duringPause = [&] {
    for (const auto& [path, bytes] : platform.files) filesSeenInPause.push_back(path + "=" + bytes);
  };
  Start();
  const std::string sharingScript(resources::ConnectionSharingScript());
  const std::string shareLine = kShareHead + "本地连接\" \"on\"";
  EXPECT_EQ(shareLine.size(), 67u);
  EXPECT_NE(std::find(filesSeenInPause.begin(), filesSeenInPause.end(),
                      std::string(kIcsVbs) + "=" + sharingScript),
            filesSeenInPause.end());
  EXPECT_NE(std::find(filesSeenInPause.begin(), filesSeenInPause.end(),
                      std::string(kShareBat) + "=" + shareLine),
            filesSeenInPause.end());
}

TEST_F(StartSharingTest, ShortPasswordIsRefusedAfterComposing) {
  // Bytes count, not characters: three Chinese characters and a digit are 7 bytes.
  for (const Text& password : {Text("1234567"), Text("密码密1"), Text("")}) {
    platform.log.clear();
    Type("abc", password);
    Start();
    ASSERT_EQ(platform.log.size(), 3u) << password;
    EXPECT_EQ(platform.log[2], "Box 16 [你丫的不听话] 我不是和你说了密码要8位数以上么？！");
    EXPECT_EQ(platform.log[1], "SetText 编辑框4 = 本地连接");
    EXPECT_TRUE(platform.files.empty());
  }
}

TEST_F(StartSharingTest, InputNetshCannotTakeIsRefusedBeforeAnyFile) {
  struct Case {
    Text name, password, connection, message;
  };
  const Case cases[] = {
      {"", "12345678", "本地连接", "WiFi热点名不能为空！"},
      {std::string(33, 'n'), "12345678", "本地连接",
       "WiFi热点名最多32个字节（一个汉字算2个字节）！"},
      {"十七个汉字十七个汉字十七个汉字十七", "12345678", "本地连接",
       "WiFi热点名最多32个字节（一个汉字算2个字节）！"},
      {"a\"b", "12345678", "本地连接", "WiFi热点名不能含有双引号（\"）或控制字符！"},
      {"a\r\nnetsh", "12345678", "本地连接", "WiFi热点名不能含有双引号（\"）或控制字符！"},
      {"tab\there", "12345678", "本地连接", "WiFi热点名不能含有双引号（\"）或控制字符！"},
      {"abc", std::string(64, 'k'), "本地连接", "密码最多63位！"},
      {"abc", "密码密码", "本地连接",
       "密码只能由英文字母、数字、空格和英文标点组成，且不能含有双引号（\"）！"},
      {"abc", "1234\"5678", "本地连接",
       "密码只能由英文字母、数字、空格和英文标点组成，且不能含有双引号（\"）！"},
      {"abc", "12345678", "宽带\"连接", "所选网络连接的名称含有双引号（\"）或控制字符，无法共享！"},
  };
  for (const Case& c : cases) {
    platform.log.clear();
    Type(c.name, c.password);
    platform.comboItems[1] = c.connection;
    platform.comboSelection = 1;
    Start();
    ASSERT_FALSE(platform.log.empty());
    EXPECT_EQ(platform.log.back(), "Box 16 [你丫的不听话] " + c.message) << c.name << c.password;
    EXPECT_EQ(platform.log.size(), 3u) << c.name << c.password;
    EXPECT_TRUE(platform.files.empty());
  }
}

TEST_F(StartSharingTest, AcceptedLimitsPass) {
  struct Case {
    Text name, password;
  };
  const Case cases[] = {
      {std::string(32, 'n'), std::string(63, 'k')},
      {"十六个汉字十六个汉字十六个汉字十", "12345678"},
      {"a", " !#$%&'()*+,-./~"},
  };
  for (const Case& c : cases) {
    platform.log.clear();
    platform.files.clear();
    Type(c.name, c.password);
    Start();
    EXPECT_EQ(platform.files.count(kWlanBat), 1u) << c.name << " / " << c.password;
  }
}

TEST_F(StartSharingTest, ValuesReachNetshAsTyped) {
  // Quoted, & ^ | < > and spaces pass through cmd; % must be doubled in a batch file.
  Type("a & b%PATH%^|<>热点", "p%w&^d 12");
  platform.comboItems[1] = "宽带%1连接";
  platform.comboSelection = 1;
  Start();
  EXPECT_EQ(platform.files.at(kWlanBat),
            kScriptLine1 + SecondLine("a & b%%PATH%%^|<>热点", "p%%w&^d 12") + kScriptLine3);
  EXPECT_EQ(platform.log[1], "SetText 编辑框4 = 宽带%1连接");
}

TEST_F(StartSharingTest, ConnectionNameIsDoubledInShareLine) {
  platform.comboItems[1] = "宽带%1连接";
  platform.comboSelection = 1;
  Text shareLine;
  platform.duringPause = [&] { shareLine = platform.files[kShareBat]; };
  Start();
  EXPECT_EQ(shareLine, kShareHead + "宽带%%1连接\" \"on\"");
}

TEST_F(StartSharingTest, NoChoiceSharesAnEmptyConnectionName) {
  platform.comboSelection = -1;
  Text shareLine;
  platform.duringPause = [&] { shareLine = platform.files[kShareBat]; };
  Start();
  EXPECT_EQ(platform.log[1], "SetText 编辑框4 = ");
  EXPECT_EQ(shareLine, kShareHead + "\" \"on\"");
  EXPECT_EQ(platform.log[2 + 7], "Box 64 [GOOD JOB！] 恭喜，WIFI共享信息设置成功！");
}

TEST_F(StartSharingTest, StillRunningHostedNetworkScriptIsNoFailure) {
  platform.processes[kWlanBat] = {.starts = true, .exitCode = std::nullopt};
  Start();
  EXPECT_EQ(platform.log[2 + 7], "Box 64 [GOOD JOB！] 恭喜，WIFI共享信息设置成功！");
}

// A failure arranged on a fresh window and the log it must leave.
struct FailureCase {
  std::string name;
  std::function<void(FakePlatform&)> arrange;
  Log tail;
};

const std::string kAdminHint = "请右键点击本程序，选择“以管理员身份运行”后再试。";
const std::string kFailedTitle = "Box 16 [WIFI共享开启失败] ";

TEST_F(StartSharingTest, FailuresAreReportedAndCleanedUp) {
  const std::string netshFailed =
      "开启WIFI热点失败：netsh 返回了错误代码 1。"
      "请确认本程序是以管理员身份运行的，并且无线网卡及其驱动支持承载网络。";
  const FailureCase cases[] = {
      {"Wlan.bat unwritable",
       [](FakePlatform& p) { p.unwritableFiles.insert(kWlanBat); },
       {std::string("Write ") + kWlanBat,
        kFailedTitle + "无法写入文件 C:\\Windows\\Wlan.bat。" + kAdminHint}},
      {"ics.vbs unwritable",
       [](FakePlatform& p) { p.unwritableFiles.insert(kIcsVbs); },
       {std::string("Write ") + kWlanBat, std::string("Write ") + kIcsVbs,
        std::string("Remove ") + kIcsVbs,
        kFailedTitle + "无法写入文件 C:\\Windows\\ics.vbs。" + kAdminHint}},
      {"Wlanshare.bat unwritable",
       [](FakePlatform& p) { p.unwritableFiles.insert(kShareBat); },
       {std::string("Write ") + kWlanBat, std::string("Write ") + kIcsVbs,
        std::string("Write ") + kShareBat, std::string("Remove ") + kShareBat,
        std::string("Remove ") + kIcsVbs,
        kFailedTitle + "无法写入文件 C:\\Windows\\Wlanshare.bat。" + kAdminHint}},
      {"Wlan.bat cannot start",
       [](FakePlatform& p) { p.processes[kWlanBat].starts = false; },
       {std::string("Write ") + kWlanBat, std::string("Write ") + kIcsVbs,
        std::string("Write ") + kShareBat, std::string("Run ") + kWlanBat,
        std::string("Remove ") + kShareBat, std::string("Remove ") + kIcsVbs,
        kFailedTitle + "无法运行 C:\\Windows\\Wlan.bat。" + kAdminHint}},
      {"netsh fails",
       [](FakePlatform& p) { p.processes[kWlanBat].exitCode = 1; },
       {std::string("Write ") + kWlanBat, std::string("Write ") + kIcsVbs,
        std::string("Write ") + kShareBat, std::string("Run ") + kWlanBat, "Pause 6000",
        std::string("Remove ") + kShareBat, std::string("Remove ") + kIcsVbs,
        kFailedTitle + netshFailed}},
      {"Wlanshare.bat cannot start",
       [](FakePlatform& p) { p.processes[kShareBat].starts = false; },
       {std::string("Write ") + kWlanBat, std::string("Write ") + kIcsVbs,
        std::string("Write ") + kShareBat, std::string("Run ") + kWlanBat, "Pause 6000",
        std::string("Run ") + kShareBat, std::string("Remove ") + kShareBat,
        std::string("Remove ") + kIcsVbs,
        kFailedTitle + "无法运行 C:\\Windows\\Wlanshare.bat。" + kAdminHint}},
  };
  for (const FailureCase& c : cases) {
    FakePlatform fresh = OpenedWindow();
    c.arrange(fresh);
    StartSharing(fresh, fresh);
    EXPECT_EQ(fresh.log, Joined(Composed(), c.tail)) << c.name;
    EXPECT_EQ(fresh.files.count(kIcsVbs) + fresh.files.count(kShareBat), 0u) << c.name;
  }
}

TEST_F(StartSharingTest, BootEntryFailuresAreReportedWithoutBalloon) {
  const std::string bootEntryFailed =
      "WIFI共享已开启，但无法写入开机自动启动项（注册表 HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\"
      "Windows\\CurrentVersion\\Run 下的 Wlan）。" +
      kAdminHint;
  const FailureCase cases[] = {
      {"Wlan.vbs unwritable",
       [](FakePlatform& p) { p.unwritableFiles.insert(kWlanVbs); },
       {std::string("Write ") + kWlanVbs,
        kFailedTitle + "无法写入文件 C:\\Windows\\Wlan.vbs。" + kAdminHint}},
      {"registry unwritable",
       [](FakePlatform& p) { p.registryWritable = false; },
       {std::string("Write ") + kWlanVbs,
        std::string("RegWrite ") + kRunValue + " = C:\\Windows\\Wlan.vbs",
        kFailedTitle + bootEntryFailed}},
  };
  for (const FailureCase& c : cases) {
    FakePlatform fresh = OpenedWindow();
    fresh.answers = {Button::Ok, Button::Yes};
    c.arrange(fresh);
    StartSharing(fresh, fresh);
    EXPECT_EQ(fresh.log, Joined(Composed(), Joined(kUpToSuccess, c.tail))) << c.name;
  }
}

}  // namespace
}  // namespace lumora::testing
