// The embedded connection-sharing script, run by the script host against the sharing
// manager double: what it echoes, line by line, and which sharing calls it makes.
#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>

#include "resources/Templates.h"
#include "tests/script/ScriptHost.h"
#include "tests/script/SharingDouble.h"
#include "tests/win32/TestSupport.h"
#include "tools/hnetshare/Scenario.h"
#include "tools/hnetshare/SharingDoubleClass.h"

namespace lumora::testing {
namespace {

using hnetshare::Connection;
using hnetshare::Scenario;
using hnetshare::Sharing;
using Lines = std::vector<std::string>;

// The hosted network's connection, a wired one and a dial-up one.
const Connection kHosted{"无线网络连接 2", "{2A6F1C4E-8B3D-4E5F-9A71-0C3D5E7F9B11}",
                         "Microsoft Virtual WiFi Miniport Adapter", 2, 3};
const Connection kWired{"本地连接", "{7D2E4B91-3C5A-4F68-B0E2-91A4C6D8F023}",
                        "Realtek PCIe GBE Family Controller", 2, 3};
const Connection kDialUp{"ADSL", "{C41B7E2D-5F93-4A06-8D1C-3E6B9F0A2754}", "WAN Miniport (PPPOE)",
                         0, 4};

Connection SharedAs(Connection connection, Sharing sharing) {
  connection.sharing = sharing;
  return connection;
}

Connection FailingToShare(Connection connection) {
  connection.enableFails = true;
  return connection;
}

Scenario Network(std::vector<Connection> connections, std::optional<bool> sharingInstalled = true) {
  return Scenario{"", sharingInstalled, std::move(connections)};
}

Lines Join(std::initializer_list<Lines> parts) {
  Lines joined;
  for (const Lines& part : parts) joined.insert(joined.end(), part.begin(), part.end());
  return joined;
}

// The three count lines, then the blank lines that open the walk over the connections.
Lines Enumerated(int publicCount, int privateCount, int allCount) {
  return {std::to_string(publicCount) + " objects for connection type public",
          std::to_string(privateCount) + " objects for connection type private",
          std::to_string(allCount) + " objects for connection type all",
          "",
          "",
          ""};
}

Lines Description(const Connection& c) {
  Lines lines{"Name: " + c.name, "Guid: " + c.guid, "DeviceName: " + c.deviceName,
              "Status: " + std::to_string(c.status), "MediaType: " + std::to_string(c.mediaType)};
  if (c.sharing == Sharing::Public)
    lines.insert(lines.end(), {"SharingEnabled", "SharingType: public"});
  if (c.sharing == Sharing::Private)
    lines.insert(lines.end(), {"SharingEnabled", "SharingType: private"});
  return lines;
}

Lines Described(const Connection& c) {
  return Join({Description(c), {"", ""}});
}

Lines Enabled(const Connection& c, const std::string& role) {
  return Join({Description(c),
               {"Not Shared... Enabling " + role + " connection share...", " Shared!", "", ""}});
}

// The description with the switching-off line is echoed twice: before the call and after.
Lines Disabled(const Connection& c, const std::string& role) {
  const Lines announced =
      Join({Description(c), {"Shared... DisEnabling " + role + " connection share..."}});
  return Join({announced, announced, {"", ""}});
}

Lines NotFound(const std::string& name) {
  return {"Connection \"" + name + "\" was not found"};
}

const Lines kNoSharing = {"Sharing isn't available on this platform."};

const Lines kUsage = {
    "To share your internet connection, please provide the name of the private and public "
    "connections as the argument.",
    "",
    "Usage:",
    "       share.vbs \"Private Connection Name\" \"Public Connection Name\"",
    "",
    ""};

struct Case {
  const char* name;
  Scenario scenario;
  Lines arguments;
  Lines output;
  Lines calls;  // as the double logs them, "<connection>: <call>"
};

void PrintTo(const Case& c, std::ostream* out) {
  *out << c.name;
}

const Case kCases[] = {
    {"OnSharesBothInEnumerationOrder",
     Network({kWired, kDialUp, kHosted}),
     {kHosted.name, kWired.name, "on"},
     Join({Enumerated(0, 0, 3), Enabled(kWired, "public"), Described(kDialUp),
           Enabled(kHosted, "private")}),
     {"本地连接: EnableSharing 0", "无线网络连接 2: EnableSharing 1"}},
    {"SharingInstalledFalseDoesNotStopIt",
     Network({kWired, kHosted}, false),
     {kHosted.name, kWired.name, "on"},
     Join({Enumerated(0, 0, 2), Enabled(kWired, "public"), Enabled(kHosted, "private")}),
     {"本地连接: EnableSharing 0", "无线网络连接 2: EnableSharing 1"}},
    {"SameNameForBothGetsPrivateSharingOnly",
     Network({kWired, kHosted}),
     {kWired.name, kWired.name, "on"},
     Join({Enumerated(0, 0, 2), Enabled(kWired, "private"), Described(kHosted)}),
     {"本地连接: EnableSharing 1"}},
    {"PublicNameInOtherLetterCaseIsNotFound",
     Network({kHosted, kDialUp}),
     {kHosted.name, "adsl", "on"},
     Join({Enumerated(0, 0, 2), Enabled(kHosted, "private"), Described(kDialUp), NotFound("adsl")}),
     {"无线网络连接 2: EnableSharing 1"}},
    {"PublicNameWithTrailingSpaceIsNotFound",
     Network({kHosted, kWired}),
     {kHosted.name, "本地连接 ", "on"},
     Join({Enumerated(0, 0, 2), Enabled(kHosted, "private"), Described(kWired),
           NotFound("本地连接 ")}),
     {"无线网络连接 2: EnableSharing 1"}},
    {"OnInCapitalsOnlyDescribes",
     Network({kWired, kHosted}),
     {kHosted.name, "宽带连接", "ON"},
     Join({Enumerated(0, 0, 2), Described(kWired), Described(kHosted), NotFound("宽带连接")}),
     {}},
    {"OffInCapitalsOnlyDescribes",
     Network({SharedAs(kWired, Sharing::Public), SharedAs(kHosted, Sharing::Private)}),
     {kHosted.name, kWired.name, "OFF"},
     Join({Enumerated(1, 1, 2), Described(SharedAs(kWired, Sharing::Public)),
           Described(SharedAs(kHosted, Sharing::Private))}),
     {}},
    {"OffSwitchesBothNamedOffSharedOrNot",
     Network({SharedAs(kHosted, Sharing::Private), kDialUp, kWired}),
     {kHosted.name, kWired.name, "off"},
     Join({Enumerated(0, 1, 3), Disabled(SharedAs(kHosted, Sharing::Private), "private"),
           Described(kDialUp), Disabled(kWired, "public")}),
     {"无线网络连接 2: DisableSharing", "本地连接: DisableSharing"}},
    {"AlreadySharedOfEitherTypeIsLeftAlone",
     Network({SharedAs(kWired, Sharing::Public), kDialUp, SharedAs(kHosted, Sharing::Private)}),
     {kHosted.name, kWired.name, "on"},
     Join({Enumerated(1, 1, 3), Described(SharedAs(kWired, Sharing::Public)), Described(kDialUp),
           Described(SharedAs(kHosted, Sharing::Private))}),
     {}},
    {"FailingEnableSharingIsPassedOver",
     Network({FailingToShare(kHosted), kWired}),
     {kHosted.name, kWired.name, "on"},
     Join({Enumerated(0, 0, 2), Enabled(kHosted, "private"), Enabled(kWired, "public")}),
     {"无线网络连接 2: EnableSharing 1 failed", "本地连接: EnableSharing 0"}},
    {"NoConnectionAtAllReportsBothNames",
     Network({}),
     {kHosted.name, kWired.name, "on"},
     Join({Enumerated(0, 0, 0), NotFound(kHosted.name), NotFound(kWired.name)}),
     {}},
    {"SharingNotInstalledStopsBeforeEnumerating",
     Network({kWired, kHosted}, std::nullopt),
     {kHosted.name, kWired.name, "on"},
     kNoSharing,
     {}},
    {"TwoArgumentsOnlyListThenShowUsage",
     Network({kWired, kHosted}),
     {kHosted.name, kWired.name},
     Join({Enumerated(0, 0, 2), Described(kWired), Described(kHosted), kUsage}),
     {}},
    {"FourArgumentsOnlyListThenShowUsage",
     Network({kWired, kHosted}),
     {kHosted.name, kWired.name, "on", "on"},
     Join({Enumerated(0, 0, 2), Described(kWired), Described(kHosted), kUsage}),
     {}},
    {"UsageComesEvenWithoutSharing",
     Network({kWired}, std::nullopt),
     {},
     Join({kNoSharing, kUsage}),
     {}},
};

class ConnectionSharingScript : public ::testing::TestWithParam<Case> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(registration_.registered());
    std::ofstream(scriptPath_, std::ios::binary) << resources::ConnectionSharingScript();
  }

