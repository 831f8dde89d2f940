#include "launcher/services/window_services.h"

#include <utility>

namespace fesk {

WindowServices::WindowServices(KeySink& keys, ForegroundWindow& window, ShellPort& shell, ClockPort& clock,
                               FilePath launcher_folder, std::function<void()> show_settings,
                               std::function<std::string()> current_work_folder, std::function<void()> left_alone)
    : sender_(keys),
      window_(window),
      shell_(shell),
      clock_(clock),
      launcher_folder_(std::move(launcher_folder)),
      show_settings_(std::move(show_settings)),
      current_work_folder_(std::move(current_work_folder)),
      left_alone_(std::move(left_alone)) {}

void WindowServices::OpenLauncherProgram(const char* file, const std::string& parameters) {
  const std::string directory = current_work_folder_ ? current_work_folder_() : std::string();
  shell_.Open(InFolder(launcher_folder_, file), parameters, directory, show::kShow);
}

namespace {

// The operations that type keys (which go to the window in front) or change
// the window in front.
bool ActsOnTheWindowInFront(WindowService operation) {
  using enum WindowService;
  switch (operation) {
    case kWindowMenu:
    case kCloseApplication:
    case kEnlargeWindow:
    case kShrinkWindow:
    case kStartMenu:
    case kShutDownWindows: return true;
    default: return false;
  }
}

}  // namespace

// Windows would drop the keys and refuse the window operation without an
// error; doing nothing and saying why beats failing in silence.
bool WindowServices::LeavesElevatedWindowAlone(WindowService operation) {
  if (!ActsOnTheWindowInFront(operation) || !window_.ElevatedAboveUs()) return false;
  if (left_alone_) left_alone_();
  return true;
}

void WindowServices::RunWindowService(WindowService operation) {
  using enum WindowService;
  if (LeavesElevatedWindowAlone(operation)) return;
  switch (operation) {
    case kWindowMenu: sender_.SendKeys("% "); break;
    case kCloseApplication: sender_.SendKeys("%{F4}"); break;
    case kEnlargeWindow: window_.Show(window_.IsIconic() ? show::kRestore : show::kMaximized); break;
    case kShrinkWindow: window_.Show(window_.IsZoomed() ? show::kRestore : show::kMinimized); break;
    case kShowSettings:
      if (show_settings_) show_settings_();
      break;
    case kStartEditor: OpenLauncherProgram(kEditorServiceFileName, ""); break;
    case kStartMenu: sender_.SendKeys("^{ESC}"); break;
    case kShutDownWindows:
      // Alt+F4 with the Start menu open (and so no application window in
      // front) brings up the system's shut-down dialog; the pause lets the
      // menu appear first.
      sender_.SendKeys("^{ESC}");
      clock_.Sleep(100);
      sender_.SendKeys("%{F4}");
      break;
    case kPaletteGroups: OpenLauncherProgram(kPaletteFileName, "M"); break;
    default: {
      const unsigned number = static_cast<unsigned>(operation);
      if (number >= static_cast<unsigned>(kFirstPalette) && number <= static_cast<unsigned>(kLastPalette)) {
        OpenLauncherProgram(kPaletteFileName, std::to_string(number - static_cast<unsigned>(kPaletteGroups)));
      }
      break;  // 0 and anything above 17: nothing
    }
  }
}

}  // namespace fesk
