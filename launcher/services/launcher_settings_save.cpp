// Writing the options to section SYSTEM, key by key in the file's order.
#include "common/program_sections.h"
#include "launcher/services/launcher_settings.h"
#include "launcher/services/system_keys.h"

namespace fesk {

namespace {

const char* Switch(bool on) { return on ? kOn : kOff; }

// A direction without a selection is written as -1.
int StoredService(WindowService service) { return static_cast<int>(static_cast<unsigned>(service)); }

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
  WriteFlags(file, o);
  for (int i = 0; i < 8; ++i) {
    file.WriteInteger(kSystemSection, syskey::WinServiceKey(i + 1),
                      StoredService(o.services[static_cast<std::size_t>(i)]));
  }
  file.WriteInteger(kSystemSection, syskey::kSystemIcon, static_cast<int>(o.tray_icon));
  file.WriteString(kSystemSection, syskey::kHint, Switch(o.hints));
  file.WriteInteger(kSystemSection, syskey::kFullScreenQuiet, o.quiet_over_full_screen ? 1 : 0);
  file.WriteInteger(kSystemSection, syskey::kAutoStart, o.start_with_windows ? 1 : 0);
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

void LauncherSettings::WriteFlags(SettingsFile& file, const LauncherOptions& o) const {
  const std::pair<std::string, bool> flags[] = {
      {syskey::kLinkFlg, o.link_mouse_actions},
      {syskey::kPrgErrMsg, o.report_start_errors},
      {syskey::kActErrMsg, o.report_unregistered_actions},
      {syskey::kRunOption, o.run_time_option},
      {syskey::TriggerKey(1), o.mouse_actions},
      {syskey::TriggerKey(2), o.shortcut_keys},
      {syskey::TriggerKey(3), o.screen_positions},
      {syskey::TriggerKey(4), o.window_services},
      {syskey::TriggerKey(5), o.program_tray_icons},
  };
  for (const auto& [key, on] : flags) file.WriteInteger(kSystemSection, key, on ? 1 : 0);
}

}  // namespace fesk
