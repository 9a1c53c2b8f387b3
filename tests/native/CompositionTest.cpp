#include <gtest/gtest.h>

#include "resources/Templates.h"
#include "sharing/Composition.h"

namespace lumora {
namespace {

Text HostedNetworkScript(const Text& name, const Text& password) {
  using namespace resources;
  return ComposeHostedNetworkScript(Text(HostedNetworkHead()), name, Text(KeyClause()), password,
                                    Text(StartCommand()));
}

Text ShareLine(const Text& connection) {
  using namespace resources;
  return ComposeShareCommandLine(Text(ShareLineHead()), connection, Text(ShareLineTail()));
}

bool EndsWithLineEnd(const Text& text) {
  return text.ends_with("\r\n");
}

TEST(Composition, HostedNetworkScriptIsThreeLines) {
  const Text script = HostedNetworkScript("abc", "12345678");
  EXPECT_EQ(script,
            "netsh wlan set hostednetwork mode=allow\r\n"
            "netsh wlan set hostednetwork ssid=abc key=12345678\r\n"
            "netsh wlan start hostednetwork");
  EXPECT_EQ(script.size(), 123u);
  EXPECT_FALSE(EndsWithLineEnd(script));
}

TEST(Composition, HostedNetworkScriptInsertsInputExactly) {
  struct Case {
    Text name, password, secondLine;
  };
  const Case cases[] = {
      {"", "12345678", "netsh wlan set hostednetwork ssid= key=12345678"},
      {"my net", "pass word", "netsh wlan set hostednetwork ssid=my net key=pass word"},
      {"热点", "12345678", "netsh wlan set hostednetwork ssid=\xC8\xC8\xB5\xE3 key=12345678"},
  };
  for (const Case& c : cases) {
    const Text script = HostedNetworkScript(c.name, c.password);
    EXPECT_NE(script.find("\r\n" + c.secondLine + "\r\n"), Text::npos) << c.name;
  }
}

TEST(Composition, ShareLineForLocalConnection) {
  const Text line = ShareLine("本地连接");
  EXPECT_EQ(line.size(), 67u);
  EXPECT_EQ(line, "cscript /nologo C:\\Windows\\ics.vbs \"无线网络连接 2\" \"本地连接\" \"on\"");
  EXPECT_FALSE(EndsWithLineEnd(line));
}

TEST(Composition, EmptyConnectionGivesEmptySecondArgument) {
  EXPECT_EQ(ShareLine(""), "cscript /nologo C:\\Windows\\ics.vbs \"无线网络连接 2\" \"\" \"on\"");
}

TEST(Composition, HiddenLauncherHasNoTrailingLineEnd) {
  EXPECT_FALSE(EndsWithLineEnd(Text(resources::HiddenLauncher())));
}

}  // namespace
}  // namespace lumora
