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
#include "launcher_fuzzing.h"

namespace {

using fesk::fuzz::Check;

// The launcher started on a settings file, and what a user does to it.
struct Started : fesk::fuzz::Launcher {
  explicit Started(const std::string& settings_path) : Launcher(settings_path) { form.FormCreate(); }

  void Tick(const std::set<int>& keys, fesk::Point cursor) {
    input.held = keys;
    input.cursor = cursor;
    form.Timer1Timer();
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
std::vector<std::string> Options(const fesk::TFFesk1& f) {
  std::vector<std::string> values;
  auto add = [&](auto value) { values.push_back(std::to_string(value)); };
  for (const fesk::CheckBox* box : {&f.CheckBox1, &f.CheckBox2, &f.CheckBox3, &f.CheckBox4,
                                    &f.CheckBox5, &f.CheckBox6, &f.CheckBox7, &f.CheckBox8,
                                    &f.CheckBox9, &f.RunSpot, &f.BHool}) {
    add(box->checked());
  }
  add(f.RadioGroup1.item_index());
  add(f.RadioGroup2.item_index());
  add(f.RadioButton1.checked);
  add(f.RadioButton2.checked);
  add(f.ScrollBar1.position());
  add(f.ScrollBar2.position());
  add(f.ScrollBar3.position());
  values.push_back(f.Label7.caption);
  auto& options = const_cast<fesk::TFFesk1&>(f);
  for (const fesk::SpinEdit* field : options.RunSpotFields()) add(field->value);
  for (int hole = 1; hole <= 4; ++hole) {
    for (const fesk::SpinEdit* field : options.BlackHole(hole)) add(field->value);
  }
  for (int i = 0; i < 8; ++i) add(options.ServiceList(i).item_index);
  add(f.options.mouse_action_trigger);
  add(f.options.window_service_trigger);
  return values;
}

void CheckLoaded(const fesk::TFFesk1& f) {
  Check(f.options.neutral_divisor >= 3 && f.options.neutral_divisor <= 10, "the neutral divisor is within 3..10");
  Check(f.Label7.caption == std::to_string(f.options.neutral_divisor), "the neutral label shows the divisor");
  Check(f.options.minimum_move >= 0 && f.options.minimum_move <= 400, "the minimum move is within 0..400");
  Check(f.Timer1.interval >= 1 && f.Timer1.interval <= 100, "the sensing period is within 1..100");
  Check(f.options.mouse_action_trigger >= 0 && f.options.mouse_action_trigger < fesk::kTriggerCount &&
            f.options.window_service_trigger >= 0 && f.options.window_service_trigger < fesk::kTriggerCount,
        "the trigger numbers are within 0..15");
  Check(static_cast<int>(f.options.mode) >= -1 && static_cast<int>(f.options.mode) <= 3, "MODE selects a mode or none");
  Check(f.RadioGroup1.item_index() >= -1 && f.RadioGroup1.item_index() <= 1,
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
  fesk::TFFesk1& f = launcher.form;
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
  f.Button2Click();

  // OK, then a restart: the same options.  The strokes may have written
  // LINK, which is no option.
  f.Button1Click();
  Started restarted(ini);
  CheckLoaded(restarted.form);
  Check(Options(restarted.form) == loaded, "OK and a restart show the options loaded");
  return 0;
}
