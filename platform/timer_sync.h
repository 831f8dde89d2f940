// How a window's real timer follows its Timer model: the one call, if any,
// that brings it in line after an event.  A tick that changed nothing of
// the model needs none, so an idle tick costs the window no timer call.
#pragma once

#include "platform/ports.h"

namespace fesk {

// The real timer as the window last set it.
struct RealTimer {
  bool running = false;
  int interval = 0;
  int restarts = 0;  // the model's restarts it has followed
};

enum class TimerCall {
  kNone,
  // Start the timer, or start its interval anew (a changed period, or a
  // pause of the model since the last call).
  kSet,
  kKill,
};

// The call to make, with `real` updated to what the timer is after it.
inline TimerCall SyncTimer(const Timer& model, RealTimer& real) {
  if (!model.enabled) {
    if (!real.running) return TimerCall::kNone;
    real.running = false;
    return TimerCall::kKill;
  }
  if (real.running && model.interval == real.interval && model.restarts == real.restarts) return TimerCall::kNone;
  real = RealTimer{true, model.interval, model.restarts};
  return TimerCall::kSet;
}

}  // namespace fesk
