#include "sharing/Notices.h"

#include "sharing/ControlNames.h"

namespace lumora {
namespace {

// The balloon's result is not looked at: the message box has told the user already.
void ShowBalloon(WindowOperations& window, std::string_view title, std::string_view text) {
  window.ShowBalloonNotice(controls::kNoticeIcon, Text(title), Text(text), BalloonIcon::Information,
                           0);
}

}  // namespace

Button Show(SystemOperations& system, const messages::Message& message) {
  return system.ShowMessageBox(Text(message.text), message.style, Text(message.title));
}

void ShowFailure(SystemOperations& system, std::string_view title, const Text& why) {
  system.ShowMessageBox(why, MessageStyle::Error, Text(title));
}

void ShowStartedBalloon(WindowOperations& window) {
  ShowBalloon(window, messages::kStartedBalloonTitle, messages::kStartedBalloonText);
}

void ShowStoppedBalloon(WindowOperations& window) {
  ShowBalloon(window, messages::kStoppedBalloonTitle, messages::kStoppedBalloonText);
}

}  // namespace lumora
