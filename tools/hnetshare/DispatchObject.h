#pragma once

#include <oaidl.h>
#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tools/hnetshare/ComObject.h"

namespace lumora::hnetshare {

// A COM object that scripts reach through IDispatch alone: members are looked up by name,
// without regard to letter case as VBScript does, and called with the script's arguments.
// Whether a member is read as a property or called as a method makes no difference.
class DispatchObject : public ComObject<IDispatch> {
 public:
  using Member = std::function<HRESULT(const DISPPARAMS& arguments, VARIANT* result)>;
  using Members = std::vector<std::pair<std::wstring, Member>>;

  // The member "_NewEnum" answers the id that For Each asks for.
  explicit DispatchObject(Members members) : members_(std::move(members)) {}

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* arguments,
                                   VARIANT* result, EXCEPINFO*, UINT*) override;

 private:
  DISPID IdOf(std::size_t position) const;

  Members members_;
};

// A VARIANT that is cleared when it goes.
struct OwnedVariant {
  VARIANT value;
  OwnedVariant() { VariantInit(&value); }
  ~OwnedVariant() { VariantClear(&value); }
  OwnedVariant(const OwnedVariant&) = delete;
  OwnedVariant& operator=(const OwnedVariant&) = delete;
};

// The argument at `position` (0 is the first the script wrote) converted to `type`;
// arguments passed by reference are followed.
HRESULT ArgumentAs(const DISPPARAMS& arguments, UINT position, VARTYPE type,
                   OwnedVariant& converted);

// Results for a caller that may not want one (`result` null).
HRESULT ReturnText(VARIANT* result, const std::string& cp936);
HRESULT ReturnInteger(VARIANT* result, int value);
HRESULT ReturnBoolean(VARIANT* result, bool value);
HRESULT ReturnNull(VARIANT* result);
// Takes over the one reference that `created` carries.
HRESULT ReturnObject(VARIANT* result, IDispatch* created);

}  // namespace lumora::hnetshare
