#pragma once

#include <string_view>

// The names of the main window's controls that the sharing procedures address.
namespace lumora::controls {

inline constexpr std::string_view kHotspotName = "编辑框1";
inline constexpr std::string_view kPassword = "编辑框2";
inline constexpr std::string_view kComposedScript = "编辑框3";
inline constexpr std::string_view kChosenConnection = "编辑框4";
inline constexpr std::string_view kSharingScript = "编辑框5";
inline constexpr std::string_view kShareLineHead = "编辑框6";
inline constexpr std::string_view kShareLineTail = "编辑框7";
inline constexpr std::string_view kScriptHead = "输入账号密码1";
inline constexpr std::string_view kKeyClause = "输入账号密码2";
inline constexpr std::string_view kStartCommand = "输入账号密码3";
inline constexpr std::string_view kHiddenLauncher = "隐藏运行框";
inline constexpr std::string_view kConnectionChoice = "组合框1";
inline constexpr std::string_view kNoticeIcon = "托盘图标1";

}  // namespace lumora::controls
