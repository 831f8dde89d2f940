#include "launcher/win32/win32_input_wake.h"

#include <wtsapi32.h>

namespace fesk::win32 {

namespace {

// A registered message rather than a file or a number of our own: it costs
// nothing until asked, shows nothing to the user, cannot collide with
// another program's message, and the asking program gets the count at the
// moment it asks.
constexpr wchar_t kTickCountMessageName[] = L"FeskSensingTicks";

// A safety tick may come this much later, so that Windows can serve it
// together with other timers' wake-ups.
constexpr ULONG kSafetyTolerance = 50;

// RI_MOUSE_LEFT_BUTTON_DOWN up to RI_MOUSE_BUTTON_5_UP; the wheels and a
// move alone are no button event.
constexpr USHORT kMouseButtonFlags = 0x03FF;

// A key going down or up, or a mouse button; not a pure move or a wheel
// turn.  Data that cannot be read counts as an event, so that the loop
// wakes rather than sleeps through it.
bool KeyOrButtonEvent(LPARAM l) {
  RAWINPUT data{};
  UINT size = sizeof data;
  if (GetRawInputData(reinterpret_cast<HRAWINPUT>(l), RID_INPUT, &data, &size, sizeof(RAWINPUTHEADER)) ==
      static_cast<UINT>(-1)) {
    return true;
  }
  if (data.header.dwType == RIM_TYPEKEYBOARD) return true;
  if (data.header.dwType == RIM_TYPEMOUSE) return (data.data.mouse.usButtonFlags & kMouseButtonFlags) != 0;
  return false;
}

using SetCoalescableTimerFunction = UINT_PTR(WINAPI*)(HWND, UINT_PTR, UINT, TIMERPROC, ULONG);

}  // namespace

// Windows delivers raw input to a sink whatever is in front.  Wine, which
// exports wine_get_version from ntdll, delivers it only while a window that
// is not minimised is in front: with nothing in front (the last window
// closed or minimised) the loop must not sleep there, or a stroke would be
// seen only from the next safety tick on.
bool Win32RawInputDelivery::ComeWhateverIsInFront() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll == nullptr || GetProcAddress(ntdll, "wine_get_version") == nullptr;
}

bool Win32RawInputDelivery::UsableWindowInFront() {
  HWND front = GetForegroundWindow();
  return front != nullptr && !IsIconic(front);
}

bool Win32InputWake::SessionChanges::Register() {
  return WTSRegisterSessionNotification(window_, NOTIFY_FOR_THIS_SESSION) != FALSE;
}

void Win32InputWake::SessionChanges::Unregister() { WTSUnRegisterSessionNotification(window_); }

Win32InputWake::Win32InputWake(HWND window, std::function<TickOutcome()> tick)
    : window_(window), rule_(clock_, std::move(tick), delivery_), session_changes_(window), session_(session_changes_) {
  tick_count_message_ = RegisterWindowMessageW(kTickCountMessageName);
  RegisterRawInput();
  StartSafetyTimer();
}

// Keyboards (usage 6) and mice (usage 2) of the generic desktop page,
// delivered to the hidden window whichever window has the focus.
void Win32InputWake::RegisterRawInput() {
  RAWINPUTDEVICE devices[2]{};
  devices[0] = RAWINPUTDEVICE{0x01, 0x06, RIDEV_INPUTSINK, window_};
  devices[1] = RAWINPUTDEVICE{0x01, 0x02, RIDEV_INPUTSINK, window_};
  RegisterRawInputDevices(devices, 2, sizeof devices[0]);
}

// A coalescable timer where Windows has one (from Windows 8), so that the
// safety tick shares its wake-ups with other timers.
void Win32InputWake::StartSafetyTimer() {
  const auto coalescable = reinterpret_cast<SetCoalescableTimerFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetCoalescableTimer")));
  const UINT period = static_cast<UINT>(WakeRule::kSafetyPeriod);
  if (coalescable && coalescable(window_, kSafetyTimer, period, nullptr, kSafetyTolerance) != 0) return;
  SetTimer(window_, kSafetyTimer, period, nullptr);
}

void Win32InputWake::UserBack() {
  RegisterRawInput();
  rule_.InputEvent();
}

bool Win32InputWake::OnMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result, bool& changed) {
  const long long ticks = rule_.ticks();
  const bool awake = rule_.Awake();
  bool handled = false;
  if (message == tick_count_message_ && tick_count_message_ != 0) {
    result = static_cast<LRESULT>(rule_.ticks());
    handled = true;
  } else if (message == WM_INPUT) {
    if (KeyOrButtonEvent(l)) rule_.InputEvent();
  } else if (message == WM_POWERBROADCAST) {
    if (w == PBT_APMRESUMEAUTOMATIC) UserBack();
  } else if (message == WM_WTSSESSION_CHANGE) {
    if (w == WTS_SESSION_UNLOCK) UserBack();
  }
  changed = rule_.ticks() != ticks || rule_.Awake() != awake;
  return handled;
}

}  // namespace fesk::win32
