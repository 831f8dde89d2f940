// Runs a handler and shows a FeskError in the program's standard error box,
// the way an unhandled error of an event handler reaches the user.  The
// operation that failed has stopped; the program goes on.
#pragma once

#include <utility>

#include "common/errors.h"
#include "platform/ports.h"

namespace fesk {

template <typename Handler>
bool RunGuarded(DialogPort& dialogs, Handler&& handler) {
  try {
    std::forward<Handler>(handler)();
    return true;
  } catch (const FeskError& error) {
    dialogs.ShowError(error.what());
    return false;
  }
}

}  // namespace fesk
