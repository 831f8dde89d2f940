#include "launcher/win32/win32_foreground_window.h"

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

void Win32ForegroundWindow::Show(int show_command) {
  if (HWND window = GetForegroundWindow()) ::ShowWindow(window, show_command);
}

}  // namespace fesk::win32
