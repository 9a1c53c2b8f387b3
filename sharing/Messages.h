#pragma once

#include <string_view>

#include "platform/SystemOperations.h"

// Every message box the sharing procedures show.
namespace lumora::messages {

struct Message {
  std::string_view text;
  std::string_view title;
  MessageStyle style;
};

inline constexpr std::string_view kRefusedTitle = "你丫的不听话";
inline constexpr std::string_view kStartFailedTitle = "WIFI共享开启失败";
inline constexpr std::string_view kStopFailedTitle = "WIFI共享关闭失败";
inline constexpr std::string_view kAdminHint = "请右键点击本程序，选择“以管理员身份运行”后再试。";
inline constexpr std::string_view kNetshHint =
    "请确认本程序是以管理员身份运行的，并且无线网卡及其驱动支持承载网络。";

inline constexpr Message kShortPassword{"我不是和你说了密码要8位数以上么？！", kRefusedTitle,
                                        MessageStyle::Error};
inline constexpr Message kEmptyName{"WiFi热点名不能为空！", kRefusedTitle, MessageStyle::Error};
inline constexpr Message kLongName{"WiFi热点名最多32个字节（一个汉字算2个字节）！", kRefusedTitle,
                                   MessageStyle::Error};
inline constexpr Message kNameCharacters{"WiFi热点名不能含有双引号（\"）或控制字符！",
                                         kRefusedTitle, MessageStyle::Error};
inline constexpr Message kLongPassword{"密码最多63位！", kRefusedTitle, MessageStyle::Error};
inline constexpr Message kPasswordCharacters{
    "密码只能由英文字母、数字、空格和英文标点组成，且不能含有双引号（\"）！", kRefusedTitle,
    MessageStyle::Error};
inline constexpr Message kConnectionCharacters{
    "所选网络连接的名称含有双引号（\"）或控制字符，无法共享！", kRefusedTitle, MessageStyle::Error};

inline constexpr Message kStartSucceeded{"恭喜，WIFI共享信息设置成功！", "GOOD JOB！",
                                         MessageStyle::Information};
inline constexpr Message kBootQuestion{"是否每次开机自动开启WIFI？（不用启动本程序）",
                                       "如果不想麻烦的话请选【是】", MessageStyle::YesNo};
inline constexpr Message kThanks{"谢谢使用本程序", "", MessageStyle::Information};
inline constexpr Message kBootEntryStored{
    "设置成功，如果觉得本程序还不错，求点广告一次，好人一生平安~", "", MessageStyle::Information};
inline constexpr Message kStopSucceeded{"关闭WIFI共享成功", "", MessageStyle::Information};

inline constexpr std::string_view kStartedBalloonTitle = "WIFI共享开启中";
inline constexpr std::string_view kStartedBalloonText = "关闭WIFI共享请在程序内设置";
inline constexpr std::string_view kStoppedBalloonTitle = "WIFI共享已取消";
inline constexpr std::string_view kStoppedBalloonText = "开启WIFI共享请在程序内设置";

}  // namespace lumora::messages
