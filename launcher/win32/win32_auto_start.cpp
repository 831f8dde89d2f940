#include "launcher/win32/win32_auto_start.h"

#include <vector>

#include "platform/win32/text.h"
#include "platform/win32/windows_api.h"

namespace fesk::win32 {

namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

}  // namespace

// A value of another type than a text (REG_SZ or REG_EXPAND_SZ) is no
// command the launcher wrote.  Commands cross as UTF-8: the launcher's own
// path, in a folder of any name, must come back as it was written.
std::optional<std::string> Win32AutoStart::Command(std::string_view name) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return std::nullopt;
  const std::wstring value_name = Wide(name);
  DWORD type = 0, size = 0;
  std::optional<std::string> command;
  if (RegQueryValueExW(key, value_name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ)) {
    std::vector<wchar_t> text(size / sizeof(wchar_t) + 1, L'\0');
    DWORD got = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key, value_name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &got) ==
        ERROR_SUCCESS) {
      std::wstring_view value(text.data(), got / sizeof(wchar_t));
      while (!value.empty() && value.back() == L'\0') value.remove_suffix(1);
      command = Utf8(value);
    }
  }
  RegCloseKey(key);
  return command;
}

bool Win32AutoStart::Register(std::string_view name, std::string_view command) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  const std::wstring value = WideFromUtf8(command);
  LONG result = RegSetValueExW(key, Wide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                               static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
  return result == ERROR_SUCCESS;
}

bool Win32AutoStart::Unregister(std::string_view name) {
  HKEY key = nullptr;
  LONG opened = RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &key);
  if (opened == ERROR_FILE_NOT_FOUND) return true;
  if (opened != ERROR_SUCCESS) return false;
  LONG result = RegDeleteValueW(key, Wide(name).c_str());
  RegCloseKey(key);
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

}  // namespace fesk::win32
