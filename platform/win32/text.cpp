#include "platform/win32/text.h"

#include "platform/win32/windows_api.h"

namespace fesk::win32 {

static constexpr UINT kCodePage = 932;

static std::wstring ToWide(UINT code_page, std::string_view text) {
  if (text.empty()) return {};
  int length = MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), out.data(), length);
  return out;
}

static std::string FromWide(UINT code_page, std::wstring_view utf16) {
  if (utf16.empty()) return {};
  int length =
      WideCharToMultiByte(code_page, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(code_page, 0, utf16.data(), static_cast<int>(utf16.size()), out.data(), length, nullptr, nullptr);
  return out;
}

std::wstring Wide(std::string_view cp932) { return ToWide(kCodePage, cp932); }

std::string Narrow(std::wstring_view utf16) { return FromWide(kCodePage, utf16); }

std::wstring WideFromUtf8(std::string_view utf8) { return ToWide(CP_UTF8, utf8); }

std::string Utf8(std::wstring_view utf16) { return FromWide(CP_UTF8, utf16); }

std::optional<std::string> NarrowExactly(std::wstring_view utf16) {
  if (utf16.empty()) return std::string();
  const int size = static_cast<int>(utf16.size());
  BOOL used_default = FALSE;
  int length =
      WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, utf16.data(), size, nullptr, 0, nullptr, &used_default);
  if (length <= 0 || used_default) return std::nullopt;
  std::string out(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, utf16.data(), size, out.data(), length, nullptr, &used_default);
  // Some characters map one way only; the way back tells.
  if (used_default || Wide(out) != utf16) return std::nullopt;
  return out;
}

}  // namespace fesk::win32
