// The foreground window, through the window manager: for the Window
// services, which act on it, and for the full-screen rule, which asks where
// it lies.
#pragma once

#include <string>

#include "platform/win32/windows_api.h"

#include "launcher/services/foreground_window.h"
#include "platform/ports.h"

namespace fesk::win32 {

// The file name, without its folder, of the program that owns the window,
// in code page 932; empty when the process cannot be asked or the name has
// no code-page-932 spelling.
std::string ProgramFileOf(HWND window);

class Win32ForegroundWindow : public ForegroundWindow, public ForegroundPort {
 public:
  bool IsIconic() override;
  bool IsZoomed() override;
  void Show(int show_command) override;
  bool ElevatedAboveUs() override;
  std::optional<ForegroundFacts> Facts() override;
};

}  // namespace fesk::win32
