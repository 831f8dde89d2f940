// Reading section SYSTEM and the program sections.
#include <charconv>

#include "common/cp932.h"
#include "common/program_sections.h"
#include "launcher/core/launch_texts.h"
#include "launcher/core/window_service_runner.h"
#include "launcher/services/launcher_settings.h"
#include "launcher/services/option_switches.h"
#include "launcher/services/system_keys.h"

namespace fesk {

namespace {

// What a missing key leaves: the options' own defaults.
const LauncherOptions& Defaults() {
  static const LauncherOptions defaults;
  return defaults;
}

// A missing key (or one that is no number) takes the option's default; any
// number but 1 is off.
bool ReadSwitch(const SettingsFile& file, const OptionSwitch& row) {
  const bool default_on = Defaults().*row.option;
  return file.ReadInteger(kSystemSection, row.key, default_on ? 1 : 0) == 1;
}

}  // namespace

int ChoiceFor(int stored, int count) {
  if (stored < -1) return -1;
  return stored >= count ? count - 1 : stored;
}

std::optional<int> ParseDecimal(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty() || text.front() == '+') return std::nullopt;
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

void LauncherSettings::ReadOptions(LauncherOptions& options) const {
  SettingsFile file(path_);
  ReadModeAndSensor(file, options);
  ReadStartArea(file, options);
  ReadSwitches(file, options);
  ReadServicesIconAndHint(file, options);
  options.quiet_programs = QuietProgramList::Parse(file.ReadString(kSystemSection, syskey::kQuietPrograms, ""));
}

// NUTRAL is read as a text: one that is no number is taken as the default,
// like any other key.
void LauncherSettings::ReadModeAndSensor(const SettingsFile& file, LauncherOptions& o) const {
  int mode = file.ReadInteger(kSystemSection, syskey::kMode, static_cast<int>(Defaults().mode));
  o.mode = static_cast<MouseActionMode>(ChoiceFor(mode, kModeCount));
  int select_key = file.ReadInteger(kSystemSection, syskey::kSelectKey, 1);
  if (select_key >= 0 && select_key < kTriggerCount) o.SetMouseActionTrigger(select_key);
  int win_select_key = file.ReadInteger(kSystemSection, syskey::kWinSelectKey, 6);
  if (win_select_key >= 0 && win_select_key < kTriggerCount) o.SetWindowServiceTrigger(win_select_key);
  const int nutral_default = Defaults().neutral_divisor;
  std::string nutral = file.ReadString(kSystemSection, syskey::kNutral, std::to_string(nutral_default));
  o.neutral_divisor = ParseDecimal(nutral).value_or(nutral_default);
  o.minimum_move = file.ReadInteger(kSystemSection, syskey::kSenMin, Defaults().minimum_move);
  o.interval = file.ReadInteger(kSystemSection, syskey::kInterval, Defaults().interval);
}

void LauncherSettings::ReadStartArea(const SettingsFile& file, LauncherOptions& o) const {
  Size screen = input_.ScreenSize();
  const int defaults[4] = {0, 0, screen.width, screen.height};
  auto read_rect = [&](auto key_of, const int* fallback) {
    int part[4];
    for (int i = 0; i < 4; ++i) part[i] = file.ReadInteger(kSystemSection, key_of(i), fallback[i]);
    return Rect{part[0], part[1], part[2], part[3]};
  };
  const int zeros[4] = {0, 0, 0, 0};
  o.start_area.run_spot_on = file.ReadString(kSystemSection, syskey::kRun, kOff) == kOn;
  o.start_area.run_spot = read_rect([](int part) { return syskey::RunSpotKey(part); }, defaults);
  o.start_area.black_holes_on = file.ReadString(kSystemSection, syskey::kHool, kOff) == kOn;
  for (int hole = 1; hole <= 4; ++hole) {
    o.start_area.black_holes[static_cast<std::size_t>(hole - 1)] =
        read_rect([hole](int part) { return syskey::BlackHoleKey(hole, part); }, zeros);
  }
}

void LauncherSettings::ReadSwitches(const SettingsFile& file, LauncherOptions& o) const {
  for (const OptionSwitch& row : kOptionSwitches) {
    if (row.read_with_programs || tables_.ProgramCount == 0) o.*row.option = ReadSwitch(file, row);
  }
}

// A stored operation that no list item has leaves the direction without a
// selection.
void LauncherSettings::ReadServicesIconAndHint(const SettingsFile& file, LauncherOptions& o) const {
  for (int i = 0; i < 8; ++i) {
    const auto fallback = static_cast<int>(kDefaultWindowServices[static_cast<std::size_t>(i)]);
    int service = file.ReadInteger(kSystemSection, syskey::WinServiceKey(i + 1), fallback);
    bool listed = service >= 0 && service < kWindowServiceCount;
    o.services[static_cast<std::size_t>(i)] = static_cast<WindowService>(static_cast<unsigned>(listed ? service : -1));
  }
  int icon = file.ReadInteger(kSystemSection, syskey::kSystemIcon, static_cast<int>(Defaults().tray_icon));
  o.tray_icon = static_cast<TrayIconChoice>(ChoiceFor(icon, kTrayIconChoiceCount));
  o.hints = file.ReadString(kSystemSection, syskey::kHint, Defaults().hints ? kOn : kOff) == kOn;
}

void LauncherSettings::LoadPrograms(bool tray_icons) {
  SettingsFile file(path_);
  tables_.ScreenPositionSlots.Clear();
  tables_.TrayProgramIconCount = 0;
  tables_.TrayIconProgram.fill(kNoSlot);
  for (int slot = 0; slot < kMaxPrograms; ++slot) {
    if (!ReadProgram(file, slot, tray_icons)) {
      tables_.ProgramCount = slot;
      return;
    }
  }
  tables_.ProgramCount = kMaxPrograms;
}

// False at the end of the list.
bool LauncherSettings::ReadProgram(const SettingsFile& file, int slot, bool tray_icons) {
  const std::string section = ProgramSection(slot);
  std::string command = file.ReadString(section, key::kCmdLine, "");
  if (IsEndOfProgramList(file.ReadString(section, key::kDiscription, ""), command)) return false;
  tables_.ScreenPositionSlots.Claim(file.ReadString(section, key::kDisplayPos, ""), slot);
  tables_.ActionCodes[slot] = file.ReadString(section, key::kActCode, kNoActionCode);
  tables_.ProgramTitles[slot] = file.ReadString(section, key::kDiscription, kUntitled);
  if (tray_icons && file.ReadString(section, key::kTaskTray, "") == kOn) {
    tables_.TrayProgramIconCount = slot + 1;
    tables_.TrayIconProgram[slot + 1] = slot;
    AddProgramTrayIcon(TrayPicture{TrayPicture::Kind::kProgramFile, 0, command});
  }
  tables_.HotKeyTable[slot] = MakeHotKeyEntry(TextToShortCut(file.ReadString(section, key::kHotKey, ""), key_names_));
  return true;
}

void LauncherSettings::AddProgramTrayIcon(const TrayPicture& icon) {
  int id = tables_.TrayProgramIconCount;
  const std::string& title = tables_.ProgramTitles[static_cast<std::size_t>(tables_.TrayIconProgram[id])];
  tray_.Add(id, icon, cp932::CutToBytes(title, 63));
}

}  // namespace fesk
