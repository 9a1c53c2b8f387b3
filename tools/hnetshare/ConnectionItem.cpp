#include "tools/hnetshare/ConnectionItem.h"

namespace lumora::hnetshare {
namespace {

// Asked for only by this double, to recognise its own connection objects.
constexpr IID kConnectionItemId = {
    0x361394f3, 0x9b75, 0x4f0e, {0xa7, 0x27, 0x08, 0xe1, 0x8b, 0xf6, 0x76, 0x1c}};

}  // namespace

HRESULT ConnectionItem::QueryInterface(REFIID iid, void** object) {
  if (object && IsEqualIID(iid, kConnectionItemId)) {
    AddRef();
    *object = this;
    return S_OK;
  }
  return DispatchObject::QueryInterface(iid, object);
}

HRESULT ConnectionArgument(const DISPPARAMS& arguments, UINT position, std::size_t& connection) {
  OwnedVariant argument;
  const HRESULT converted = ArgumentAs(arguments, position, VT_DISPATCH, argument);
  if (FAILED(converted)) return converted;
  void* item = nullptr;
  if (!V_DISPATCH(&argument.value) ||
      FAILED(V_DISPATCH(&argument.value)->QueryInterface(kConnectionItemId, &item)))
    return E_INVALIDARG;
  connection = static_cast<ConnectionItem*>(item)->position();
  static_cast<ConnectionItem*>(item)->Release();
  return S_OK;
}

}  // namespace lumora::hnetshare
