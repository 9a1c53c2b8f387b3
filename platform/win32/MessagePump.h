#pragma once

#include <windows.h>

#include <cstdint>

namespace lumora::win32 {

// The registered message by which the pump offers a queued message to its top-level
// window before translating it (keyboard navigation); a nonzero answer consumes it.
UINT PreTranslateMessageId();

// Hands one fetched message on exactly as the main loop does.
void DispatchLikeMainLoop(MSG& message);

// Dispatches every queued message; stops at a quit request, which stays queued.
void DispatchPendingMessages();

// Dispatches messages until more than `milliseconds` have passed or `handle` (may be
// null) is signalled, sleeping while there is nothing to do. True when signalled.
bool WaitWithEvents(std::uint32_t milliseconds, HANDLE handle);

}  // namespace lumora::win32
