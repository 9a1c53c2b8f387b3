#include <gtest/gtest.h>

#include "sharing/SharingProcedures.h"
#include "tests/fake/FakePlatform.h"

namespace lumora::testing {
namespace {

const char* const kDisallow = "cmd /c netsh wlan set hostednetwork mode=disallow";
const char* const kRunValue = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\Wlan";
const std::vector<std::string> kStopSteps = {
    std::string("Run ") + kDisallow,       std::string("Await ") + kDisallow + " 10000",
    "Remove C:\\Windows\\Wlan.bat",        "Remove C:\\Windows\\Wlan.vbs",
    std::string("RegRemove ") + kRunValue,
};

std::vector<std::string> StepsThen(std::vector<std::string> tail) {
  std::vector<std::string> log = kStopSteps;
  log.insert(log.end(), tail.begin(), tail.end());
  return log;
}

TEST(StopSharing, RemovesScriptsAndBootEntryWithOrWithoutEarlierStart) {
  const std::vector<std::string> succeeded = {
      "Box 64 [] 关闭WIFI共享成功",
      "Balloon 托盘图标1 [WIFI共享已取消] 开启WIFI共享请在程序内设置 1 0"};
  for (bool startedBefore : {false, true}) {
    FakePlatform platform;
    if (startedBefore) {
      platform.files = {{"C:\\Windows\\Wlan.bat", "x"}, {"C:\\Windows\\Wlan.vbs", "y"}};
      platform.registry[kRunValue] = "C:\\Windows\\Wlan.vbs";
    }
    StopSharing(platform, platform);
    EXPECT_EQ(platform.log, StepsThen(succeeded)) << startedBefore;
    EXPECT_TRUE(platform.files.empty());
    EXPECT_TRUE(platform.registry.empty());
  }
}

TEST(StopSharing, FailuresAreReportedInsteadOfSuccess) {
  const std::string admin = "请右键点击本程序，选择“以管理员身份运行”后再试。";
  struct Case {
    std::string name;
    ProcessScript netsh;
    bool registryWritable;
    std::vector<std::string> log;
  };
  const Case cases[] = {
      {"netsh cannot start",
       {.starts = false},
       true,
       {std::string("Run ") + kDisallow, "Remove C:\\Windows\\Wlan.bat",
        "Remove C:\\Windows\\Wlan.vbs", std::string("RegRemove ") + kRunValue,
        "Box 16 [WIFI共享关闭失败] 无法运行 cmd /c netsh wlan set hostednetwork mode=disallow。" +
            admin}},
      {"netsh fails",
       {.exitCode = 1},
       true,
       StepsThen({"Box 16 [WIFI共享关闭失败] 关闭WIFI热点失败：netsh 返回了错误代码 1。"
                  "请确认本程序是以管理员身份运行的，并且无线网卡及其驱动支持承载网络。"})},
      {"netsh hangs",
       {.exitCode = std::nullopt},
       true,
       StepsThen({"Box 16 [WIFI共享关闭失败] netsh 在10秒内没有结束，无法确认WIFI热点已关闭。"})},
      {"boot entry cannot be removed",
       {},
       false,
       StepsThen({"Box 16 [WIFI共享关闭失败] 无法删除开机自动启动项（注册表 HKEY_LOCAL_MACHINE\\"
                  "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run 下的 Wlan）。" +
                  admin})},
  };
  for (const Case& c : cases) {
    FakePlatform platform;
    platform.processes[kDisallow] = c.netsh;
    platform.registryWritable = c.registryWritable;
    StopSharing(platform, platform);
    EXPECT_EQ(platform.log, c.log) << c.name;
  }
}

}  // namespace
}  // namespace lumora::testing
