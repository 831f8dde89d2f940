// A launcher built headless on the fake ports, with its settings file in a
// fresh temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine_fixture.h"
#include "launcher/core/foreground_grant.h"
#include "launcher/core/window_service_runner.h"
#include "launcher/ui/settings_dialog.h"
#include "platform/fake/fake_foreground_rights.h"
#include "platform/fake/fake_open_programs.h"
#include "platform/fake/fake_ports.h"

namespace fesk::testing {

class ScratchFolder {
 public:
  ScratchFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("fesk-launcher-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline constexpr char kLauncherProgram[] = "C:\\Fesk\\Fesk.exe";

class LauncherTest : public ::testing::Test, public LauncherFakes, public TickSteps<LauncherTest> {
  friend TickSteps<LauncherTest>;

 protected:
  ScratchFolder folder;
  fake::FakeAutoStart auto_start;
  fake::FakePaths paths;
  fake::FakeOpenPrograms open_programs;
  // The launcher's starts go through the shell that first hands on the
  // right to the foreground, as the program builds it.
  fake::FakeForegroundRights foreground_rights;
  ForegroundGrantingShell granting_shell{shell, foreground_rights};
  // And every box it shows comes with the grant as well.
  ForegroundGrantingDialogs granting_dialogs{dialogs, foreground_rights};
  std::unique_ptr<SettingsDialog> form;

  std::string IniPath() const { return folder.File("Fesk.Ini"); }

  // Lines joined with CR LF.
  void WriteIni(std::initializer_list<std::string> lines) {
    std::ofstream out(IniPath(), std::ios::binary);
    for (const std::string& line : lines) out << line << "\r\n";
  }
  std::string ReadIni() const {
    std::ifstream in(IniPath(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  // A program section with the keys given as "KEY=value".
  static std::vector<std::string> Program(int slot, std::initializer_list<std::string> keys) {
    std::vector<std::string> lines{"[CMD" + std::to_string(slot) + "]"};
    lines.insert(lines.end(), keys.begin(), keys.end());
    return lines;
  }
  void WriteIniLines(const std::vector<std::string>& lines) {
    std::ofstream out(IniPath(), std::ios::binary);
    for (const std::string& line : lines) out << line << "\r\n";
  }

  SettingsDialog& Create() {
    form = std::make_unique<SettingsDialog>(
        LauncherEnvironment{input, clock, granting_shell, granting_dialogs, tray, services, nullptr,
                            FilePath(IniPath()), FilePath(kLauncherFolder), &foreground, &auto_start,
                            FilePath(kLauncherProgram), &paths, preview_port, &open_programs});
    form->FormCreate();
    return *form;
  }

  // What the tick steps of TickSteps run.
  void RunTick() { form->SensingTick(); }
};

}  // namespace fesk::testing
