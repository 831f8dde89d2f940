// Reading section SYSTEM and the program sections.
#include <charconv>

#include "common/cp932.h"
#include "common/program_sections.h"
#include "launcher/core/launch_texts.h"
#include "launcher/core/window_service_runner.h"
#include "launcher/services/launcher_settings.h"
#include "launcher/services/system_keys.h"

namespace fesk {

namespace {

constexpr char kDefaultNutral[] = "5";

void SetFlag(CheckBox& box, const SettingsFile& file, const std::string& key, int default_value) {
  box.SetChecked(file.ReadInteger(kSystemSection, key, default_value) == 1);
}

}  // namespace

int RadioIndexFor(const RadioGroup& group, int stored) {
  int count = static_cast<int>(group.items.size());
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

void LauncherSettings::LoadLauncherSettings() {
  HeldValues held;
  {
    SettingsFile file(path_);
    ReadModeAndSensor(file, held);
    ReadStartArea(file, held);
    ReadFlags(file);
    ReadServicesIconAndHint(file);
    ReadProgramSections(file);
  }
  ApplySensorValues();
  ApplyTriggerNumbers(held);
  options_.RunSpot.SetChecked(held.run == kOn);
  options_.BHool.SetChecked(held.hool == kOn);
}

void LauncherSettings::ReadModeAndSensor(const SettingsFile& file, HeldValues& held) {
  LauncherOptions& o = options_;
  int mode = file.ReadInteger(kSystemSection, syskey::kMode, 0);
  o.RadioGroup2.SetItemIndex(RadioIndexFor(o.RadioGroup2, mode));
  held.select_key = file.ReadInteger(kSystemSection, syskey::kSelectKey, 1);
  held.win_select_key = file.ReadInteger(kSystemSection, syskey::kWinSelectKey, 6);
  o.Label7.caption = file.ReadString(kSystemSection, syskey::kNutral, kDefaultNutral);
  o.ScrollBar2.SetPosition(file.ReadInteger(kSystemSection, syskey::kSenMin, 10));
  o.ScrollBar3.SetPosition(file.ReadInteger(kSystemSection, syskey::kInterval, 10));
}

void LauncherSettings::ReadStartArea(const SettingsFile& file, HeldValues& held) {
  Size screen = input_.ScreenSize();
  const int defaults[4] = {0, 0, screen.width, screen.height};
  held.run = file.ReadString(kSystemSection, syskey::kRun, kOff);
  auto spot = options_.RunSpotFields();
  for (int part = 0; part < 4; ++part) {
    spot[part]->SetValue(file.ReadInteger(kSystemSection, syskey::RunSpotKey(part), defaults[part]));
  }
  held.hool = file.ReadString(kSystemSection, syskey::kHool, kOff);
  for (int hole = 1; hole <= 4; ++hole) {
    auto fields = options_.BlackHole(hole);
    for (int part = 0; part < 4; ++part) {
      fields[part]->SetValue(file.ReadInteger(kSystemSection, syskey::BlackHoleKey(hole, part), 0));
    }
  }
}

void LauncherSettings::ReadFlags(const SettingsFile& file) {
  LauncherOptions& o = options_;
  SetFlag(o.CheckBox1, file, syskey::kLinkFlg, 0);
  SetFlag(o.CheckBox2, file, syskey::kPrgErrMsg, 1);
  SetFlag(o.CheckBox3, file, syskey::kActErrMsg, 0);
  SetFlag(o.CheckBox8, file, syskey::kRunOption, 0);
  SetFlag(o.CheckBox4, file, syskey::TriggerKey(1), 1);
  SetFlag(o.CheckBox5, file, syskey::TriggerKey(2), 1);
  SetFlag(o.CheckBox6, file, syskey::TriggerKey(3), 0);
  SetFlag(o.CheckBox7, file, syskey::TriggerKey(4), 0);
  // Taken only while no program is loaded: the per-program icons already
  // shown must match the switch until they are removed by a reload.
  if (tables_.ProgramCount == 0) SetFlag(o.CheckBox9, file, syskey::TriggerKey(5), 0);
}

void LauncherSettings::ReadServicesIconAndHint(const SettingsFile& file) {
  LauncherOptions& o = options_;
  for (int i = 0; i < 8; ++i) {
    int service = file.ReadInteger(kSystemSection, syskey::WinServiceKey(i + 1),
                                   static_cast<int>(kDefaultWindowServices[static_cast<std::size_t>(i)]));
    bool listed = service >= 0 && service < static_cast<int>(o.ServiceList(i).items.size());
    o.ServiceList(i).item_index = listed ? service : -1;
  }
  int icon = file.ReadInteger(kSystemSection, syskey::kSystemIcon, 0);
  o.RadioGroup1.SetItemIndex(RadioIndexFor(o.RadioGroup1, icon));
  bool hints = file.ReadString(kSystemSection, syskey::kHint, kOn) == kOn;
  o.ShowHints = hints;
  o.RadioButton1.checked = hints;
  o.RadioButton2.checked = !hints;
}

void LauncherSettings::ReadProgramSections(const SettingsFile& file) {
  tables_.ScreenPositionSlots.Clear();
  tables_.TrayProgramIconCount = 0;
  tables_.TrayIconProgram.fill(kNoSlot);
  for (int slot = 0; slot < kMaxPrograms; ++slot) {
    if (!ReadProgram(file, slot)) {
      tables_.ProgramCount = slot;
      return;
    }
  }
  tables_.ProgramCount = kMaxPrograms;
}

// False at the end of the list.
bool LauncherSettings::ReadProgram(const SettingsFile& file, int slot) {
  const std::string section = ProgramSection(slot);
  std::string command = file.ReadString(section, key::kCmdLine, "");
  if (IsEndOfProgramList(file.ReadString(section, key::kDiscription, ""), command)) return false;
  tables_.ScreenPositionSlots.Claim(file.ReadString(section, key::kDisplayPos, ""), slot);
  tables_.ActionCodes[slot] = file.ReadString(section, key::kActCode, kNoActionCode);
  tables_.ProgramTitles[slot] = file.ReadString(section, key::kDiscription, kUntitled);
  if (options_.CheckBox9.checked() && file.ReadString(section, key::kTaskTray, "") == kOn) {
    tables_.TrayProgramIconCount = slot + 1;
    tables_.TrayIconProgram[slot + 1] = slot;
    AddProgramTrayIcon(TrayPicture{TrayPicture::Kind::kProgramFile, 0, command});
  }
  tables_.HotKeyTable[slot] =
      MakeHotKeyEntry(TextToShortCut(file.ReadString(section, key::kHotKey, ""), key_names_));
  return true;
}

// The neutral label holds NUTRAL as read; the slider brings it into 3..10.
// A text that is no number is taken as the default, like any other key.
void LauncherSettings::ApplySensorValues() {
  LauncherOptions& o = options_;
  int neutral = ParseDecimal(o.Label7.caption).value_or(*ParseDecimal(kDefaultNutral));
  o.ScrollBar1.SetPosition(neutral);
  o.NeutralDivisor = o.ScrollBar1.position();
  o.Label7.caption = std::to_string(o.NeutralDivisor);
  o.MinimumMove = o.ScrollBar2.position();
  o.Label10.caption = MinimumMoveText(o.MinimumMove);
  o.Timer1.interval = o.ScrollBar3.position();
  o.Label12.caption = IntervalText(o.ScrollBar3.position());
}

// Numbers outside 0..15 leave trigger and marker as they were.  The key sets
// are rebuilt either way, so that after Cancel the active triggers are the
// saved ones again.
void LauncherSettings::ApplyTriggerNumbers(const HeldValues& held) {
  LauncherOptions& o = options_;
  if (held.select_key >= 0 && held.select_key < kTriggerCount) {
    o.MouseActionTriggerNumber = held.select_key;
    PlaceTriggerMarker(o.MouseActionMarker, held.select_key);
  }
  if (held.win_select_key >= 0 && held.win_select_key < kTriggerCount) {
    o.WindowServiceTriggerNumber = held.win_select_key;
    PlaceTriggerMarker(o.WindowServiceMarker, held.win_select_key);
  }
  o.SetMouseActionTrigger(o.MouseActionTriggerNumber);
  o.SetWindowServiceTrigger(o.WindowServiceTriggerNumber);
}

void LauncherSettings::AddProgramTrayIcon(const TrayPicture& icon) {
  int id = tables_.TrayProgramIconCount;
  const std::string& title = tables_.ProgramTitles[static_cast<std::size_t>(tables_.TrayIconProgram[id])];
  tray_.Add(id, icon, cp932::CutToBytes(title, 63));
}

void LauncherSettings::SetCoordinateLimits() {
  Size screen = input_.ScreenSize();
  auto limit = [&](std::array<SpinEdit*, 4> fields) {
    for (int part = 0; part < 4; ++part) {
      fields[part]->min_value = 0;
      fields[part]->max_value = part % 2 == 0 ? screen.width : screen.height;
    }
  };
  limit(options_.RunSpotFields());
  for (int hole = 1; hole <= 4; ++hole) limit(options_.BlackHole(hole));
}

}  // namespace fesk
