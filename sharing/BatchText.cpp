#include "sharing/BatchText.h"

#include <algorithm>

namespace lumora {
namespace {

// Second bytes of CP936 characters are 0x40 or above, so no byte tested here can be one.
bool IsControlOrQuote(char byte) {
  const auto value = static_cast<unsigned char>(byte);
  return value < 0x20 || value == 0x7F || byte == '"';
}

}  // namespace

bool FitsInQuotedBatchValue(const Text& text) {
  return std::none_of(text.begin(), text.end(), IsControlOrQuote);
}

Text DoublePercents(const Text& text) {
  Text doubled;
  doubled.reserve(text.size());
  for (char byte : text) {
    doubled += byte;
    if (byte == '%') doubled += '%';
  }
  return doubled;
}

Text QuoteBatchValue(const Text& text) {
  return '"' + DoublePercents(text) + '"';
}

}  // namespace lumora
