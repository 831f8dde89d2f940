#include "launcher/ui/option_controls.h"

#include "launcher/ui/trigger_cells.h"

namespace fesk {

namespace {

Rect RectOf(const SpinEdit& x1, const SpinEdit& y1, const SpinEdit& x2, const SpinEdit& y2) {
  return Rect{x1.value, y1.value, x2.value, y2.value};
}

void ShowRect(const std::array<SpinEdit*, 4>& fields, const Rect& rect) {
  fields[0]->SetValue(rect.left);
  fields[1]->SetValue(rect.top);
  fields[2]->SetValue(rect.right);
  fields[3]->SetValue(rect.bottom);
}

}  // namespace

std::string MinimumMoveText(int dots) { return std::to_string(dots) + "ﾄﾞｯﾄ"; }
std::string IntervalText(int milliseconds) { return std::to_string(milliseconds) + "/1000秒"; }

// Design-time values: those the dialog has before the first load replaces
// them.  The timer's 30 ms is replaced by INTERVAL at that load.
OptionControls::OptionControls() {
  ScrollBar1.Init(kNeutralRange.low, kNeutralRange.high, 5);
  ScrollBar2.Init(kMinimumMoveRange.low, kMinimumMoveRange.high, 10);
  ScrollBar3.Init(kIntervalRange.low, kIntervalRange.high, 10);
  ScrollBar1Change();
  ScrollBar2Change();
  ScrollBar3Change();
  Timer1.interval = 30;
  Timer1.enabled = false;
  RadioGroup1.items = {"タスクトレイにアイコン表示", "アイコン非表示"};
  RadioGroup1.SetItemIndex(0);
  RadioGroup2.items = {"通常モード", "実行時に確認ダイアログ表示モード",
                       "マウスアクション確認モード（マウスの軌跡を表示）",
                       "アイコンパレット表示モード（ｱｸｼｮﾝに対応したｱｲｺﾝを表示）"};
  RadioGroup2.SetItemIndex(0);
  RadioButton1.checked = true;
  CheckBox2.SetChecked(true);
  CheckBox4.SetChecked(true);
  CheckBox5.SetChecked(true);
  PlaceMarkers();

  const Action take = [this] { TakeControls(); };
  for (CheckBox* box : {&CheckBox1, &CheckBox2, &CheckBox3, &CheckBox4, &CheckBox5, &CheckBox6,
                        &CheckBox7, &CheckBox8, &CheckBox9, &RunSpot, &BHool}) {
    box->on_click = take;
  }
  RadioGroup1.on_click = take;
  RadioGroup2.on_click = take;
  for (SpinEdit* field : RunSpotFields()) field->on_change = take;
  for (int hole = 1; hole <= 4; ++hole) {
    for (SpinEdit* field : BlackHole(hole)) field->on_change = take;
  }
  for (int i = 0; i < 8; ++i) ServiceList(i).on_change = take;
  ScrollBar1.on_change = [this] { ScrollBar1Change(); };
  ScrollBar2.on_change = [this] { ScrollBar2Change(); };
  ScrollBar3.on_change = [this] { ScrollBar3Change(); };
  TakeControls();
}

void OptionControls::ScrollBar1Change() {
  Label7.caption = std::to_string(ScrollBar1.position());
  TakeControls();
}

void OptionControls::ScrollBar2Change() {
  Label10.caption = MinimumMoveText(ScrollBar2.position());
  TakeControls();
}

void OptionControls::ScrollBar3Change() {
  Label12.caption = IntervalText(ScrollBar3.position());
  Timer1.interval = ScrollBar3.position();
  TakeControls();
}

void OptionControls::TakeControls() {
  LauncherOptions& o = options;
  o.link_mouse_actions = CheckBox1.checked();
  o.report_start_errors = CheckBox2.checked();
  o.report_unregistered_actions = CheckBox3.checked();
  o.mouse_actions = CheckBox4.checked();
  o.shortcut_keys = CheckBox5.checked();
  o.screen_positions = CheckBox6.checked();
  o.window_services = CheckBox7.checked();
  o.run_time_option = CheckBox8.checked();
  o.program_tray_icons = CheckBox9.checked();
  o.tray_icon = static_cast<TrayIconChoice>(RadioGroup1.item_index());
  o.mode = static_cast<MouseActionMode>(RadioGroup2.item_index());
  o.hints = RadioButton1.checked;
  o.neutral_divisor = ScrollBar1.position();
  o.minimum_move = ScrollBar2.position();
  o.interval = ScrollBar3.position();
  o.start_area.run_spot_on = RunSpot.checked();
  o.start_area.run_spot = RectOf(RunSpotX1, RunSpotY1, RunSpotX2, RunSpotY2);
  o.start_area.black_holes_on = BHool.checked();
  o.start_area.black_holes = {RectOf(BHool1X1, BHool1Y1, BHool1X2, BHool1Y2),
                              RectOf(BHool2X1, BHool2Y1, BHool2X2, BHool2Y2),
                              RectOf(BHool3X1, BHool3Y1, BHool3X2, BHool3Y2),
                              RectOf(BHool4X1, BHool4Y1, BHool4X2, BHool4Y2)};
  for (int i = 0; i < 8; ++i) {
    o.services[static_cast<std::size_t>(i)] =
        static_cast<WindowService>(static_cast<unsigned>(ServiceList(i).item_index));
  }
}

void OptionControls::PlaceMarkers() {
  PlaceTriggerMarker(MouseActionMarker, options.mouse_action_trigger);
  PlaceTriggerMarker(WindowServiceMarker, options.window_service_trigger);
}

void OptionControls::ShowOptions(const LauncherOptions& loaded) {
  RadioGroup2.SetItemIndex(static_cast<int>(loaded.mode));
  ScrollBar2.SetPosition(loaded.minimum_move);
  ScrollBar3.SetPosition(loaded.interval);
  ShowRect(RunSpotFields(), loaded.start_area.run_spot);
  for (int hole = 1; hole <= 4; ++hole) {
    ShowRect(BlackHole(hole), loaded.start_area.black_holes[static_cast<std::size_t>(hole - 1)]);
  }
  CheckBox1.SetChecked(loaded.link_mouse_actions);
  CheckBox2.SetChecked(loaded.report_start_errors);
  CheckBox3.SetChecked(loaded.report_unregistered_actions);
  CheckBox8.SetChecked(loaded.run_time_option);
  CheckBox4.SetChecked(loaded.mouse_actions);
  CheckBox5.SetChecked(loaded.shortcut_keys);
  CheckBox6.SetChecked(loaded.screen_positions);
  CheckBox7.SetChecked(loaded.window_services);
  CheckBox9.SetChecked(loaded.program_tray_icons);
  for (int i = 0; i < 8; ++i) {
    ServiceList(i).Select(static_cast<int>(static_cast<unsigned>(loaded.services[static_cast<std::size_t>(i)])));
  }
  RadioGroup1.SetItemIndex(static_cast<int>(loaded.tray_icon));
  RadioButton1.checked = loaded.hints;
  RadioButton2.checked = !loaded.hints;
  ScrollBar1.SetPosition(loaded.neutral_divisor);
  // The texts and the timer follow the sliders even where a position stayed.
  ScrollBar1Change();
  ScrollBar2Change();
  ScrollBar3Change();
  options.SetMouseActionTrigger(loaded.mouse_action_trigger);
  options.SetWindowServiceTrigger(loaded.window_service_trigger);
  PlaceMarkers();
  RunSpot.SetChecked(loaded.start_area.run_spot_on);
  BHool.SetChecked(loaded.start_area.black_holes_on);
  TakeControls();
}

void OptionControls::SetCoordinateLimits(Size screen) {
  auto limit = [&](std::array<SpinEdit*, 4> fields) {
    for (int part = 0; part < 4; ++part) {
      fields[part]->min_value = 0;
      fields[part]->max_value = part % 2 == 0 ? screen.width : screen.height;
    }
  };
  limit(RunSpotFields());
  for (int hole = 1; hole <= 4; ++hole) limit(BlackHole(hole));
}

ComboBox& OptionControls::ServiceList(int index) {
  std::array<ComboBox*, 8> lists = {&ComboBox1, &ComboBox2, &ComboBox3, &ComboBox4,
                                    &ComboBox5, &ComboBox6, &ComboBox7, &ComboBox8};
  return *lists.at(static_cast<std::size_t>(index));
}

std::array<SpinEdit*, 4> OptionControls::BlackHole(int number) {
  switch (number) {
    case 1: return {&BHool1X1, &BHool1Y1, &BHool1X2, &BHool1Y2};
    case 2: return {&BHool2X1, &BHool2Y1, &BHool2X2, &BHool2Y2};
    case 3: return {&BHool3X1, &BHool3Y1, &BHool3X2, &BHool3Y2};
    default: return {&BHool4X1, &BHool4Y1, &BHool4X2, &BHool4Y2};
  }
}

std::array<SpinEdit*, 4> OptionControls::RunSpotFields() {
  return {&RunSpotX1, &RunSpotY1, &RunSpotX2, &RunSpotY2};
}

}  // namespace fesk
