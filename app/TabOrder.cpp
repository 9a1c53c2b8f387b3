#include "app/TabOrder.h"

#include <algorithm>

namespace lumora {

std::optional<std::size_t> NextTabStop(const std::vector<TabCandidate>& candidates,
                                       std::optional<std::size_t> current, bool backward) {
  std::vector<std::size_t> order;
  for (std::size_t i = 0; i < candidates.size(); ++i)
    if (candidates[i].takesFocus) order.push_back(i);
  if (order.empty()) return std::nullopt;
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return candidates[a].tabKey < candidates[b].tabKey;
  });

  const auto at = std::find(order.begin(), order.end(), current);
  if (at == order.end()) return backward ? order.back() : order.front();
  const std::size_t position = static_cast<std::size_t>(at - order.begin());
  const std::size_t count = order.size();
  return order[backward ? (position + count - 1) % count : (position + 1) % count];
}

}  // namespace lumora
