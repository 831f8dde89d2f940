// Full-screen programs: a game, a slide show or a video played over the
// whole monitor.  While one is in front, the launcher starts nothing from a
// mouse action or a screen position (shortcut keys stay: they are pressed
// on purpose), so a stroke or a corner reached by accident never interrupts
// it.
#pragma once

#include <string_view>

#include "platform/ports.h"

namespace fesk {

// The desktop and the shell's own windows (the task bar, the Start menu)
// cover the monitor too, but are no program the user is absorbed in.
bool IsShellWindowClass(std::string_view class_name);

// A visible window, not one of the shell's, whose client area covers the
// whole monitor it is on.  The client area, not the window's rectangle:
// a maximised window over an auto-hidden task bar has its frame outside
// the monitor, yet shows its caption.
bool CoversItsMonitor(const ForegroundFacts& facts);

// Asks the platform about the window in front; false without a port.
bool FullScreenProgramInFront(ForegroundPort* foreground);

}  // namespace fesk
