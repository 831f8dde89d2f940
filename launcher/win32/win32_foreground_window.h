// The foreground window, through the window manager: for the Window
// services, which act on it, and for the full-screen rule, which asks where
// it lies.
#pragma once

#include "launcher/services/foreground_window.h"
#include "platform/ports.h"

namespace fesk::win32 {

class Win32ForegroundWindow : public ForegroundWindow, public ForegroundPort {
 public:
  bool IsIconic() override;
  bool IsZoomed() override;
  void Show(int show_command) override;
  bool ElevatedAboveUs() override;
  std::optional<ForegroundFacts> Facts() override;
};

}  // namespace fesk::win32
