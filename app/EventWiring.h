#pragma once

#include "app/MainWindow.h"
#include "platform/SystemOperations.h"

namespace lumora {

// Connects the main window's events to what the program does about them.
void WireEvents(MainWindow& window, SystemOperations& system);

}  // namespace lumora
