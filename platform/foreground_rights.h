// What the launcher needs from the platform to put a window in front.
//
// Windows lets only some processes set the foreground window: the one in
// front, one it started, or the one that received the last input event.
// The launcher polls and receives no input, so without help it may not: the
// programs it starts open behind the active window and only flash on the
// task bar, and its own dialog opens behind.  launcher/core/foreground_grant
// decides how these steps are used.
#pragma once

#include <cstdint>

namespace fesk {

// A top-level window; 0 is none.
using WindowId = std::uintptr_t;

class ForegroundRightsPort {
 public:
  virtual ~ForegroundRightsPort() = default;
  // Injects one mouse input that neither moves nor presses anything: the
  // launcher becomes the process that received the last input event, and
  // the user notices nothing.
  virtual void SendNeutralInput() = 0;
  // Lets any process set the foreground window (ASFW_ANY), so the program
  // about to start may bring its window to the front.
  virtual void AllowAnyProcessForeground() = 0;
  // Asks for the window to become the foreground window; Windows may refuse
  // without saying so.
  virtual void SetForeground(WindowId window) = 0;
  // The foreground window now; 0 when there is none.
  virtual WindowId Foreground() = 0;
  // False when the window's thread does not answer a message at once (a
  // hung program).
  virtual bool Responds(WindowId window) = 0;
  // Joins (or parts) the input state of the launcher's thread with that of
  // the window's thread; false when that failed.
  virtual bool ShareInputWith(WindowId window, bool share) = 0;
};

}  // namespace fesk
