// Writing the options to section SYSTEM, key by key in the file's order.
#include "common/program_sections.h"
#include "launcher/services/launcher_settings.h"
#include "launcher/services/system_keys.h"

namespace fesk {

namespace {

const char* Switch(bool on) { return on ? kOn : kOff; }

}  // namespace

void LauncherSettings::SaveLauncherSettings() {
  LauncherOptions& o = options_;
  SettingsFile file(path_);
  file.WriteInteger(kSystemSection, syskey::kMode, o.RadioGroup2.item_index());
  file.WriteInteger(kSystemSection, syskey::kSelectKey, o.MouseActionTriggerNumber);
  file.WriteInteger(kSystemSection, syskey::kWinSelectKey, o.WindowServiceTriggerNumber);
  WriteStartArea(file);
  file.WriteString(kSystemSection, syskey::kNutral, o.Label7.caption);
  file.WriteInteger(kSystemSection, syskey::kSenMin, o.ScrollBar2.position());
  file.WriteInteger(kSystemSection, syskey::kInterval, o.ScrollBar3.position());
  WriteFlags(file);
  for (int i = 0; i < 8; ++i) {
    file.WriteInteger(kSystemSection, syskey::WinServiceKey(i + 1), o.ServiceList(i).item_index);
  }
  file.WriteInteger(kSystemSection, syskey::kSystemIcon, o.RadioGroup1.item_index());
  file.WriteString(kSystemSection, syskey::kHint, Switch(o.RadioButton1.checked));
}

void LauncherSettings::WriteStartArea(SettingsFile& file) {
  file.WriteString(kSystemSection, syskey::kRun, Switch(options_.RunSpot.checked()));
  auto spot = options_.RunSpotFields();
  for (int part = 0; part < 4; ++part) {
    file.WriteInteger(kSystemSection, syskey::RunSpotKey(part), spot[part]->value);
  }
  file.WriteString(kSystemSection, syskey::kHool, Switch(options_.BHool.checked()));
  for (int hole = 1; hole <= 4; ++hole) {
    auto fields = options_.BlackHole(hole);
    for (int part = 0; part < 4; ++part) {
      file.WriteInteger(kSystemSection, syskey::BlackHoleKey(hole, part), fields[part]->value);
    }
  }
}

void LauncherSettings::WriteFlags(SettingsFile& file) {
  const LauncherOptions& o = options_;
  const std::pair<std::string, const CheckBox*> flags[] = {
      {syskey::kLinkFlg, &o.CheckBox1},     {syskey::kPrgErrMsg, &o.CheckBox2},
      {syskey::kActErrMsg, &o.CheckBox3},   {syskey::kRunOption, &o.CheckBox8},
      {syskey::TriggerKey(1), &o.CheckBox4}, {syskey::TriggerKey(2), &o.CheckBox5},
      {syskey::TriggerKey(3), &o.CheckBox6}, {syskey::TriggerKey(4), &o.CheckBox7},
      {syskey::TriggerKey(5), &o.CheckBox9},
  };
  for (const auto& [key, box] : flags) file.WriteInteger(kSystemSection, key, box->checked() ? 1 : 0);
}

}  // namespace fesk
