// Text conversion, waiting, logging and the checks of a scenario.
#include <cstdio>

#include "tests/e2e/driver/driver.h"
#include "tests/e2e/driver/internal.h"
#include "tests/wine/wine_check.h"

namespace fesk::e2e {

namespace {

std::string Convert(UINT code_page, std::wstring_view text) {
  if (text.empty()) return {};
  int length =
      WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()), out.data(), length, nullptr, nullptr);
  return out;
}

std::wstring Convert(UINT code_page, std::string_view bytes) {
  if (bytes.empty()) return {};
  int length = MultiByteToWideChar(code_page, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(code_page, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), length);
  return out;
}

ULONGLONG StartTick() {
  static const ULONGLONG start = GetTickCount64();
  return start;
}

// Taken when the program starts, so that log times count from there.
const ULONGLONG g_start_tick = StartTick();

void PrintLine(const std::string& utf8) {
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

}  // namespace

std::string Utf8(std::wstring_view text) { return Convert(CP_UTF8, text); }
std::wstring FromUtf8(std::string_view bytes) { return Convert(CP_UTF8, bytes); }
std::string Cp932(std::wstring_view text) { return Convert(932, text); }
std::wstring FromCp932(std::string_view bytes) { return Convert(932, bytes); }

bool WaitUntil(const std::function<bool()>& done, int timeout_ms, int poll_ms) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeout_ms);
  for (;;) {
    if (done()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(static_cast<DWORD>(poll_ms));
  }
}

void Pause(int ms) { Sleep(static_cast<DWORD>(ms)); }

void Log(std::wstring_view text) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "[%6llu ms] ", static_cast<unsigned long long>(GetTickCount64() - StartTick()));
  PrintLine(stamp + Utf8(text));
}

void Check(bool condition, std::wstring_view what) {
  if (condition) {
    Log(L"ok   " + std::wstring(what));
    return;
  }
  ++winetest::Failures();
  Log(L"FAIL " + std::wstring(what));
}

void CheckEqual(std::wstring_view actual, std::wstring_view expected, std::wstring_view what) {
  if (actual == expected) {
    Log(L"ok   " + std::wstring(what));
    return;
  }
  ++winetest::Failures();
  Log(L"FAIL " + std::wstring(what) + L"\n  expected: \"" + std::wstring(expected) + L"\"\n  actual:   \"" +
      std::wstring(actual) + L"\"");
}

void CheckEqual(long long actual, long long expected, std::wstring_view what) {
  CheckEqual(std::to_wstring(actual), std::to_wstring(expected), what);
}

void CheckContains(std::wstring_view text, std::wstring_view part, std::wstring_view what) {
  if (text.find(part) != std::wstring_view::npos) {
    Log(L"ok   " + std::wstring(what));
    return;
  }
  ++winetest::Failures();
  Log(L"FAIL " + std::wstring(what) + L"\n  expected to contain: \"" + std::wstring(part) + L"\"\n  in: \"" +
      std::wstring(text) + L"\"");
}

int Failures() { return winetest::Failures(); }

int Finish(const char* name) {
  const std::wstring wide_name = FromUtf8(name);
  if (Failures() > 0) {
    std::wstring shot = Screenshot(wide_name + L"-failed");
    Log(L"screenshot: " + (shot.empty() ? L"(none)" : shot));
    Log(L"visible top-level windows:\n" + DescribeWindows(true));
  }
  internal::KillStartedProcesses();
  return winetest::Finish(name);
}

}  // namespace fesk::e2e
