// The in-process server: hands out sharing managers over the scenario of the moment.
#include <objbase.h>
#include <windows.h>

#include <fstream>
#include <memory>
#include <optional>
#include <sstream>

#include "tools/hnetshare/ComObject.h"
#include "tools/hnetshare/SharingDoubleClass.h"
#include "tools/hnetshare/SharingManager.h"

namespace lumora::hnetshare {
namespace {

std::optional<Scenario> ScenarioOfEnvironment() {
  char path[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableA(kScenarioVariable, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::ostringstream text;
  text << file.rdbuf();
  return ParseScenario(text.str());
}

class SharingManagerFactory final : public ComObject<IClassFactory> {
 public:
  // Each manager reads the scenario afresh; without one, creating it fails.
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    auto scenario = ScenarioOfEnvironment();
    if (!scenario) return HRESULT_FROM_WIN32(ERROR_BAD_CONFIGURATION);
    IDispatch* manager = NewSharingManager(std::make_shared<Network>(std::move(*scenario)));
    const HRESULT queried = manager->QueryInterface(iid, object);
    manager->Release();
    return queried;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

}  // namespace
}  // namespace lumora::hnetshare

STDAPI DllGetClassObject(REFCLSID classId, REFIID iid, void** object) {
  using namespace lumora::hnetshare;
  if (!object) return E_POINTER;
  *object = nullptr;
  if (!IsEqualCLSID(classId, kSharingDoubleClassId)) return CLASS_E_CLASSNOTAVAILABLE;
  auto* factory = new SharingManagerFactory;
  const HRESULT queried = factory->QueryInterface(iid, object);
  factory->Release();
  return queried;
}

// The double counts no live objects, so it never claims that it could go.
STDAPI DllCanUnloadNow() {
  return S_FALSE;
}
