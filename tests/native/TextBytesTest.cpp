// Literals in the sources are UTF-8; the program must carry them as CP936 bytes.
#include <gtest/gtest.h>

#include <string_view>

#include "resources/Templates.h"

namespace {

TEST(TextBytes, ChineseLiteralsAreCp936) {
  EXPECT_EQ(std::string_view("本地连接"), "\xB1\xBE\xB5\xD8\xC1\xAC\xBD\xD3");
  EXPECT_EQ(std::string_view("开始共享"), "\xBF\xAA\xCA\xBC\xB9\xB2\xCF\xED");
  // A full-width space is A1 A1 in this code page.
  EXPECT_EQ(std::string_view("　"), "\xA1\xA1");
  EXPECT_EQ(std::string_view("本地连接").size(), 8u);
}

TEST(TextBytes, TemplateResourcesHaveTheirExactBytes) {
  using namespace lumora::resources;
  EXPECT_EQ(HostedNetworkHead(),
            "netsh wlan set hostednetwork mode=allow\r\nnetsh wlan set hostednetwork ssid=");
  EXPECT_EQ(HostedNetworkHead().size(), 75u);
  EXPECT_EQ(KeyClause(), " key=");
  EXPECT_EQ(StartCommand(), "netsh wlan start hostednetwork");
  EXPECT_EQ(
      ShareLineHead(),
      "cscript /nologo C:\\Windows\\ics.vbs \"\xCE\xDE\xCF\xDF\xCD\xF8\xC2\xE7\xC1\xAC\xBD\xD3"
      " 2\" \"");
  EXPECT_EQ(ShareLineHead().size(), 53u);
  EXPECT_EQ(ShareLineTail(), "\" \"on\"");
  EXPECT_EQ(HiddenLauncher(),
            "set ws=WScript.CreateObject(\"WScript.Shell\")\r\nws.Run \"Wlan.bat /start\",0");
  EXPECT_EQ(HiddenLauncher().size(), 72u);
}

}  // namespace
