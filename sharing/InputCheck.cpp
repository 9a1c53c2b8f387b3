#include "sharing/InputCheck.h"

#include <algorithm>

#include "sharing/BatchText.h"

namespace lumora {
namespace {

constexpr std::size_t kShortestKey = 8;
constexpr std::size_t kLongestKey = 63;
constexpr std::size_t kLongestName = 32;

bool IsKeyCharacter(char byte) {
  return byte >= 0x20 && byte <= 0x7E && byte != '"';
}

}  // namespace

std::optional<messages::Message> RefusalOfInput(const Text& hotspotName, const Text& password,
                                                const Text& connectionName) {
  using namespace messages;
  if (password.size() < kShortestKey) return kShortPassword;
  if (hotspotName.empty()) return kEmptyName;
  if (!FitsInQuotedBatchValue(hotspotName)) return kNameCharacters;
  if (hotspotName.size() > kLongestName) return kLongName;
  if (password.size() > kLongestKey) return kLongPassword;
  if (!std::all_of(password.begin(), password.end(), IsKeyCharacter)) return kPasswordCharacters;
  if (!FitsInQuotedBatchValue(connectionName)) return kConnectionCharacters;
  return std::nullopt;
}

}  // namespace lumora
