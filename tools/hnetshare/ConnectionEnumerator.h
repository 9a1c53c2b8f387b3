#pragma once

#include <oaidl.h>
#include <windows.h>

#include <cstddef>
#include <vector>

#include "tools/hnetshare/ComObject.h"

namespace lumora::hnetshare {

// What For Each walks: a connection item for each position, in order.
class ConnectionEnumerator final : public ComObject<IEnumVARIANT> {
 public:
  explicit ConnectionEnumerator(std::vector<std::size_t> positions, std::size_t next = 0)
      : positions_(std::move(positions)), next_(next) {}

  HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* items, ULONG* fetched) override;
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
  HRESULT STDMETHODCALLTYPE Reset() override;
  HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override;

 private:
  std::vector<std::size_t> positions_;
  std::size_t next_;
};

}  // namespace lumora::hnetshare
