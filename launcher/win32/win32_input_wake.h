// What wakes the launcher's sensing loop on Windows (WakeRule): raw input
// of every keyboard and mouse, delivered to the launcher's hidden main
// window also while another program has the focus (RIDEV_INPUTSINK), a slow
// safety timer that runs in every state, and the return from sleep or from
// the lock screen, after which raw input is registered again because
// Windows may have dropped it.  Nothing here is a hook and nothing here
// decides: the loop still reads the keys and the cursor itself.
//
// Whether raw input comes whatever is in front is decided once, at start:
// Windows delivers it so, Wine (which exports wine_get_version from ntdll)
// only while a window that is not minimised is in front.
#pragma once

#include <functional>

#include "launcher/core/session_notices.h"
#include "launcher/core/wake_rule.h"
#include "platform/win32/windows_api.h"

namespace fesk::win32 {

// Raw input on this platform: Windows, or Wine.
class Win32RawInputDelivery : public InputEventsPort {
 public:
  bool ComeWhateverIsInFront() override;
  bool UsableWindowInFront() override;
};

class Win32InputWake {
 public:
  // The safety timer's id on the window; the window passes its WM_TIMER to
  // SafetyTick.
  static constexpr UINT_PTR kSafetyTimer = 3;

  // `tick` runs one sensing tick on the window's thread.
  Win32InputWake(HWND window, std::function<TickOutcome()> tick);
  Win32InputWake(const Win32InputWake&) = delete;
  Win32InputWake& operator=(const Win32InputWake&) = delete;

  bool Awake() const { return rule_.Awake(); }
  void FastTick() { rule_.FastTick(); }
  // Also asks again for the lock and unlock notices while they were refused.
  void SafetyTick() {
    session_.SafetyTick();
    rule_.SafetyTick();
  }
  long long ticks() const { return rule_.ticks(); }
  // The window is about to be destroyed (WM_DESTROY).
  void WindowClosing() { session_.WindowClosing(); }

  // The messages that concern waking.  True when the window's handling
  // ends with `result` (the tick count asked for); false when the message
  // goes on to DefWindowProc as well: WM_INPUT must, so that Windows frees
  // its data, and resume and unlock keep their default answers.  `changed`
  // tells that a sensing tick ran or the fast timer is to start or stop.
  bool OnMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result, bool& changed);

 private:
  class Clock : public ElapsedClock {
   public:
    long long Milliseconds() override { return static_cast<long long>(GetTickCount64()); }
  };
  class SessionChanges : public SessionNoticesPort {
   public:
    explicit SessionChanges(HWND window) : window_(window) {}
    bool Register() override;
    void Unregister() override;

   private:
    HWND window_;
  };

  void RegisterRawInput();
  void StartSafetyTimer();
  // The user is back (resume, unlock): raw input anew, and a look at once.
  void UserBack();

  HWND window_;
  Clock clock_;
  Win32RawInputDelivery delivery_;
  WakeRule rule_;
  SessionChanges session_changes_;
  SessionNotices session_;
  // Asked by the benchmarks and the end-to-end tests for the number of
  // sensing ticks run (the answer of SendMessage).
  UINT tick_count_message_ = 0;
};

}  // namespace fesk::win32
