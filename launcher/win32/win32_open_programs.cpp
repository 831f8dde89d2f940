#include "launcher/win32/win32_open_programs.h"

#include <algorithm>

#include "common/cp932.h"
#include "launcher/win32/win32_foreground_window.h"
#include "platform/win32/windows_api.h"

namespace fesk::win32 {

namespace {

// Only windows a user can see and bring to the front: hidden windows and
// the tool windows of a program's own parts would name helpers nobody
// works in.
bool UserWindow(HWND window) {
  if (!IsWindowVisible(window) || GetWindow(window, GW_OWNER) != nullptr) return false;
  return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) == 0;
}

BOOL CALLBACK CollectProgram(HWND window, LPARAM data) {
  auto& files = *reinterpret_cast<std::vector<std::string>*>(data);
  if (!UserWindow(window)) return TRUE;
  std::string file = ProgramFileOf(window);
  const bool listed = std::any_of(files.begin(), files.end(), [&file](const std::string& known) {
    return cp932::EqualsIgnoreAsciiCase(known, file);
  });
  if (!file.empty() && !listed) files.push_back(std::move(file));
  return TRUE;
}

}  // namespace

// In the window manager's order, the window in front first: the program the
// user worked in last is near the top of the list.
std::vector<std::string> Win32OpenPrograms::ProgramFiles() {
  std::vector<std::string> files;
  EnumWindows(CollectProgram, reinterpret_cast<LPARAM>(&files));
  return files;
}

}  // namespace fesk::win32
