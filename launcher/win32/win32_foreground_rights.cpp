#include "launcher/win32/win32_foreground_rights.h"

namespace fesk::win32 {

namespace {

// How long a window in front may take to answer before it counts as hung.
constexpr UINT kAnswerTimeout = 200;

HWND HandleOf(WindowId window) { return reinterpret_cast<HWND>(window); }

}  // namespace

// A mouse input with no movement and no button: Windows counts it as the
// last input event, and nothing on the screen changes.
void Win32ForegroundRights::SendNeutralInput() {
  INPUT input{};
  input.type = INPUT_MOUSE;
  SendInput(1, &input, sizeof input);
}

void Win32ForegroundRights::AllowAnyProcessForeground() { AllowSetForegroundWindow(ASFW_ANY); }

void Win32ForegroundRights::SetForeground(WindowId window) { SetForegroundWindow(HandleOf(window)); }

WindowId Win32ForegroundRights::Foreground() { return IdOf(GetForegroundWindow()); }

// SMTO_ABORTIFHUNG returns at once for a thread Windows already counts as
// hung; the time-out catches one that has only just stopped answering.
bool Win32ForegroundRights::Responds(WindowId window) {
  DWORD_PTR answer = 0;
  return SendMessageTimeoutW(HandleOf(window), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeout, &answer) != 0;
}

bool Win32ForegroundRights::ShareInputWith(WindowId window, bool share) {
  const DWORD theirs = GetWindowThreadProcessId(HandleOf(window), nullptr);
  const DWORD ours = GetCurrentThreadId();
  if (theirs == 0 || theirs == ours) return false;
  return AttachThreadInput(ours, theirs, share ? TRUE : FALSE) != 0;
}

}  // namespace fesk::win32
