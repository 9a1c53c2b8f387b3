#include "tools/hnetshare/SharingManager.h"

#include <numeric>

#include "tools/hnetshare/ConnectionEnumerator.h"
#include "tools/hnetshare/ConnectionItem.h"
#include "tools/hnetshare/DispatchObject.h"

namespace lumora::hnetshare {
namespace {

using Position = std::size_t;

IDispatch* NewCollection(std::vector<Position> positions) {
  return new DispatchObject({
      {L"Count",
       [positions](const DISPPARAMS&, VARIANT* result) {
         return ReturnInteger(result, static_cast<int>(positions.size()));
       }},
      {L"_NewEnum",
       [positions](const DISPPARAMS&, VARIANT* result) {
         if (!result) return S_OK;
         V_VT(result) = VT_UNKNOWN;
         V_UNKNOWN(result) = new ConnectionEnumerator(positions);
         return S_OK;
       }},
  });
}

IDispatch* NewProperties(const Connection& connection) {
  const auto text = [connection](std::string Connection::*field) {
    return [connection, field](const DISPPARAMS&, VARIANT* result) {
      return ReturnText(result, connection.*field);
    };
  };
  const auto number = [connection](int Connection::*field) {
    return [connection, field](const DISPPARAMS&, VARIANT* result) {
      return ReturnInteger(result, connection.*field);
    };
  };
  return new DispatchObject({
      {L"Name", text(&Connection::name)},
      {L"Guid", text(&Connection::guid)},
      {L"DeviceName", text(&Connection::deviceName)},
      {L"Status", number(&Connection::status)},
      {L"MediaType", number(&Connection::mediaType)},
  });
}

IDispatch* NewConfiguration(const std::shared_ptr<Network>& network, Position position) {
  return new DispatchObject({
      {L"SharingEnabled",
       [network, position](const DISPPARAMS&, VARIANT* result) {
         return ReturnBoolean(result, network->connection(position).sharing != Sharing::None);
       }},
      {L"SharingConnectionType",
       [network, position](const DISPPARAMS&, VARIANT* result) {
         const Sharing sharing = network->connection(position).sharing;
         if (sharing == Sharing::None) return E_UNEXPECTED;  // only a shared one has a type
         return ReturnInteger(result, sharing == Sharing::Public ? 0 : 1);
       }},
      {L"EnableSharing",
       [network, position](const DISPPARAMS& arguments, VARIANT*) {
         OwnedVariant type;
         const HRESULT read = ArgumentAs(arguments, 0, VT_I4, type);
         return FAILED(read) ? read : network->EnableSharing(position, V_I4(&type.value));
       }},
      {L"DisableSharing",
       [network, position](const DISPPARAMS&, VARIANT*) {
         return network->DisableSharing(position);
       }},
  });
}

// Members that take a connection and give an object made from its position.
template <class MakeObject>
DispatchObject::Member ForConnection(MakeObject make) {
  return [make](const DISPPARAMS& arguments, VARIANT* result) {
    Position position = 0;
    const HRESULT found = ConnectionArgument(arguments, 0, position);
    return FAILED(found) ? found : ReturnObject(result, make(position));
  };
}

// The enumerations of shared connections take the platform's flags, 0 or 1.
DispatchObject::Member SharedConnections(const std::shared_ptr<Network>& network, Sharing sharing) {
  return [network, sharing](const DISPPARAMS& arguments, VARIANT* result) {
    OwnedVariant flags;
    const HRESULT read = ArgumentAs(arguments, 0, VT_I4, flags);
    if (FAILED(read)) return read;
    if (V_I4(&flags.value) != 0 && V_I4(&flags.value) != 1) return E_INVALIDARG;
    return ReturnObject(result, NewCollection(network->SharedAs(sharing)));
  };
}

}  // namespace

IDispatch* NewSharingManager(std::shared_ptr<Network> network) {
  return new DispatchObject({
      {L"SharingInstalled",
       [network](const DISPPARAMS&, VARIANT* result) {
         const auto installed = network->scenario().sharingInstalled;
         return installed ? ReturnBoolean(result, *installed) : ReturnNull(result);
       }},
      {L"EnumPublicConnections", SharedConnections(network, Sharing::Public)},
      {L"EnumPrivateConnections", SharedConnections(network, Sharing::Private)},
      {L"EnumEveryConnection",
       [network](const DISPPARAMS&, VARIANT* result) {
         std::vector<Position> every(network->scenario().connections.size());
         std::iota(every.begin(), every.end(), Position{0});
         return ReturnObject(result, NewCollection(every));
       }},
      {L"INetSharingConfigurationForINetConnection",
       ForConnection([network](Position p) { return NewConfiguration(network, p); })},
      {L"NetConnectionProps",
       ForConnection([network](Position p) { return NewProperties(network->connection(p)); })},
  });
}

}  // namespace lumora::hnetshare
