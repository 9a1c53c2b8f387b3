#include <vector>

#include "sharing/BatchText.h"
#include "sharing/Composition.h"
#include "sharing/ControlNames.h"
#include "sharing/FailureMessages.h"
#include "sharing/InputCheck.h"
#include "sharing/Notices.h"
#include "sharing/Paths.h"
#include "sharing/SharingProcedures.h"

namespace lumora {
namespace {

constexpr std::uint32_t kHostedNetworkSettleMs = 6000;
constexpr std::uint32_t kSharingSettleMs = 2000;

// The scripts that one start writes and removes again, succeed or fail.
class TemporaryScripts {
 public:
  explicit TemporaryScripts(SystemOperations& system) : system_(system) {}

  bool Write(std::string_view path, const Text& bytes) {
    written_.push_back(path);
    return system_.WriteFileBytes(Text(path), bytes);
  }

  // Last written, first removed.
  void RemoveAll() {
    for (auto path = written_.rbegin(); path != written_.rend(); ++path)
      system_.RemoveFile(Text(*path));
    written_.clear();
  }

 private:
  SystemOperations& system_;
  std::vector<std::string_view> written_;
};

struct StartInput {
  Text hotspotName;
  Text connectionName;
  Text shareCommandLine;
};

// Runs on every click, before the input is judged: leaves the composed script and the
// chosen connection in their boxes.
StartInput ComposeIntoBoxes(WindowOperations& window) {
  using namespace controls;
  StartInput input;
  input.hotspotName = window.ControlText(kHotspotName);
  const Text password = window.ControlText(kPassword);
  window.SetControlText(
      kComposedScript,
      ComposeHostedNetworkScript(window.ControlText(kScriptHead),
                                 QuoteBatchValue(input.hotspotName), window.ControlText(kKeyClause),
                                 QuoteBatchValue(password), window.ControlText(kStartCommand)));
  const int chosen = window.ComboSelection(kConnectionChoice);
  window.SetControlText(kChosenConnection, window.ComboItemText(kConnectionChoice, chosen));
  input.connectionName = window.ControlText(kChosenConnection);
  input.shareCommandLine = ComposeShareCommandLine(window.ControlText(kShareLineHead),
                                                   DoublePercents(input.connectionName),
                                                   window.ControlText(kShareLineTail));
  return input;
}

// Writes and runs the scripts; true once the hosted network and sharing were started
// and the user was told so.
bool StartHotspot(SystemOperations& system, WindowOperations& window,
                  const Text& shareCommandLine) {
  using namespace paths;
  TemporaryScripts temporaries(system);
  const auto fail = [&](const Text& why) {
    temporaries.RemoveAll();
    ShowFailure(system, messages::kStartFailedTitle, why);
    return false;
  };
  if (!system.WriteFileBytes(Text(kHostedNetworkScript),
                             window.ControlText(controls::kComposedScript)))
    return fail(messages::CannotWrite(kHostedNetworkScript));
  if (!temporaries.Write(kSharingScript, window.ControlText(controls::kSharingScript)))
    return fail(messages::CannotWrite(kSharingScript));
  if (!temporaries.Write(kShareCommandScript, shareCommandLine))
    return fail(messages::CannotWrite(kShareCommandScript));

  const auto hostedNetwork = system.RunHidden(Text(kHostedNetworkScript));
  if (!hostedNetwork) return fail(messages::CannotRun(kHostedNetworkScript));
  system.PauseWithEvents(kHostedNetworkSettleMs);
  // Still running is no failure; an ended script tells through its last netsh call.
  if (const auto exitCode = hostedNetwork->ExitCode(); exitCode && *exitCode != 0)
    return fail(messages::NetshFailed("开启", *exitCode));
  if (!system.RunHidden(Text(kShareCommandScript)))
    return fail(messages::CannotRun(kShareCommandScript));
  system.PauseWithEvents(kSharingSettleMs);

  Show(system, messages::kStartSucceeded);
  temporaries.RemoveAll();
  return true;
}

void OfferBootEntry(SystemOperations& system, WindowOperations& window) {
  using namespace paths;
  if (Show(system, messages::kBootQuestion) == Button::No) {
    Show(system, messages::kThanks);
    ShowStartedBalloon(window);
    return;
  }
  if (!system.WriteFileBytes(Text(kHiddenLauncher),
                             window.ControlText(controls::kHiddenLauncher))) {
    ShowFailure(system, messages::kStartFailedTitle, messages::CannotWrite(kHiddenLauncher));
    return;
  }
  if (!system.WriteRegistryText(RegistryRoot::LocalMachine, Text(kBootEntry),
                                Text(kHiddenLauncher))) {
    ShowFailure(system, messages::kStartFailedTitle, messages::CannotStoreBootEntry());
    return;
  }
  Show(system, messages::kBootEntryStored);
  ShowStartedBalloon(window);
}

}  // namespace

void StartSharing(SystemOperations& system, WindowOperations& window) {
  const StartInput input = ComposeIntoBoxes(window);
  // Judged as the box holds it now, after composing.
  const Text password = window.ControlText(controls::kPassword);
  if (const auto refusal = RefusalOfInput(input.hotspotName, password, input.connectionName)) {
    Show(system, *refusal);
    return;
  }
  if (StartHotspot(system, window, input.shareCommandLine)) OfferBootEntry(system, window);
}

}  // namespace lumora
