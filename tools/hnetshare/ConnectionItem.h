#pragma once

#include <cstddef>

#include "tools/hnetshare/DispatchObject.h"

namespace lumora::hnetshare {

// A connection as the enumerations hand it out; the script only passes it back to the
// manager, which finds the connection's position in it.
class ConnectionItem final : public DispatchObject {
 public:
  explicit ConnectionItem(std::size_t position) : DispatchObject({}), position_(position) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  std::size_t position() const { return position_; }

 private:
  std::size_t position_;
};

// The position of the connection given as the argument at `position`; E_INVALIDARG
// when that argument is not a connection of ours.
HRESULT ConnectionArgument(const DISPPARAMS& arguments, UINT position, std::size_t& connection);

}  // namespace lumora::hnetshare
