#include "launcher/win32/win32_foreground_window.h"

#include "platform/win32/text.h"
#include "platform/win32/windows_api.h"

namespace fesk::win32 {

// Each call asks again which window is in front: the services act on the
// window the user is working in when they run, never on one remembered
// from earlier.  With no foreground window the calls answer false and do
// nothing.

bool Win32ForegroundWindow::IsIconic() {
  HWND window = GetForegroundWindow();
  return window && ::IsIconic(window);
}

bool Win32ForegroundWindow::IsZoomed() {
  HWND window = GetForegroundWindow();
  return window && ::IsZoomed(window);
}

// The window belongs to another program, which may have stopped answering:
// ShowWindow would wait for it, and the launcher would hang with it.  The
// show command is posted to the window instead, and done when the program
// answers again.
void Win32ForegroundWindow::Show(int show_command) {
  if (HWND window = GetForegroundWindow()) ShowWindowAsync(window, show_command);
}

namespace {

// Whether the process's token is elevated.  A token we may not even read
// belongs to a process above us.
bool TokenIsElevated(HANDLE process) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(process, TOKEN_QUERY, &token)) return GetLastError() == ERROR_ACCESS_DENIED;
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  const bool read = GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size) != FALSE;
  CloseHandle(token);
  return read && elevation.TokenIsElevated != 0;
}

}  // namespace

// The file name of the program that owns the window, in code page 932.
// The most limited query is enough for the image name and is granted even
// for most processes above us; a process that refuses it, or a name with a
// character code page 932 cannot spell, gives no name, which no list holds.
std::string ProgramFileOf(HWND window) {
  DWORD process_id = 0;
  if (!GetWindowThreadProcessId(window, &process_id) || process_id == 0) return {};
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id);
  if (!process) return {};
  std::wstring path(32768, L'\0');  // the longest path Windows knows
  DWORD length = static_cast<DWORD>(path.size());
  const bool read = QueryFullProcessImageNameW(process, 0, path.data(), &length) != FALSE;
  CloseHandle(process);
  if (!read) return {};
  std::wstring_view full(path.data(), length);
  const std::size_t slash = full.find_last_of(L"\\/");
  return NarrowExactly(slash == std::wstring_view::npos ? full : full.substr(slash + 1)).value_or("");
}

// An elevated launcher may act on every window of the desktop, so only a
// launcher that is not elevated asks about the window.  A process that
// refuses even the most limited query runs at a higher integrity level (the
// system's own, a protected one): it is above us as well.  Without a window
// in front, or with one we cannot place, there is nothing to leave alone.
bool Win32ForegroundWindow::ElevatedAboveUs() {
  if (TokenIsElevated(GetCurrentProcess())) return false;
  HWND window = GetForegroundWindow();
  DWORD process_id = 0;
  if (!window || !GetWindowThreadProcessId(window, &process_id) || process_id == 0) return false;
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id);
  if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
  const bool elevated = TokenIsElevated(process);
  CloseHandle(process);
  return elevated;
}

// Facts only: which window counts as full-screen, and which program is to
// be left alone, are the launcher's rules (launcher/core/full_screen.h,
// launcher/core/quiet_programs.h).  The monitor is the one that holds most of
// the window, with its task bar (rcMonitor, not the work area).
std::optional<ForegroundFacts> Win32ForegroundWindow::Facts() {
  HWND window = GetForegroundWindow();
  if (!window) return std::nullopt;
  ForegroundFacts facts;
  facts.visible = IsWindowVisible(window) && !::IsIconic(window);
  RECT client{};
  if (GetClientRect(window, &client)) {
    POINT corners[2] = {{client.left, client.top}, {client.right, client.bottom}};
    MapWindowPoints(window, nullptr, corners, 2);
    facts.client = Rect{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
  }
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
    const RECT& m = monitor.rcMonitor;
    facts.monitor = Rect{m.left, m.top, m.right, m.bottom};
  }
  wchar_t name[256] = {};
  int length = GetClassNameW(window, name, 256);
  facts.class_name = Narrow(std::wstring_view(name, length > 0 ? static_cast<std::size_t>(length) : 0));
  facts.program_file = ProgramFileOf(window);
  return facts;
}

}  // namespace fesk::win32
