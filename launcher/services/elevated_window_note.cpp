#include "launcher/services/elevated_window_note.h"

#include "launcher/core/tray_icons.h"

namespace fesk {

void ElevatedWindowNote::Tell() {
  if (told_ || !icon_shown_ || !icon_shown_()) return;
  // A balloon the shell refused (the icon gone with Explorer) does not count.
  told_ = tray_.Balloon(kOwnTrayIcon, kElevatedNoteTitle, kElevatedNoteText);
}

}  // namespace fesk
