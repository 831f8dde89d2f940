#include "platform/win32/help.h"

#include <shellapi.h>
#include <shlwapi.h>

#include "platform/win32/text.h"
#include "platform/win32/win32_ports.h"

namespace fesk::win32 {

static bool FileExists(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// WinHelp files need winhlp32.exe, which Windows no longer ships.
static bool WinHelpAvailable() {
  wchar_t windows[MAX_PATH] = {};
  GetWindowsDirectoryW(windows, MAX_PATH);
  return FileExists(std::wstring(windows) + L"\\winhlp32.exe");
}

std::wstring HelpAddress(const std::string& folder, int context) {
  std::wstring path = Wide(folder + kHelpDocument);
  wchar_t url[4 * MAX_PATH] = {};
  DWORD length = 4 * MAX_PATH;
  if (FAILED(UrlCreateFromPathW(path.c_str(), url, &length, 0))) return path;
  return std::wstring(url) + L"#context-" + std::to_wstring(context);
}

void ShowHelp(HWND owner, const std::string& help_file_name, int context) {
  std::string folder = ProgramFolder();
  std::wstring winhelp_file = Wide(folder + help_file_name);
  if (FileExists(winhelp_file) && WinHelpAvailable()) {
    WinHelpW(owner, winhelp_file.c_str(), HELP_CONTEXT, static_cast<ULONG_PTR>(context));
    return;
  }
  ShellExecuteW(owner, L"open", HelpAddress(folder, context).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace fesk::win32
