#include "sharing/Composition.h"

namespace lumora {

Text ComposeHostedNetworkScript(const Text& head, const Text& hotspotName, const Text& keyClause,
                                const Text& password, const Text& startCommand) {
  return head + hotspotName + keyClause + password + "\r\n" + startCommand;
}

Text ComposeShareCommandLine(const Text& firstPart, const Text& connectionName,
                             const Text& lastPart) {
  return firstPart + connectionName + lastPart;
}

}  // namespace lumora
