#include "tests/script/SharingDouble.h"

#include <objbase.h>
#include <windows.h>

#include <string>

#include "platform/win32/Handles.h"
#include "tests/win32/TestSupport.h"
#include "tools/hnetshare/SharingDoubleClass.h"

namespace lumora::testing {
namespace {

// Wine 8 looks program ids and classes up only among the machine's classes, not among
// the user's (HKEY_CURRENT_USER\Software\Classes).
constexpr char kProgramIdKey[] = "HNetCfg.HNetShare.1";

std::string ClassIdText() {
  wchar_t wide[40] = {};
  StringFromGUID2(hnetshare::kSharingDoubleClassId, wide, 40);
  return std::string(wide, wide + wcslen(wide));  // a class id is ASCII
}

std::string ClassKey() {
  return "CLSID\\" + ClassIdText();
}

bool SetText(const std::string& key, const char* valueName, const std::string& text) {
  win32::UniqueRegKey opened;
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                      opened.put(), nullptr) != ERROR_SUCCESS)
    return false;
  return RegSetValueExA(opened.get(), valueName, 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(text.c_str()),
                        static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

}  // namespace

SharingDoubleRegistration::SharingDoubleRegistration()
    : registered_(
          SetText(std::string(kProgramIdKey) + "\\CLSID", nullptr, ClassIdText()) &&
          SetText(ClassKey() + "\\InprocServer32", nullptr, ProgramFolder() + "\\hnetshare.dll") &&
          SetText(ClassKey() + "\\InprocServer32", "ThreadingModel", "Apartment")) {}

SharingDoubleRegistration::~SharingDoubleRegistration() {
  RegDeleteTreeA(HKEY_CLASSES_ROOT, kProgramIdKey);
  RegDeleteTreeA(HKEY_CLASSES_ROOT, ClassKey().c_str());
}

}  // namespace lumora::testing
