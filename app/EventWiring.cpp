#include "app/EventWiring.h"

#include "sharing/SharingProcedures.h"

namespace lumora {

void WireEvents(MainWindow& window, SystemOperations& system) {
  MainWindowEvents& events = window.events();
  // The window is never closed: a close request only minimises it.
  events.closeRequest = [&window] {
    ShowWindow(window.handle(), SW_MINIMIZE);
    return false;
  };
  events.clicked["按钮1"] = [&window, &system] { StartSharing(system, window); };
  events.clicked["按钮2"] = [&window, &system] { StopSharing(system, window); };
}

}  // namespace lumora
