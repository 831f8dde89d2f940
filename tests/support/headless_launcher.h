// The headless launcher on the platform doubles, with a settings file of the
// caller's choosing: what the fuzz targets and the benchmarks drive.
#pragma once

#include <memory>
#include <string>

#include "launcher/core/window_service_runner.h"
#include "launcher/ui/settings_dialog.h"
#include "platform/fake/fake_ports.h"

namespace fesk::testing {

class NoServices : public WindowServiceRunner {
 public:
  void RunWindowService(WindowService) override {}
};

struct HeadlessLauncher {
  fake::FakeInput input;
  fake::FakeClock clock;
  fake::FakeShell shell;
  fake::FakeDialogs dialogs;
  fake::FakeTray tray;
  NoServices services;
  SettingsDialog form;

  // The form as made, not yet created (FormCreate loads the settings).
  explicit HeadlessLauncher(const std::string& settings_path)
      : form(LauncherEnvironment{input, clock, shell, dialogs, tray, services, nullptr, FilePath(settings_path),
                                 FilePath("C:\\Fesk\\")}) {}
};

}  // namespace fesk::testing
