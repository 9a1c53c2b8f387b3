#include <optional>

#include "sharing/FailureMessages.h"
#include "sharing/Notices.h"
#include "sharing/Paths.h"
#include "sharing/SharingProcedures.h"

namespace lumora {
namespace {

constexpr std::uint32_t kNetshPatienceSeconds = 10;

// What went wrong, or nothing when the hosted network is off and the boot entry gone.
std::optional<Text> StopFailure(const LaunchedProcess* netsh, bool netshEnded,
                                RemovalResult bootEntry) {
  if (!netsh) return messages::CannotRun(paths::kDisallowCommand);
  if (!netshEnded) return messages::NetshDidNotEnd(kNetshPatienceSeconds);
  if (const auto exitCode = netsh->ExitCode(); exitCode && *exitCode != 0)
    return messages::NetshFailed("关闭", *exitCode);
  if (bootEntry == RemovalResult::Failed) return messages::CannotRemoveBootEntry();
  return std::nullopt;
}

}  // namespace

void StopSharing(SystemOperations& system, WindowOperations& window) {
  using namespace paths;
  const auto netsh = system.RunHidden(Text(kDisallowCommand));
  const bool netshEnded = netsh && netsh->AwaitEndWithEvents(kNetshPatienceSeconds * 1000);
  system.RemoveFile(Text(kHostedNetworkScript));
  system.RemoveFile(Text(kHiddenLauncher));
  // The launcher is gone, so an entry naming it would fail at every logon.
  const RemovalResult bootEntry =
      system.RemoveRegistryValue(RegistryRoot::LocalMachine, Text(kBootEntry));
  if (const auto failure = StopFailure(netsh.get(), netshEnded, bootEntry)) {
    ShowFailure(system, messages::kStopFailedTitle, *failure);
    return;
  }
  Show(system, messages::kStopSucceeded);
  ShowStoppedBalloon(window);
}

}  // namespace lumora
