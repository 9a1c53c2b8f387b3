#include "tests/fake/TemplateBoxes.h"

#include "resources/Templates.h"
#include "sharing/ControlNames.h"

namespace lumora::testing {

void FillTemplateBoxes(FakePlatform& window) {
  using namespace resources;
  using namespace controls;
  const std::pair<std::string_view, std::string_view> defaults[] = {
      {kScriptHead, HostedNetworkHead()},  {kKeyClause, KeyClause()},
      {kStartCommand, StartCommand()},     {kSharingScript, ConnectionSharingScript()},
      {kShareLineHead, ShareLineHead()},   {kShareLineTail, ShareLineTail()},
      {kHiddenLauncher, HiddenLauncher()},
  };
  for (const auto& [box, text] : defaults) window.controls[std::string(box)] = Text(text);
}

}  // namespace lumora::testing
