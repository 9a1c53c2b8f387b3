#pragma once

#include "platform/Text.h"

namespace lumora {

// Joins head, name, key clause, password, CR LF and start command, nothing in between.
Text ComposeHostedNetworkScript(const Text& head, const Text& hotspotName, const Text& keyClause,
                                const Text& password, const Text& startCommand);

// Joins the first part, the connection name and the last part, nothing in between.
Text ComposeShareCommandLine(const Text& firstPart, const Text& connectionName,
                             const Text& lastPart);

}  // namespace lumora
