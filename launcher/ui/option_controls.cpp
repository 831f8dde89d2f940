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
// them.  The timer's 30 ms is replaced by INTERVAL at that load.
OptionControls::OptionControls() {
  neutral_slider.Init(kNeutralRange.low, kNeutralRange.high, 5);
  minimum_move_slider.Init(kMinimumMoveRange.low, kMinimumMoveRange.high, 10);
  interval_slider.Init(kIntervalRange.low, kIntervalRange.high, 10);
  NeutralSliderChange();
  MinimumMoveSliderChange();
  IntervalSliderChange();
  sensing_timer.interval = 30;
  sensing_timer.enabled = false;
  tray_icon_choice.items = {"タスクトレイにアイコン表示", "アイコン非表示"};
  tray_icon_choice.SetItemIndex(0);
  mode_choice.items = {"通常モード", "実行時に確認ダイアログ表示モード",
                       "マウスアクション確認モード（マウスの軌跡を表示）",
                       "アイコンパレット表示モード（ｱｸｼｮﾝに対応したｱｲｺﾝを表示）"};
  mode_choice.SetItemIndex(0);
  hints_on.checked = true;
  start_errors_box.SetChecked(true);
  mouse_actions_box.SetChecked(true);
  shortcut_keys_box.SetChecked(true);
  quiet_over_full_screen_box.SetChecked(true);
  PlaceMarkers();

  const Action take = [this] { TakeControls(); };
  for (CheckBox* box :
       {&auto_transfer_box, &start_errors_box, &unregistered_actions_box, &mouse_actions_box, &shortcut_keys_box,
        &screen_positions_box, &window_services_box, &run_time_option_box, &program_tray_icons_box, &run_spot_box,
        &black_holes_box, &quiet_over_full_screen_box, &start_with_windows_box}) {
    box->on_click = take;
  }
  tray_icon_choice.on_click = take;
  mode_choice.on_click = take;
  for (SpinEdit& field : run_spot_fields) field.on_change = take;
  for (auto& hole : black_hole_fields) {
    for (SpinEdit& field : hole) field.on_change = take;
  }
  for (int i = 0; i < 8; ++i) service_lists[i].on_change = take;
  neutral_slider.on_change = [this] { NeutralSliderChange(); };
  minimum_move_slider.on_change = [this] { MinimumMoveSliderChange(); };
  interval_slider.on_change = [this] { IntervalSliderChange(); };
  TakeControls();
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
  o.link_mouse_actions = auto_transfer_box.checked();
  o.report_start_errors = start_errors_box.checked();
  o.report_unregistered_actions = unregistered_actions_box.checked();
  o.mouse_actions = mouse_actions_box.checked();
  o.shortcut_keys = shortcut_keys_box.checked();
  o.screen_positions = screen_positions_box.checked();
  o.window_services = window_services_box.checked();
  o.run_time_option = run_time_option_box.checked();
  o.program_tray_icons = program_tray_icons_box.checked();
  o.quiet_over_full_screen = quiet_over_full_screen_box.checked();
  o.start_with_windows = start_with_windows_box.checked();
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
  auto_transfer_box.SetChecked(loaded.link_mouse_actions);
  start_errors_box.SetChecked(loaded.report_start_errors);
  unregistered_actions_box.SetChecked(loaded.report_unregistered_actions);
  run_time_option_box.SetChecked(loaded.run_time_option);
  mouse_actions_box.SetChecked(loaded.mouse_actions);
  shortcut_keys_box.SetChecked(loaded.shortcut_keys);
  screen_positions_box.SetChecked(loaded.screen_positions);
  window_services_box.SetChecked(loaded.window_services);
  program_tray_icons_box.SetChecked(loaded.program_tray_icons);
  quiet_over_full_screen_box.SetChecked(loaded.quiet_over_full_screen);
  start_with_windows_box.SetChecked(loaded.start_with_windows);
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
