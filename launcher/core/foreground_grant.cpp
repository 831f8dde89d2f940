#include "launcher/core/foreground_grant.h"

namespace fesk {

void GrantForegroundToNextStart(ForegroundRightsPort& rights) {
  rights.SendNeutralInput();
  rights.AllowAnyProcessForeground();
}

// A box of our own needs no right handed on to another process.
void GrantForegroundToOwnBox(ForegroundRightsPort& rights) { rights.SendNeutralInput(); }

// SetForeground may be refused without a word, so the result is read back.
// Joining the input of the window in front lets the launcher's thread act
// as part of the foreground; a thread that does not answer would block the
// launcher's own input once joined, so a hung window is left alone.
bool BringToFront(ForegroundRightsPort& rights, WindowId window) {
  GrantForegroundToOwnBox(rights);
  rights.SetForeground(window);
  const WindowId front = rights.Foreground();
  if (front == window) return true;
  if (front == 0 || !rights.Responds(front)) return false;
  if (!rights.ShareInputWith(front, true)) return false;
  rights.SetForeground(window);
  rights.ShareInputWith(front, false);
  return rights.Foreground() == window;
}

}  // namespace fesk
