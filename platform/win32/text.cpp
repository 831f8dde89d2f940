#include "platform/win32/text.h"

#include "platform/win32/windows_api.h"

namespace fesk::win32 {

static constexpr UINT kCodePage = 932;

std::wstring Wide(std::string_view cp932) {
  if (cp932.empty()) return {};
  int length = MultiByteToWideChar(kCodePage, 0, cp932.data(), static_cast<int>(cp932.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(kCodePage, 0, cp932.data(), static_cast<int>(cp932.size()), out.data(), length);
  return out;
}

std::string Narrow(std::wstring_view utf16) {
  if (utf16.empty()) return {};
  int length =
      WideCharToMultiByte(kCodePage, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(kCodePage, 0, utf16.data(), static_cast<int>(utf16.size()), out.data(), length, nullptr, nullptr);
  return out;
}

}  // namespace fesk::win32
