#pragma once

#include "platform/Text.h"

namespace lumora {

// True when the text can stand inside one double-quoted value of a batch line: it holds
// no double quote and no control character (a line end would start a new command).
bool FitsInQuotedBatchValue(const Text& text);

// A batch file expands %...% even inside quotes; doubling every % keeps it literal.
Text DoublePercents(const Text& text);

// The text as one double-quoted batch value: cmd passes &, ^, | and spaces inside quotes
// through unchanged. Only for texts that FitsInQuotedBatchValue.
Text QuoteBatchValue(const Text& text);

}  // namespace lumora
