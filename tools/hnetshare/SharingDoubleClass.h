#pragma once

#include <guiddef.h>

namespace lumora::hnetshare {

// The class of the double; tests register it under the program id HNetCfg.HNetShare.1.
constexpr CLSID kSharingDoubleClassId = {
    0x17b38e07, 0x607d, 0x4d04, {0xbf, 0xea, 0x76, 0xe3, 0xca, 0x7d, 0x95, 0xdd}};

// The environment variable that names the scenario file a new manager reads.
constexpr char kScenarioVariable[] = "LUMORA_HNETSHARE_SCENARIO";

}  // namespace lumora::hnetshare
