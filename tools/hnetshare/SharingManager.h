#pragma once

#include <oaidl.h>
#include <windows.h>

#include <memory>

#include "tools/hnetshare/Network.h"

namespace lumora::hnetshare {

// The sharing manager over `network`, with the members a sharing script uses: its
// enumerations, and a connection's properties and sharing configuration. One reference.
IDispatch* NewSharingManager(std::shared_ptr<Network> network);

}  // namespace lumora::hnetshare