  struct Outcome {
    Lines output;
    Lines calls;  // what the double logged
  };

  Outcome Run(Scenario scenario, const Lines& arguments) {
    scenario.logPath = folder_ + "\\calls.log";
    DeleteFileA(scenario.logPath.c_str());
    const std::string scenarioPath = folder_ + "\\scenario.txt";
    std::ofstream(scenarioPath, std::ios::binary) << hnetshare::FormatScenario(scenario);
    const ScriptRun run = RunCscript(
        scriptPath_, arguments, std::string(hnetshare::kScenarioVariable) + "=" + scenarioPath);
    EXPECT_TRUE(run.ended) << "cscript did not start or did not end";
    return {CrLfLines(run.output), CrLfLines(ReadWholeFile(scenario.logPath))};
  }

 private:
  SharingDoubleRegistration registration_;
  std::string folder_ = FreshTempFolder("sharing-script");
  // Not ics.vbs: the usage text has to name whatever file the script runs from.
  std::string scriptPath_ = folder_ + "\\share.vbs";
};

TEST_P(ConnectionSharingScript, EchoesAndSwitchesSharing) {
  const Case& c = GetParam();
  const Outcome outcome = Run(c.scenario, c.arguments);
  EXPECT_EQ(outcome.output, c.output);
  EXPECT_EQ(outcome.calls, c.calls);
}

INSTANTIATE_TEST_SUITE_P(Cases, ConnectionSharingScript, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumora::testing
