// The foreground steps of the launcher (ForegroundRightsPort) with the
// Win32 functions: SendInput, AllowSetForegroundWindow, SetForegroundWindow,
// GetForegroundWindow, SendMessageTimeout and AttachThreadInput.
#pragma once

#include "platform/foreground_rights.h"
#include "platform/win32/windows_api.h"

namespace fesk::win32 {

inline WindowId IdOf(HWND window) { return reinterpret_cast<WindowId>(window); }

class Win32ForegroundRights : public ForegroundRightsPort {
 public:
  void SendNeutralInput() override;
  void AllowAnyProcessForeground() override;
  void SetForeground(WindowId window) override;
  WindowId Foreground() override;
  bool Responds(WindowId window) override;
  bool ShareInputWith(WindowId window, bool share) override;
};

}  // namespace fesk::win32
