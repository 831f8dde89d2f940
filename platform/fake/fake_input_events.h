// The platform's delivery of key and button events, as a test sets it.
#pragma once

#include "platform/input_events.h"

namespace fesk::fake {

struct FakeInputEvents : InputEventsPort {
  // As on Windows (true) or as under Wine (false).
  bool whatever_in_front = true;
  bool usable_window_in_front = true;
  int platform_asked = 0;
  int front_asked = 0;

  bool ComeWhateverIsInFront() override {
    ++platform_asked;
    return whatever_in_front;
  }
  bool UsableWindowInFront() override {
    ++front_asked;
    return usable_window_in_front;
  }
};

}  // namespace fesk::fake
