#include <string>

#include "app/WindowDefinition.h"
#include "resources/Icons.h"
#include "resources/Templates.h"

namespace lumora {
namespace {

using ui::Hyperlink;
using ui::Label;
using ui::Rgb;
using ui::TrayIconControl;
using ui::WebPane;

constexpr std::string_view kSiteAddress = "http://www.zentrovy.example";

constexpr FontSpec kFontA{"微软雅黑", 19, 400, false, 134, 3, 2, 1, 0x22};
constexpr FontSpec kFontB{"微软雅黑", 16, 400, false, 134, 3, 2, 1, 0x22};
constexpr FontSpec kFontC{"微软雅黑", 15, 400, false, 134, 3, 2, 1, 0x22};
constexpr FontSpec kFontD{"微软雅黑", 14, 400, false, 134, 3, 2, 1, 0x22};
constexpr FontSpec kFontE{"", 14, 700, false, 134, 0, 0, 0, 0};
constexpr FontSpec kFontF{"Franklin Gothic Medium", 16, 400, true, 0, 3, 2, 1, 0x22};

constexpr Label kRedLabel{Rgb(255, 0, 0)};
constexpr Label kBlackLabel{};
constexpr Label kCover{};
constexpr EditBox kBox{};

constexpr bool kShown = true;
constexpr bool kHidden = false;
constexpr bool kEnabled = false;
constexpr bool kTabStop = true;
constexpr bool kNoTabStop = false;
constexpr Cursor kArrow = Cursor::Arrow;
constexpr Cursor kHand = Cursor::Hand;

std::vector<ControlRecord> Controls() {
  using namespace resources;
  // The start addresses keep the backslash before the page name as the site gave them.
  static const std::string bannerPage = std::string(kSiteAddress) + "\\ad.htm";
  static const std::string sidePage = std::string(kSiteAddress) + "\\ad2.htm";
  const Hyperlink credit{kSiteAddress, Rgb(0, 0, 128), Rgb(128, 0, 0), Rgb(51, 153, 255)};
  // clang-format off
  return {
    {"托盘图标1", TrayIconControl{ProgramIconData(), ""}, -8, 328, 26, 26, kHidden, kEnabled, kNoTabStop, kArrow, 0, "", nullptr},
    {"按钮2", PushButton{}, 328, 187, 96, 25, kShown, kEnabled, kTabStop, kArrow, 0, "停止共享", &kFontB},
    {"标签11", kCover, 494, 317, 168, 16, kShown, kEnabled, kNoTabStop, kArrow, 0, "", nullptr},
    {"标签10", kCover, 634, 71, 38, 264, kShown, kEnabled, kNoTabStop, kArrow, 0, "", nullptr},
    {"标签9", kCover, 436, 68, 20, 264, kShown, kEnabled, kNoTabStop, kArrow, 0, "", nullptr},
    {"标签7", kCover, 430, 55, 184, 24, kShown, kEnabled, kNoTabStop, kArrow, 0, "", nullptr},
    {"超文本浏览框3", WebPane{2, false, true, sidePage}, 442, 60, 168, 291, kShown, kEnabled, kTabStop, kArrow, 0, "", nullptr},
    {"超文本浏览框2", WebPane{2, false, false, bannerPage}, -48, -18, 784, 73, kShown, kEnabled, kTabStop, kHand, 0, "", nullptr},
    {"组合框1", ComboBox{{"本地连接"}}, 224, 147, 200, 32, kShown, kEnabled, kTabStop, kArrow, 0, "", &kFontD},
    {"超文本浏览框1", WebPane{2, false, false, ""}, 392, 384, 16, 8, kHidden, kEnabled, kTabStop, kArrow, 0, "", nullptr},
    {"人工求助", PushButton{}, 224, 218, 200, 25, kShown, kEnabled, kTabStop, kHand, 0, "或者点此人工求助", &kFontB},
    {"标签8", kRedLabel, 45, 268, 272, 16, kShown, kEnabled, kNoTabStop, kArrow, 0, "4、如果暂时没有设置成功，请等半分钟后再试一次", nullptr},
    {"标签6", kRedLabel, 45, 251, 288, 16, kShown, kEnabled, kNoTabStop, kArrow, 0, "3、为了避免设置失败，请允许程序通过防火墙的拦截", nullptr},
    {"标签2", kRedLabel, 46, 197, 64, 16, kShown, kEnabled, kNoTabStop, kArrow, 0, "使用帮助：", &kFontE},
    {"标签5", kRedLabel, 45, 233, 152, 16, kShown, kEnabled, kNoTabStop, kArrow, 0, "2、密码至少是8位以上字符", nullptr},
    {"标签4", kRedLabel, 45, 213, 184, 24, kShown, kEnabled, kNoTabStop, kArrow, 0, "1、WiFi热点名和密码请自行设置", nullptr},
    {"标签3", kBlackLabel, 35, 165, 168, 22, kShown, kEnabled, kNoTabStop, kArrow, 0, "（不用拨号的请选择本地连接）", nullptr},
    {"编辑框7", kBox, 280, 424, 96, 56, kHidden, kEnabled, kTabStop, kArrow, 0, ShareLineTail(), nullptr},
    {"编辑框6", kBox, 152, 424, 104, 48, kHidden, kEnabled, kTabStop, kArrow, 0, ShareLineHead(), nullptr},
    {"编辑框5", kBox, 400, 416, 144, 64, kHidden, kEnabled, kTabStop, kArrow, 0, ConnectionSharingScript(), nullptr},
    {"标签1", kBlackLabel, 43, 139, 168, 32, kShown, kEnabled, kNoTabStop, kArrow, 0, "你拨号的宽带连接名称：", &kFontC},
    {"编辑框4", kBox, 720, 360, 200, 16, kHidden, kEnabled, kTabStop, kArrow, 0, "", &kFontC},
    {"超级链接框1", credit, 52, 285, 364, 22, kShown, kEnabled, kNoTabStop, kHand, 0, "Copyright (C) 2013 Zentrovy  QQ: 1738205946", &kFontF},
    {"编辑框3", EditBox{true}, 8, 424, 120, 48, kHidden, kEnabled, kTabStop, kArrow, 0, "", nullptr},
    {"输入账号密码2", kBox, 712, 216, 64, 24, kHidden, kEnabled, kTabStop, kArrow, 0, KeyClause(), nullptr},
    {"输入账号密码3", kBox, 720, 264, 72, 24, kHidden, kEnabled, kTabStop, kArrow, 0, StartCommand(), nullptr},
    {"隐藏运行框", kBox, 568, 408, 200, 48, kHidden, kEnabled, kTabStop, kArrow, 0, HiddenLauncher(), nullptr},
    {"输入账号密码1", kBox, 768, 320, 56, 24, kHidden, kEnabled, kTabStop, kArrow, 0, HostedNetworkHead(), nullptr},
    {"按钮1", PushButton{}, 224, 187, 96, 25, kShown, kEnabled, kTabStop, kHand, 0, "开始共享", &kFontB},
    {"编辑框2", EditBox{false, '*'}, 135, 108, 288, 32, kShown, kEnabled, kTabStop, kArrow, 0, "", &kFontA},
    {"编辑框1", kBox, 135, 68, 288, 32, kShown, kEnabled, kTabStop, kArrow, 0, "", &kFontA},
    {"密码", kBlackLabel, 39, 108, 88, 32, kShown, kEnabled, kNoTabStop, kArrow, 0, "WiFi  密码 ：", &kFontD},
    {"SSID", kBlackLabel, 39, 68, 80, 32, kShown, kEnabled, kNoTabStop, kArrow, 0, "WiFi热点名：", &kFontD},
  };
  // clang-format on
}

}  // namespace

const WindowDefinition& MainWindowDefinition() {
  static const WindowDefinition definition{
      .settings = {.title = "Lumora Pandrel V1.2 Beta   By Zentrovy",
                   .width = 580,
                   .height = 342,
                   .left = 50,
                   .top = 50,
                   .centred = true,
                   .minimiseBox = true,
                   .maximiseBox = false,
                   .sizeable = false,
                   .clipChildren = true,
                   .escapeCloses = true},
      .controls = Controls(),
      // The only top-level entry is hidden: no menu bar; it serves as the tray menu.
      .menu = {{"菜单", 0, true}, {"退出程序", 1, false}},
  };
  return definition;
}

}  // namespace lumora
