// When the sensing timer runs fast.
//
// Every start of the launcher begins with a key or a mouse button going
// down, so the fast timer (INTERVAL) is only needed from a key or button
// event until everything the loop watches is up again.  The platform tells
// the rule of each key or button event (InputEvent) and runs a slow safety
// tick in every state (SafetyTick), for the input it is not told of: a
// window of higher rights in front, the moments after resume or unlock, a
// device that reports no events.  Between them the fast timer stops and an
// idle launcher costs a few wake-ups a second instead of a hundred.
//
// While awake the ticks are exactly those of the fast timer; the rule only
// decides when the timer stops and starts.
#pragma once

#include <functional>
#include <optional>

#include "launcher/core/tick_outcome.h"
#include "platform/input_events.h"
#include "platform/ports.h"

namespace fesk {

class WakeRule {
 public:
  // How long everything must have been seen up before the fast timer stops.
  // Under Wine the asynchronous key state of a process without focus may
  // show a key up to 50 ms after its event has been delivered, so the tick
  // run at the event itself may see nothing yet; 300 ms covers that several
  // times over and the gap between the keys of a shortcut typed slowly,
  // while a user who stops typing costs only 30 more fast ticks.
  static constexpr int kQuietTime = 300;
  // The safety tick's period: a held trigger or shortcut is found within a
  // second even without an event.  It is the idle launcher's whole cost, and
  // under Wine each tick is a few round trips to the wineserver: at four a
  // second the idle launcher cost a fifth of the least 10 ms poller, at one
  // a second a tenth, about what its process costs doing nothing at all.
  // Where no event comes the keys mostly cannot be read either (a window of
  // higher rights in front reads as nothing held), and after resume and
  // unlock the platform wakes the loop itself.
  static constexpr int kSafetyPeriod = 1000;

  // `tick` runs one sensing tick and tells what it saw; `events` tells
  // whether the platform can tell of key and button events now.  Where they
  // come only while a usable window is in front (Wine), the fast timer runs
  // as if nothing were quiet while none is; on Windows they come whatever
  // is in front, and a locked session has nothing to sense, so the loop
  // sleeps however the desktop looks.
  WakeRule(ElapsedClock& clock, std::function<TickOutcome()> tick, InputEventsPort& events)
      : clock_(clock),
        tick_(std::move(tick)),
        events_(events),
        events_whatever_in_front_(events.ComeWhateverIsInFront()) {}

  // The fast timer runs (as far as the loop itself has not stopped it).
  bool Awake() const { return awake_; }
  // A tick of the fast timer.
  void FastTick() { Run(); }
  // A tick of the slow timer: while asleep it runs a sensing tick, which
  // wakes the fast timer when it finds something held.
  void SafetyTick();
  // A key or a mouse button went down or up: the quiet time begins anew, and
  // a sleeping loop wakes and ticks at once, so that nothing starts later
  // than with the fast timer always running.
  void InputEvent();

  // Sensing ticks run so far, for the benchmarks.
  long long ticks() const { return ticks_; }

 private:
  void Run();
  void Take(TickOutcome outcome);
  bool EventsArrive() { return events_whatever_in_front_ || events_.UsableWindowInFront(); }

  ElapsedClock& clock_;
  std::function<TickOutcome()> tick_;
  InputEventsPort& events_;
  const bool events_whatever_in_front_;
  bool awake_ = true;
  // Since when every tick has seen everything up.
  std::optional<long long> quiet_since_;
  long long ticks_ = 0;
};

}  // namespace fesk
