#include "launcher/ui/option_controls.h"

#include "launcher/ui/trigger_cells.h"

namespace fesk {

namespace {

Rect RectOf(const std::array<SpinEdit, 4>& fields) {
  return Rect{fields[0].value, fields[1].value, fields[2].value, fields[3].value};
}

void ShowRect(std::array<SpinEdit, 4>& fields, const Rect& rect) {
  fields[0].SetValue(rect.left);
  fields[1].SetValue(rect.top);
  fields[2].SetValue(rect.right);
  fields[3].SetValue(rect.bottom);
}

}  // namespace

std::string MinimumMoveText(int dots) { return std::to_string(dots) + "ﾄﾞｯﾄ"; }
std::string IntervalText(int milliseconds) { return std::to_string(milliseconds) + "/1000秒"; }

// Design-time values: those the dialog has before the first load replaces
// them, a default LauncherOptions.  The timer's 30 ms is replaced by INTERVAL
// at that load.  The actions are bound last, so that none runs for these.
OptionControls::OptionControls() {
  const LauncherOptions defaults;
  neutral_slider.Init(kNeutralRange.low, kNeutralRange.high, defaults.neutral_divisor);
  minimum_move_slider.Init(kMinimumMoveRange.low, kMinimumMoveRange.high, defaults.minimum_move);
  interval_slider.Init(kIntervalRange.low, kIntervalRange.high, defaults.interval);
  NeutralSliderChange();
  MinimumMoveSliderChange();
  IntervalSliderChange();
  sensing_timer.interval = 30;
  sensing_timer.enabled = false;
  tray_icon_choice.items = {"タスクトレイにアイコン表示", "アイコン非表示"};
  tray_icon_choice.SetItemIndex(static_cast<int>(defaults.tray_icon));
  mode_choice.items = {"通常モード", "実行時に確認ダイアログ表示モード",
                       "マウスアクション確認モード（マウスの軌跡を表示）",
                       "アイコンパレット表示モード（ｱｸｼｮﾝに対応したｱｲｺﾝを表示）"};
  mode_choice.SetItemIndex(static_cast<int>(defaults.mode));
  hint_choice.Check(defaults.hints ? hints_on : hints_off);
  for (const OptionSwitch& row : kOptionSwitches) (this->*row.box).SetChecked(defaults.*row.option);
  PlaceMarkers();
  BindOptionActions();
  TakeControls();
}

// Every control that edits an option takes it into `options` as it changes;
// a box or field without its action would leave the options stale.
void OptionControls::BindOptionActions() {
  const Action take = [this] { TakeControls(); };
  for (const OptionSwitch& row : kOptionSwitches) (this->*row.box).on_click = take;
  run_time_option_box.on_click = [this] {
    TakeControls();
    RunTimeOptionClick();
  };
  tray_icon_choice.on_click = [this] {
    TakeControls();
    TrayIconChoiceClick();
  };
  mode_choice.on_click = take;
  run_spot_box.on_click = take;
  black_holes_box.on_click = take;
  for (SpinEdit& field : run_spot_fields) field.on_change = take;
  for (auto& hole : black_hole_fields) {
    for (SpinEdit& field : hole) field.on_change = take;
  }
  for (ComboBox& list : service_lists) list.on_change = take;
  neutral_slider.on_change = [this] { NeutralSliderChange(); };
  minimum_move_slider.on_change = [this] { MinimumMoveSliderChange(); };
  interval_slider.on_change = [this] { IntervalSliderChange(); };
  add_quiet_program_button.on_click = [this] { AddQuietProgram(); };
  quiet_program_field.on_enter_key = [this] { AddQuietProgram(); };
  remove_quiet_program_button.on_click = [this] { RemoveQuietProgram(); };
  open_program_list.on_change = [this] {
    const int picked = open_program_list.item_index;
    if (picked >= 0 && picked < static_cast<int>(open_program_list.items.size())) {
      quiet_program_field.text = open_program_list.items[static_cast<std::size_t>(picked)];
    }
  };
}

void OptionControls::AddQuietProgram() {
  if (!options.quiet_programs.Add(quiet_program_field.text)) return;
  quiet_program_field.text.clear();
  open_program_list.item_index = -1;
  ShowQuietPrograms();
  quiet_program_list.item_index = static_cast<int>(quiet_program_list.items.size()) - 1;
}

void OptionControls::RemoveQuietProgram() {
  const int selected = quiet_program_list.item_index;
  if (selected < 0 || selected >= static_cast<int>(quiet_program_list.items.size())) return;
  options.quiet_programs.Remove(quiet_program_list.items[static_cast<std::size_t>(selected)]);
  ShowQuietPrograms();
  const int remaining = static_cast<int>(quiet_program_list.items.size());
  quiet_program_list.item_index = remaining == 0 ? -1 : (selected < remaining ? selected : remaining - 1);
}

void OptionControls::ShowQuietPrograms() {
  const std::vector<std::string>& names = options.quiet_programs.names();
  quiet_program_list.items = names;
  if (quiet_program_list.item_index >= static_cast<int>(names.size())) quiet_program_list.item_index = -1;
}

void OptionControls::NeutralSliderChange() {
  neutral_text.caption = std::to_string(neutral_slider.position());
  TakeControls();
}

void OptionControls::MinimumMoveSliderChange() {
  minimum_move_text.caption = MinimumMoveText(minimum_move_slider.position());
  TakeControls();
}

void OptionControls::IntervalSliderChange() {
  interval_text.caption = IntervalText(interval_slider.position());
  sensing_timer.interval = interval_slider.position();
  TakeControls();
}

void OptionControls::TakeControls() {
  LauncherOptions& o = options;
  for (const OptionSwitch& row : kOptionSwitches) o.*row.option = (this->*row.box).checked();
  o.tray_icon = static_cast<TrayIconChoice>(tray_icon_choice.item_index());
  o.mode = static_cast<MouseActionMode>(mode_choice.item_index());
  o.hints = hints_on.checked;
  o.neutral_divisor = neutral_slider.position();
  o.minimum_move = minimum_move_slider.position();
  o.interval = interval_slider.position();
  o.start_area.run_spot_on = run_spot_box.checked();
  o.start_area.run_spot = RectOf(run_spot_fields);
  o.start_area.black_holes_on = black_holes_box.checked();
  for (std::size_t hole = 0; hole < 4; ++hole) o.start_area.black_holes[hole] = RectOf(black_hole_fields[hole]);
  for (int i = 0; i < 8; ++i) {
    o.services[static_cast<std::size_t>(i)] =
        static_cast<WindowService>(static_cast<unsigned>(service_lists[i].item_index));
  }
}

void OptionControls::PlaceMarkers() {
  PlaceTriggerMarker(mouse_action_marker, options.mouse_action_trigger);
  PlaceTriggerMarker(window_service_marker, options.window_service_trigger);
}

void OptionControls::ShowOptions(const LauncherOptions& loaded) {
  mode_choice.SetItemIndex(static_cast<int>(loaded.mode));
  minimum_move_slider.SetPosition(loaded.minimum_move);
  interval_slider.SetPosition(loaded.interval);
  ShowRect(run_spot_fields, loaded.start_area.run_spot);
  for (std::size_t hole = 0; hole < 4; ++hole) ShowRect(black_hole_fields[hole], loaded.start_area.black_holes[hole]);
  for (const OptionSwitch& row : kOptionSwitches) (this->*row.box).SetChecked(loaded.*row.option);
  for (int i = 0; i < 8; ++i) {
    service_lists[i].Select(static_cast<int>(static_cast<unsigned>(loaded.services[static_cast<std::size_t>(i)])));
  }
  tray_icon_choice.SetItemIndex(static_cast<int>(loaded.tray_icon));
  hint_choice.Check(loaded.hints ? hints_on : hints_off);
  neutral_slider.SetPosition(loaded.neutral_divisor);
  // The texts and the timer follow the sliders even where a position stayed.
  NeutralSliderChange();
  MinimumMoveSliderChange();
  IntervalSliderChange();
  options.SetMouseActionTrigger(loaded.mouse_action_trigger);
  options.SetWindowServiceTrigger(loaded.window_service_trigger);
  PlaceMarkers();
  run_spot_box.SetChecked(loaded.start_area.run_spot_on);
  black_holes_box.SetChecked(loaded.start_area.black_holes_on);
  TakeControls();
  options.quiet_programs = loaded.quiet_programs;
  quiet_program_list.item_index = -1;
  ShowQuietPrograms();
}

void OptionControls::SetCoordinateLimits(Size screen) {
  auto limit = [&](std::array<SpinEdit, 4>& fields) {
    for (std::size_t part = 0; part < 4; ++part) {
      fields[part].min_value = 0;
      fields[part].max_value = part % 2 == 0 ? screen.width : screen.height;
    }
  };
  limit(run_spot_fields);
  for (auto& hole : black_hole_fields) limit(hole);
}

}  // namespace fesk
