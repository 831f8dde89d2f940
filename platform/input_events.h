// How the platform tells the launcher of key and button events while another
// program has the focus (raw input delivered to a hidden window).
//
// Windows delivers raw input to a window registered as a sink whatever
// window is in front, and while the session is locked or the secure desktop
// is up nothing reaches the user's desktop at all.  Wine delivers it only
// while a window that is not minimised is in front.
#pragma once

namespace fesk {

class InputEventsPort {
 public:
  virtual ~InputEventsPort() = default;
  // Whether events come whatever window is in front, as on Windows.  The
  // answer does not change while the program runs: it is asked once.
  virtual bool ComeWhateverIsInFront() = 0;
  // Only where they do not: whether a window that makes them come (shown
  // and not minimised) is in front now.
  virtual bool UsableWindowInFront() = 0;
};

}  // namespace fesk
