#pragma once

#include "platform/SystemOperations.h"
#include "platform/WindowOperations.h"
#include "sharing/Messages.h"

// The ways the sharing procedures tell the user how things went.
namespace lumora {

Button Show(SystemOperations& system, const messages::Message& message);
void ShowFailure(SystemOperations& system, std::string_view title, const Text& why);
void ShowStartedBalloon(WindowOperations& window);
void ShowStoppedBalloon(WindowOperations& window);

}  // namespace lumora
