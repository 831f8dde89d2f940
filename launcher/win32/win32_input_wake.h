// What wakes the launcher's sensing loop on Windows (WakeRule): raw input
// of every keyboard and mouse, delivered to the launcher's hidden main
// window also while another program has the focus (RIDEV_INPUTSINK), a slow
// safety timer that runs in every state, and the return from sleep or from
// the lock screen, after which raw input is registered again because
// Windows may have dropped it.  Nothing here is a hook and nothing here
// decides: the loop still reads the keys and the cursor itself.
#pragma once

#include <functional>

#include "launcher/core/wake_rule.h"
#include "platform/win32/windows_api.h"

namespace fesk::win32 {

class Win32InputWake {
 public:
  // The safety timer's id on the window; the window passes its WM_TIMER to
  // SafetyTick.
  static constexpr UINT_PTR kSafetyTimer = 3;

  // `tick` runs one sensing tick on the window's thread.
  Win32InputWake(HWND window, std::function<TickOutcome()> tick);
  ~Win32InputWake();
  Win32InputWake(const Win32InputWake&) = delete;
  Win32InputWake& operator=(const Win32InputWake&) = delete;

  bool Awake() const { return rule_.Awake(); }
  void FastTick() { rule_.FastTick(); }
  void SafetyTick() { rule_.SafetyTick(); }
  long long ticks() const { return rule_.ticks(); }

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

  void RegisterRawInput();
  void StartSafetyTimer();
  // The user is back (resume, unlock): raw input anew, and a look at once.
  void UserBack();

  HWND window_;
  Clock clock_;
  WakeRule rule_;
  // Asked by the benchmarks and the end-to-end tests for the number of
  // sensing ticks run (the answer of SendMessage).
  UINT tick_count_message_ = 0;
  bool session_notification_ = false;
};

}  // namespace fesk::win32
