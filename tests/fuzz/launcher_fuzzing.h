// The headless launcher as the fuzz targets drive it: the form on the
// platform doubles, with a settings file of the target's choosing.
#pragma once

#include <memory>
#include <string>

#include "launcher/core/window_service_runner.h"
#include "launcher/ui/settings_dialog.h"
#include "platform/fake/fake_ports.h"

namespace fesk::fuzz {

class NoServices : public WindowServiceRunner {
 public:
  void RunWindowService(WindowService) override {}
};

struct Launcher {
  fake::FakeInput input;
  fake::FakeClock clock;
  fake::FakeShell shell;
  fake::FakeDialogs dialogs;
  fake::FakeTray tray;
  NoServices services;
  SettingsDialog form;

  // The form as made, not yet created (FormCreate loads the settings).
  explicit Launcher(const std::string& settings_path)
      : form(LauncherEnvironment{input, clock, shell, dialogs, tray, services, nullptr,
                                 settings_path, "C:\\Fesk\\"}) {}
};

}  // namespace fesk::fuzz
