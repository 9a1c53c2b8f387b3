// The stored bytes of the connection-sharing script, as they are written to disk.
#include <gtest/gtest.h>

#include <algorithm>

#include "resources/Templates.h"
#include "tests/script/ScriptHost.h"

namespace lumora::testing {
namespace {

const std::string kScript(resources::ConnectionSharingScript());

TEST(ConnectionSharingScriptText, HasCrLfLineEndsOnlyAndNoneAfterTheLastLine) {
  EXPECT_TRUE(kScript.starts_with("OPTION EXPLICIT\r\n"));
  EXPECT_FALSE(kScript.ends_with("\n"));
  for (const std::string& line : CrLfLines(kScript))
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
}

// Every other character is ASCII; the comments are CP936, on the lines taking the arguments.
TEST(ConnectionSharingScriptText, OnlyTheArgumentCommentsAreChinese) {
  std::vector<std::string> chinese;
  for (const std::string& line : CrLfLines(kScript)) {
    if (std::any_of(line.begin(), line.end(), [](char c) { return c & 0x80; }))
      chinese.push_back(line);
  }
  const std::pair<const char*, const char*> expected[] = {
      {"priv_con = objArgs(0)", "'内网连接名"},
      {"publ_con = objArgs(1)", "'外网连接名"},
      {"switch = objArgs(2)", "'状态切换开关 on 为 打开ics  off 相反"}};
  ASSERT_EQ(chinese.size(), std::size(expected));
  for (std::size_t i = 0; i < chinese.size(); ++i) {
    EXPECT_NE(chinese[i].find(expected[i].first), std::string::npos) << chinese[i];
    EXPECT_TRUE(chinese[i].ends_with(expected[i].second)) << chinese[i];
  }
}

}  // namespace
}  // namespace lumora::testing
