#include "sharing/FailureMessages.h"

#include <string>

#include "sharing/Messages.h"

namespace lumora::messages {
namespace {

Text Joined(std::initializer_list<std::string_view> parts) {
  Text joined;
  for (std::string_view part : parts) joined += part;
  return joined;
}

}  // namespace

Text CannotWrite(std::string_view path) {
  return Joined({"无法写入文件 ", path, "。", kAdminHint});
}

Text CannotRun(std::string_view commandLine) {
  return Joined({"无法运行 ", commandLine, "。", kAdminHint});
}

Text NetshFailed(std::string_view action, std::uint32_t exitCode) {
  return Joined(
      {action, "WIFI热点失败：netsh 返回了错误代码 ", std::to_string(exitCode), "。", kNetshHint});
}

Text NetshDidNotEnd(std::uint32_t seconds) {
  return Joined({"netsh 在", std::to_string(seconds), "秒内没有结束，无法确认WIFI热点已关闭。"});
}

Text CannotStoreBootEntry() {
  return Joined(
      {"WIFI共享已开启，但无法写入开机自动启动项（注册表 HKEY_LOCAL_MACHINE\\SOFTWARE\\"
       "Microsoft\\Windows\\CurrentVersion\\Run 下的 Wlan）。",
       kAdminHint});
}

Text CannotRemoveBootEntry() {
  return Joined(
      {"无法删除开机自动启动项（注册表 HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\"
       "CurrentVersion\\Run 下的 Wlan）。",
       kAdminHint});
}

}  // namespace lumora::messages
