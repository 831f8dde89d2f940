// The window the user is working in, as the Window services see it: each
// call acts on the window that is in the foreground at the time of the call.
// The Win32 implementation is launcher/win32/win32_foreground_window.h.
#pragma once

namespace fesk {

class ForegroundWindow {
 public:
  virtual ~ForegroundWindow() = default;
  virtual bool IsIconic() = 0;  // minimised
  virtual bool IsZoomed() = 0;  // maximised
  // Asks the window to take a show command (show::kRestore, kMaximized,
  // kMinimized) without waiting for it: a program that hangs must not hang
  // the launcher.
  virtual void Show(int show_command) = 0;
  // Whether the window runs with more rights than the launcher: elevated (run
  // as administrator) while the launcher is not, or otherwise at a higher
  // integrity level.  Windows then drops the launcher's typed keys and
  // refuses its window operations without telling it.
  virtual bool ElevatedAboveUs() = 0;
};

}  // namespace fesk
