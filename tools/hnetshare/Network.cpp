#include "tools/hnetshare/Network.h"

#include <fstream>

namespace lumora::hnetshare {

std::vector<std::size_t> Network::SharedAs(Sharing sharing) const {
  std::vector<std::size_t> positions;
  for (std::size_t i = 0; i < scenario_.connections.size(); ++i)
    if (scenario_.connections[i].sharing == sharing) positions.push_back(i);
  return positions;
}

HRESULT Network::EnableSharing(std::size_t index, int type) {
  Connection& connection = scenario_.connections[index];
  const bool failed = connection.enableFails || (type != 0 && type != 1);
  Log(index, "EnableSharing " + std::to_string(type), failed);
  if (failed) return E_FAIL;
  connection.sharing = type == 0 ? Sharing::Public : Sharing::Private;
  return S_OK;
}

HRESULT Network::DisableSharing(std::size_t index) {
  Log(index, "DisableSharing", false);
  scenario_.connections[index].sharing = Sharing::None;
  return S_OK;
}

// One line a call, "<name>: <call>[ failed]", CR LF ended.
void Network::Log(std::size_t index, const std::string& call, bool failed) const {
  std::ofstream log(scenario_.logPath, std::ios::binary | std::ios::app);
  log << connection(index).name << ": " << call << (failed ? " failed" : "") << "\r\n";
}

}  // namespace lumora::hnetshare
