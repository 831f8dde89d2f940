// A stand-in for the programs Fesk and FeskINI start: it shows nothing,
// appends one record of how it was started (its exe name, command line and
// work folder) to record.txt beside itself, and ends at once.  Tests copy it
// under the names they need ("app.exe", "FeskPal.exe", "FESKINI.EXE").
#include <iterator>
#include <string>

#include "platform/win32/windows_api.h"
#include "tests/e2e/driver/record_format.h"

namespace {

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  int length =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), length, nullptr, nullptr);
  return out;
}

std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::wstring CurrentFolder() {
  DWORD length = GetCurrentDirectoryW(0, nullptr);
  std::wstring folder(length, L'\0');
  length = GetCurrentDirectoryW(length, folder.data());
  folder.resize(length);
  return folder;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::wstring module = ModulePath();
  const std::size_t slash = module.find_last_of(L'\\');
  const std::wstring folder = slash == std::wstring::npos ? L"." : module.substr(0, slash);
  const std::wstring exe = slash == std::wstring::npos ? module : module.substr(slash + 1);
  const char* end = "\r\n";

  namespace record = fesk::e2e::record;
  std::string text;
  text += record::kExe + Utf8(exe) + end;
  text += record::kProcessId + std::to_string(GetCurrentProcessId()) + end;
  text += record::kTick + std::to_string(GetTickCount64()) + end;
  text += record::kCommandLine + Utf8(GetCommandLineW()) + end;
  text += record::kWorkFolder + Utf8(CurrentFolder()) + end;
  text += record::kEnd;
  text += end;

  // Copies started together take turns: the file is opened without sharing
  // and a copy that finds it busy tries again.
  const std::wstring name(std::begin(record::kFileName), std::end(record::kFileName) - 1);
  const std::wstring path = folder + L"\\" + name;
  for (int attempt = 0; attempt < 500; ++attempt) {
    HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
      CloseHandle(file);
      return ok && written == text.size() ? 0 : 2;
    }
    DWORD error = GetLastError();
    if (error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION && error != ERROR_ACCESS_DENIED) {
      return 3;
    }
    Sleep(20);
  }
  return 4;
}
