// Any bytes as the launcher's Fesk.Ini: the headless launcher starts on them
// (its whole settings load), runs a few ticks of the sensing loop (a stroke
// under each trigger, the first program's shortcut, the right button held in
// a corner) and acts on what it recognised through the platform doubles.
// Nothing may crash or hang, the options must come out of the load within
// their ranges, and OK followed by a restart must show the same options.
#include <cstdint>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "tests/support/headless_launcher.h"

namespace {

using fesk::fuzz::Check;

// The launcher started on a settings file, and what a user does to it.
struct Started : fesk::testing::HeadlessLauncher {
  explicit Started(const std::string& settings_path) : HeadlessLauncher(settings_path) { form.FormCreate(); }

  void Tick(const std::set<int>& keys, fesk::Point cursor) {
    input.held = keys;
    input.cursor = cursor;
    form.SensingTick();
  }
  // A movement to the right under a trigger, then every key up.
  void Stroke(const fesk::TriggerKeys& trigger) {
    std::set<int> keys;
    for (int i = 0; i < 2; ++i) {
      if (trigger[static_cast<std::size_t>(i)] != 0) keys.insert(trigger[static_cast<std::size_t>(i)]);
    }
    for (int step = 0; step <= 6; ++step) Tick(keys, {100 + 40 * step, 300});
    Tick({}, {340, 300});
  }
};

// The option values as the dialog shows them, one text each.
std::vector<std::string> Options(const fesk::SettingsDialog& f) {
  std::vector<std::string> values;
  auto add = [&](auto value) { values.push_back(std::to_string(value)); };
  for (const fesk::CheckBox* box :
       {&f.auto_transfer_box, &f.start_errors_box, &f.unregistered_actions_box, &f.mouse_actions_box,
        &f.shortcut_keys_box, &f.screen_positions_box, &f.window_services_box, &f.run_time_option_box,
        &f.program_tray_icons_box, &f.run_spot_box, &f.black_holes_box}) {
    add(box->checked());
  }
  add(f.tray_icon_choice.item_index());
  add(f.mode_choice.item_index());
  add(f.hints_on.checked);
  add(f.hints_off.checked);
  add(f.neutral_slider.position());
  add(f.minimum_move_slider.position());
  add(f.interval_slider.position());
  values.push_back(f.neutral_text.caption);
  for (const fesk::SpinEdit& field : f.run_spot_fields) add(field.value);
  for (const auto& hole : f.black_hole_fields) {
    for (const fesk::SpinEdit& field : hole) add(field.value);
  }
  for (const fesk::ComboBox& list : f.service_lists) add(list.item_index);
  add(f.options.mouse_action_trigger);
  add(f.options.window_service_trigger);
  return values;
}

void CheckLoaded(const fesk::SettingsDialog& f) {
  Check(f.options.neutral_divisor >= 3 && f.options.neutral_divisor <= 10, "the neutral divisor is within 3..10");
  Check(f.neutral_text.caption == std::to_string(f.options.neutral_divisor), "the neutral label shows the divisor");
  Check(f.options.minimum_move >= 0 && f.options.minimum_move <= 400, "the minimum move is within 0..400");
  Check(f.sensing_timer.interval >= 1 && f.sensing_timer.interval <= 100, "the sensing period is within 1..100");
  Check(f.options.mouse_action_trigger >= 0 && f.options.mouse_action_trigger < fesk::kTriggerCount &&
            f.options.window_service_trigger >= 0 && f.options.window_service_trigger < fesk::kTriggerCount,
        "the trigger numbers are within 0..15");
  Check(static_cast<int>(f.options.mode) >= -1 && static_cast<int>(f.options.mode) <= 3, "MODE selects a mode or none");
  Check(f.tray_icon_choice.item_index() >= -1 && f.tray_icon_choice.item_index() <= 1,
        "SYSTEMICON selects an item or none");
  const fesk::ProgramTables& t = f.tables;
  Check(t.ProgramCount >= 0 && t.ProgramCount <= fesk::kMaxPrograms, "ProgramCount is within 0..100");
  for (int position = 1; position <= 8; ++position) {
    int owner = t.ScreenPositionSlots.Owner(position);
    Check(owner == fesk::kNoSlot || (owner >= 0 && owner < t.ProgramCount),
          "a screen position belongs to a loaded program or to none");
  }
  Check(t.TrayProgramIconCount >= 0 && t.TrayProgramIconCount <= t.ProgramCount,
        "the program icons belong to loaded programs");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fesk::fuzz::ScratchFolder folder;
  folder.Clear();
  const std::string ini = (folder.path() / "Fesk.Ini").string();
  fesk::fuzz::ScratchFolder::Write(ini, fesk::fuzz::AsText(data, size));

  Started launcher(ini);
  fesk::SettingsDialog& f = launcher.form;
  CheckLoaded(f);
  const std::vector<std::string> loaded = Options(f);

  launcher.Stroke(f.options.mouse_action_keys);
  launcher.Stroke(f.options.window_service_keys);
  const fesk::HotKeyEntry& hotkey = f.tables.HotKeyTable[0];
  if (f.tables.ProgramCount > 0 && hotkey.key != fesk::kNoSlot) {
    std::set<int> keys{hotkey.key};
    for (const fesk::ModifierRequirement& m : hotkey.modifiers) {
      if (m.state == fesk::ModifierState::kHeld) keys.insert(m.key);
    }
    launcher.Tick(keys, {500, 400});
    launcher.Tick({}, {500, 400});
  }
  for (int tick = 0; tick < 3; ++tick) launcher.Tick({fesk::vk::kRightButton}, {0, 0});
  launcher.Tick({}, {0, 0});
  f.TrayIconMessage(1, fesk::kMouseRightDown);
  f.TransferMouseAction();

  // OK, then a restart: the same options.  The strokes may have written
  // LINK, which is no option.
  f.Ok();
  Started restarted(ini);
  CheckLoaded(restarted.form);
  Check(Options(restarted.form) == loaded, "OK and a restart show the options loaded");
  return 0;
}
