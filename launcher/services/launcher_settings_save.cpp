// Writing the options to section SYSTEM, key by key in the file's order.
#include "common/program_sections.h"
#include "launcher/services/launcher_settings.h"
#include "launcher/services/option_switches.h"
#include "launcher/services/system_keys.h"

namespace fesk {

namespace {

const char* Switch(bool on) { return on ? kOn : kOff; }

// A direction without a selection is written as -1.
int StoredService(WindowService service) { return static_cast<int>(static_cast<unsigned>(service)); }

// "|" alone lists no program either, so taking it for a missing key changes
// nothing the launcher does.
bool HoldsKey(const SettingsFile& file, const char* key) {
  const std::string absent(1, kQuietProgramSeparator);
  return file.ReadString(kSystemSection, key, absent) != absent;
}

}  // namespace

// The keys go to the file in one replacement at the end: the section is
// saved whole or not at all, and a large file is rewritten once, not once
// per key.
void LauncherSettings::SaveOptions(const LauncherOptions& o) const {
  SettingsFile file(path_);
  file.DeferWrites();
  file.WriteInteger(kSystemSection, syskey::kMode, static_cast<int>(o.mode));
  file.WriteInteger(kSystemSection, syskey::kSelectKey, o.mouse_action_trigger);
  file.WriteInteger(kSystemSection, syskey::kWinSelectKey, o.window_service_trigger);
  WriteStartArea(file, o);
  file.WriteString(kSystemSection, syskey::kNutral, std::to_string(o.neutral_divisor));
  file.WriteInteger(kSystemSection, syskey::kSenMin, o.minimum_move);
  file.WriteInteger(kSystemSection, syskey::kInterval, o.interval);
  WriteSwitches(file, o, SwitchPlace::kAfterSensor);
  for (int i = 0; i < 8; ++i) {
    file.WriteInteger(kSystemSection, syskey::WinServiceKey(i + 1),
                      StoredService(o.services[static_cast<std::size_t>(i)]));
  }
  file.WriteInteger(kSystemSection, syskey::kSystemIcon, static_cast<int>(o.tray_icon));
  file.WriteString(kSystemSection, syskey::kHint, Switch(o.hints));
  WriteSwitches(file, o, SwitchPlace::kAtEnd);
  WriteQuietPrograms(file, o.quiet_programs);
  file.Flush();
}

void LauncherSettings::WriteStartArea(SettingsFile& file, const LauncherOptions& o) const {
  auto write_rect = [&](auto key_of, const Rect& rect) {
    const int part[4] = {rect.left, rect.top, rect.right, rect.bottom};
    for (int i = 0; i < 4; ++i) file.WriteInteger(kSystemSection, key_of(i), part[i]);
  };
  file.WriteString(kSystemSection, syskey::kRun, Switch(o.start_area.run_spot_on));
  write_rect([](int part) { return syskey::RunSpotKey(part); }, o.start_area.run_spot);
  file.WriteString(kSystemSection, syskey::kHool, Switch(o.start_area.black_holes_on));
  for (int hole = 1; hole <= 4; ++hole) {
    write_rect([hole](int part) { return syskey::BlackHoleKey(hole, part); },
               o.start_area.black_holes[static_cast<std::size_t>(hole - 1)]);
  }
}

// An empty list is written only over a key the file holds (the user took
// the last name off): a file that never listed a program keeps its lines as
// they were, and a missing key reads as the empty list all the same.
void LauncherSettings::WriteQuietPrograms(SettingsFile& file, const QuietProgramList& list) const {
  if (list.empty() && !HoldsKey(file, syskey::kQuietPrograms)) return;
  file.WriteString(kSystemSection, syskey::kQuietPrograms, list.ToValue());
}

void LauncherSettings::WriteSwitches(SettingsFile& file, const LauncherOptions& o, SwitchPlace place) const {
  for (const OptionSwitch& row : kOptionSwitches) {
    if (row.place == place) file.WriteInteger(kSystemSection, row.key, o.*row.option ? 1 : 0);
  }
}

}  // namespace fesk
