#include "launcher/core/full_screen.h"

#include "common/cp932.h"

namespace fesk {

namespace {

// "#32769" is the desktop window itself, "Progman" and "WorkerW" draw the
// desktop's icons and wallpaper, the task bars are "Shell_TrayWnd" (the
// main monitor) and "Shell_SecondaryTrayWnd", and the Start menu and the
// search are "Windows.UI.Core.CoreWindow".
constexpr std::string_view kShellClasses[] = {
    "#32769", "Progman", "WorkerW", "Shell_TrayWnd", "Shell_SecondaryTrayWnd", "Windows.UI.Core.CoreWindow",
};

bool Empty(const Rect& r) { return r.right <= r.left || r.bottom <= r.top; }

}  // namespace

// Window classes are named without regard to case.
bool IsShellWindowClass(std::string_view class_name) {
  for (std::string_view shell : kShellClasses) {
    if (cp932::EqualsIgnoreAsciiCase(class_name, shell)) return true;
  }
  return false;
}

bool CoversItsMonitor(const ForegroundFacts& facts) {
  if (!facts.visible || IsShellWindowClass(facts.class_name)) return false;
  const Rect& area = facts.client;
  const Rect& monitor = facts.monitor;
  if (Empty(monitor)) return false;
  return area.left <= monitor.left && area.top <= monitor.top && area.right >= monitor.right &&
         area.bottom >= monitor.bottom;
}

bool FullScreenProgramInFront(ForegroundPort* foreground) {
  if (foreground == nullptr) return false;
  std::optional<ForegroundFacts> facts = foreground->Facts();
  return facts && CoversItsMonitor(*facts);
}

}  // namespace fesk
