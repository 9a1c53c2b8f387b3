#pragma once

#include <string>

namespace lumora {

// A text in the ANSI code page (936 on the systems we serve): its bytes, without the
// terminating zero. Its length is its byte count, so a Chinese character counts two.
using Text = std::string;

// In code page 936 a byte of 0x80 or above begins a two-byte character.
constexpr bool IsLeadByte(char byte) { return static_cast<unsigned char>(byte) >= 0x80; }

}  // namespace lumora
