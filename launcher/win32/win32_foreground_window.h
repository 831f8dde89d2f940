// The foreground window for the Window services, through the window manager.
#pragma once

#include "launcher/services/foreground_window.h"

namespace fesk::win32 {

class Win32ForegroundWindow : public ForegroundWindow {
 public:
  bool IsIconic() override;
  bool IsZoomed() override;
  void Show(int show_command) override;
};

}  // namespace fesk::win32
