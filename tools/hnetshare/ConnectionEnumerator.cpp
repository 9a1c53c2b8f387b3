#include "tools/hnetshare/ConnectionEnumerator.h"

#include <algorithm>

#include "tools/hnetshare/ConnectionItem.h"

namespace lumora::hnetshare {

HRESULT ConnectionEnumerator::Next(ULONG count, VARIANT* items, ULONG* fetched) {
  ULONG given = 0;
  for (; given < count && next_ < positions_.size(); ++given, ++next_) {
    VariantInit(&items[given]);
    ReturnObject(&items[given], new ConnectionItem(positions_[next_]));
  }
  if (fetched) *fetched = given;
  return given == count ? S_OK : S_FALSE;
}

HRESULT ConnectionEnumerator::Skip(ULONG count) {
  const std::size_t left = positions_.size() - next_;
  next_ += std::min<std::size_t>(count, left);
  return count <= left ? S_OK : S_FALSE;
}

HRESULT ConnectionEnumerator::Reset() {
  next_ = 0;
  return S_OK;
}

HRESULT ConnectionEnumerator::Clone(IEnumVARIANT** copy) {
  if (!copy) return E_POINTER;
  *copy = new ConnectionEnumerator(positions_, next_);
  return S_OK;
}

}  // namespace lumora::hnetshare
