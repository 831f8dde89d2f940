#include "launcher/core/wake_rule.h"

namespace fesk {

void WakeRule::SafetyTick() {
  if (!awake_) Run();
}

void WakeRule::InputEvent() {
  quiet_since_.reset();
  if (awake_) return;
  awake_ = true;
  Run();
}

void WakeRule::Run() {
  const TickOutcome outcome = tick_();
  if (outcome == TickOutcome::kSkipped) return;
  ++ticks_;
  Take(outcome);
}

// A tick that saw anything held keeps the loop awake however it was woken,
// and so does one made while no event could wake it again; quiet ticks put
// it to sleep once they have lasted the quiet time.  The platform is asked
// only after a quiet tick: on the safety ticks while asleep, and on the
// fast ticks of the quiet time.
void WakeRule::Take(TickOutcome outcome) {
  if (outcome == TickOutcome::kBusy || !EventsArrive()) {
    awake_ = true;
    quiet_since_.reset();
    return;
  }
  const long long now = clock_.Milliseconds();
  if (!quiet_since_) quiet_since_ = now;
  if (awake_ && now - *quiet_since_ >= kQuietTime) awake_ = false;
}

}  // namespace fesk
