#pragma once

#include "platform/SystemOperations.h"
#include "platform/WindowOperations.h"

namespace lumora {

// The start button's handler: composes and writes the scripts, starts the hosted network
// and connection sharing, offers to start the hotspot at every logon.
void StartSharing(SystemOperations& system, WindowOperations& window);

// The stop button's handler: switches the hosted network off and removes the scripts and
// the logon entry.
void StopSharing(SystemOperations& system, WindowOperations& window);

}  // namespace lumora
