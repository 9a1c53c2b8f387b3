#include "tools/hnetshare/DispatchObject.h"

namespace lumora::hnetshare {

HRESULT DispatchObject::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT DispatchObject::GetTypeInfo(UINT, LCID, ITypeInfo**) {
  return E_NOTIMPL;
}

DISPID DispatchObject::IdOf(std::size_t position) const {
  if (members_[position].first == L"_NewEnum") return DISPID_NEWENUM;
  return static_cast<DISPID>(position + 1);
}

HRESULT DispatchObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (count != 1) return DISP_E_UNKNOWNNAME;  // no member has named arguments
  for (std::size_t i = 0; i < members_.size(); ++i) {
    if (CompareStringOrdinal(names[0], -1, members_[i].first.c_str(), -1, TRUE) == CSTR_EQUAL) {
      ids[0] = IdOf(i);
      return S_OK;
    }
  }
  ids[0] = DISPID_UNKNOWN;
  return DISP_E_UNKNOWNNAME;
}

HRESULT DispatchObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* arguments,
                               VARIANT* result, EXCEPINFO*, UINT*) {
  if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) return DISP_E_MEMBERNOTFOUND;
  for (std::size_t i = 0; i < members_.size(); ++i)
    if (IdOf(i) == id) return members_[i].second(*arguments, result);
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT ArgumentAs(const DISPPARAMS& arguments, UINT position, VARTYPE type,
                   OwnedVariant& converted) {
  if (position >= arguments.cArgs) return DISP_E_BADPARAMCOUNT;
  const HRESULT copied =
      VariantCopyInd(&converted.value, &arguments.rgvarg[arguments.cArgs - 1 - position]);
  if (FAILED(copied)) return copied;
  return VariantChangeType(&converted.value, &converted.value, 0, type);
}

HRESULT ReturnText(VARIANT* result, const std::string& cp936) {
  if (!result) return S_OK;
  const int length =
      MultiByteToWideChar(CP_ACP, 0, cp936.data(), static_cast<int>(cp936.size()), nullptr, 0);
  BSTR text = SysAllocStringLen(nullptr, static_cast<UINT>(length));
  if (!text) return E_OUTOFMEMORY;
  MultiByteToWideChar(CP_ACP, 0, cp936.data(), static_cast<int>(cp936.size()), text, length);
  V_VT(result) = VT_BSTR;
  V_BSTR(result) = text;
  return S_OK;
}

HRESULT ReturnInteger(VARIANT* result, int value) {
  if (!result) return S_OK;
  V_VT(result) = VT_I4;
  V_I4(result) = value;
  return S_OK;
}

HRESULT ReturnBoolean(VARIANT* result, bool value) {
  if (!result) return S_OK;
  V_VT(result) = VT_BOOL;
  V_BOOL(result) = value ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}

HRESULT ReturnNull(VARIANT* result) {
  if (result) V_VT(result) = VT_NULL;
  return S_OK;
}

HRESULT ReturnObject(VARIANT* result, IDispatch* created) {
  if (!result) {
    created->Release();
    return S_OK;
  }
  V_VT(result) = VT_DISPATCH;
  V_DISPATCH(result) = created;
  return S_OK;
}

}  // namespace lumora::hnetshare
