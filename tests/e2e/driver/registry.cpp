// String values of the test prefix's registry, read, written and put back;
// the display's DPI.
#include "tests/e2e/driver/driver.h"

namespace fesk::e2e {

std::optional<std::wstring> RegistryString(HKEY root, const std::wstring& key, const wchar_t* name) {
  DWORD size = 0;
  if (RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, nullptr, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::wstring text(size / sizeof(wchar_t), L'\0');
  if (RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, text.data(), &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  text.resize(wcsnlen(text.c_str(), text.size()));
  return text;
}

bool SetRegistryString(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  return RegSetKeyValueW(root, key.c_str(), name, REG_SZ, value.c_str(),
                         static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

void DeleteRegistryValue(HKEY root, const std::wstring& key, const wchar_t* name) {
  RegDeleteKeyValueW(root, key.c_str(), name);
}

RegistryStringOverride::RegistryStringOverride(HKEY root, std::wstring key, const wchar_t* name,
                                               const std::wstring& value)
    : root_(root), key_(std::move(key)), name_(name), old_(RegistryString(root_, key_, name_)) {
  ok_ = SetRegistryString(root_, key_, name_, value);
}

RegistryStringOverride::~RegistryStringOverride() {
  if (old_) {
    SetRegistryString(root_, key_, name_, *old_);
  } else {
    DeleteRegistryValue(root_, key_, name_);
  }
}

bool SetDisplayDpi(int dpi) {
  const DWORD value = static_cast<DWORD>(dpi);
  return RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &value, sizeof value) ==
         ERROR_SUCCESS;
}

}  // namespace fesk::e2e
