// The eighteen operations a straight movement can be bound to under the
// Window-service trigger: typing window and system keys, resizing the
// foreground window, showing the settings dialog, and starting the editor or
// the icon palette program from the launcher's folder.
#pragma once

#include <functional>
#include <string>

#include "common/program_files.h"
#include "launcher/core/window_service_runner.h"
#include "launcher/services/foreground_window.h"
#include "launcher/services/key_sink.h"
#include "launcher/services/send_keys.h"
#include "platform/ports.h"

namespace fesk {

class WindowServices : public WindowServiceRunner {
 public:
  // launcher_folder: the folder of the launcher's program file, ending in
  // "\".  show_settings: shows the settings dialog and brings it to the
  // foreground.  current_work_folder: the work folder of the program the
  // launcher most recently prepared for starting ("" before the first).
  // left_alone: tells the user that a window running as administrator was
  // left alone (elevated_window_note.h).
  WindowServices(KeySink& keys, ForegroundWindow& window, ShellPort& shell, ClockPort& clock, FilePath launcher_folder,
                 std::function<void()> show_settings, std::function<std::string()> current_work_folder,
                 std::function<void()> left_alone = {});

  void RunWindowService(WindowService operation) override;

  // The typing routine the services use, for other callers of SendKeys.
  KeySender& Keys() { return sender_; }

 private:
  // A shell open of a program file in the launcher's folder; the result is
  // neither awaited nor checked.
  void OpenLauncherProgram(const char* file, const std::string& parameters);

  // True when the operation would act on, or type into, a window in front
  // that runs with more rights than the launcher; the user is told then.
  bool LeavesElevatedWindowAlone(WindowService operation);

  KeySender sender_;
  ForegroundWindow& window_;
  ShellPort& shell_;
  ClockPort& clock_;
  FilePath launcher_folder_;
  std::function<void()> show_settings_;
  std::function<std::string()> current_work_folder_;
  std::function<void()> left_alone_;
};

}  // namespace fesk
