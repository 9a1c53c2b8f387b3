#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "tools/hnetshare/Scenario.h"

namespace lumora::hnetshare {

// The connections of one scenario, whose sharing the calls of one script run change.
class Network {
 public:
  explicit Network(Scenario scenario) : scenario_(std::move(scenario)) {}

  const Scenario& scenario() const { return scenario_; }
  const Connection& connection(std::size_t index) const { return scenario_.connections[index]; }

  // Positions of the connections shared as `sharing`, in enumeration order.
  std::vector<std::size_t> SharedAs(Sharing sharing) const;

  // Both log the call, failed or not. `type` is the platform's: 0 public, 1 private.
  HRESULT EnableSharing(std::size_t index, int type);
  HRESULT DisableSharing(std::size_t index);

 private:
  void Log(std::size_t index, const std::string& call, bool failed) const;

  Scenario scenario_;
};

}  // namespace lumora::hnetshare
