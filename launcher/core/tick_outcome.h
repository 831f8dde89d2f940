// What one sensing tick tells the waking rule (WakeRule).
#pragma once

namespace fesk {

enum class TickOutcome {
  // The tick returned at once (the gate is shut, or another tick is
  // running): it saw nothing either way.
  kSkipped,
  // Every key it read was up, and no movement is under way.
  kQuiet,
  // It saw a key or button held, or a movement is under way.
  kBusy,
};

}  // namespace fesk
