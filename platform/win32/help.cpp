#include "platform/win32/help.h"

#include <shellapi.h>
#include <shlwapi.h>
#include <versionhelpers.h>

#include "platform/help_viewer.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_ports.h"

namespace fesk::win32 {

static bool FileExists(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// WinHelp files need winhlp32.exe, which Windows no longer ships (from 6.0
// on, the one in the Windows folder is a stub).
static bool WinHelpAvailable() {
  wchar_t windows[MAX_PATH] = {};
  GetWindowsDirectoryW(windows, MAX_PATH);
  return FileExists(std::wstring(windows) + L"\\winhlp32.exe");
}

std::wstring HelpAddress(const FilePath& folder, int context) {
  std::wstring path = Wide(InFolder(folder, kHelpDocumentName));
  wchar_t url[4 * MAX_PATH] = {};
  DWORD length = 4 * MAX_PATH;
  if (FAILED(UrlCreateFromPathW(path.c_str(), url, &length, 0))) return path;
  return std::wstring(url) + L"#context-" + std::to_wstring(context);
}

// A registered command whose program path is not quoted, such as
// C:\Program Files\Browser\browser.exe %1, is read by CreateProcess up to
// the first blank, and C:\Program.exe would be started where one exists.
// The path up to the first ".exe" that ends a word is quoted when it names a
// file.
static std::wstring WithQuotedProgram(const std::wstring& command) {
  if (command.empty() || command[0] == L'"') return command;
  for (std::size_t at = 0; at + 4 <= command.size(); ++at) {
    if (CompareStringOrdinal(command.c_str() + at, 4, L".exe", 4, TRUE) != CSTR_EQUAL) continue;
    std::size_t end = at + 4;
    if (end < command.size() && command[end] != L' ') continue;
    std::wstring program = command.substr(0, end);
    if (program.find(L' ') == std::wstring::npos || !FileExists(program)) return command;
    return L"\"" + program + L"\"" + command.substr(end);
  }
  return command;
}

// The command line that opens an HTML document at `address`: the command
// registered for opening ".html" files, with the address in place of its
// "%1" (or "%L"), or after it when it names no place; empty when no program
// is registered.
static std::wstring HtmlOpenCommand(const std::wstring& address) {
  wchar_t command[4 * MAX_PATH] = {};
  DWORD length = 4 * MAX_PATH;
  if (FAILED(AssocQueryStringW(ASSOCF_NOTRUNCATE, ASSOCSTR_COMMAND, L".html", L"open", command, &length)) ||
      command[0] == L'\0') {
    return {};
  }
  std::wstring line = command;
  bool placed = false;
  for (const wchar_t* placeholder : {L"%1", L"%L", L"%l"}) {
    for (std::size_t at = line.find(placeholder); at != std::wstring::npos;
         at = line.find(placeholder, at + address.size())) {
      line.replace(at, 2, address);
      placed = true;
    }
  }
  for (std::size_t at = line.find(L"%*"); at != std::wstring::npos; at = line.find(L"%*", at)) {
    line.erase(at, 2);
  }
  if (!placed) line += L" \"" + address + L"\"";
  return WithQuotedProgram(line);
}

void ShowHelp(HWND owner, const std::string& help_file_name, int context) {
  const FilePath folder = ProgramFolder();
  std::wstring winhelp_file = Wide(folder) + Wide(help_file_name);
  const HelpFacts facts{IsWindowsVistaOrGreater() ? 6 : 5, FileExists(winhelp_file), WinHelpAvailable()};
  if (ChooseHelpViewer(facts) == HelpViewer::kWinHelp) {
    WinHelpW(owner, winhelp_file.c_str(), HELP_CONTEXT, static_cast<ULONG_PTR>(context));
    return;
  }
  // The shell opens a "file:" address as the file it names and drops the
  // part after "#" or, under Wine, looks for a file whose name ends in it:
  // the program registered for HTML documents is given the address itself.
  std::wstring command = HtmlOpenCommand(HelpAddress(folder, context));
  if (!command.empty()) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
      CloseHandle(process.hThread);
      CloseHandle(process.hProcess);
      return;
    }
  }
  // Without such a program, the document at its beginning.
  EnterComApartment();
  ShellExecuteW(owner, L"open", Wide(InFolder(folder, kHelpDocumentName)).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

HWND HelpRequestWindow(LPARAM help_info) {
  auto* info = reinterpret_cast<HELPINFO*>(help_info);
  return info && info->iContextType == HELPINFO_WINDOW ? static_cast<HWND>(info->hItemHandle) : GetFocus();
}

}  // namespace fesk::win32
