#include "launcher/services/launcher_options.h"

namespace fesk {

namespace {

Rect RectOf(const SpinEdit& x1, const SpinEdit& y1, const SpinEdit& x2, const SpinEdit& y2) {
  return Rect{x1.value, y1.value, x2.value, y2.value};
}

}  // namespace

std::string MinimumMoveText(int dots) { return std::to_string(dots) + "ﾄﾞｯﾄ"; }
std::string IntervalText(int milliseconds) { return std::to_string(milliseconds) + "/1000秒"; }

// Design-time values: those the dialog has before the first load replaces
// them.  The timer's 30 ms is replaced by INTERVAL at that load.
LauncherOptions::LauncherOptions() {
  ScrollBar1.Init(3, 10, 5);
  ScrollBar2.Init(0, 400, 10);
  ScrollBar3.Init(1, 100, 10);
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
  PlaceTriggerMarker(MouseActionMarker, 0);
  PlaceTriggerMarker(WindowServiceMarker, 0);
  ScrollBar1.on_change = [this] { ScrollBar1Change(); };
  ScrollBar2.on_change = [this] { ScrollBar2Change(); };
  ScrollBar3.on_change = [this] { ScrollBar3Change(); };
}

void LauncherOptions::ScrollBar1Change() {
  NeutralDivisor = ScrollBar1.position();
  Label7.caption = std::to_string(NeutralDivisor);
}

void LauncherOptions::ScrollBar2Change() {
  MinimumMove = ScrollBar2.position();
  Label10.caption = MinimumMoveText(MinimumMove);
}

void LauncherOptions::ScrollBar3Change() {
  Label12.caption = IntervalText(ScrollBar3.position());
  Timer1.interval = ScrollBar3.position();
}

ComboBox& LauncherOptions::ServiceList(int index) {
  std::array<ComboBox*, 8> lists = {&ComboBox1, &ComboBox2, &ComboBox3, &ComboBox4,
                                    &ComboBox5, &ComboBox6, &ComboBox7, &ComboBox8};
  return *lists.at(static_cast<std::size_t>(index));
}

std::array<SpinEdit*, 4> LauncherOptions::BlackHole(int number) {
  switch (number) {
    case 1: return {&BHool1X1, &BHool1Y1, &BHool1X2, &BHool1Y2};
    case 2: return {&BHool2X1, &BHool2Y1, &BHool2X2, &BHool2Y2};
    case 3: return {&BHool3X1, &BHool3Y1, &BHool3X2, &BHool3Y2};
    default: return {&BHool4X1, &BHool4Y1, &BHool4X2, &BHool4Y2};
  }
}

std::array<SpinEdit*, 4> LauncherOptions::RunSpotFields() {
  return {&RunSpotX1, &RunSpotY1, &RunSpotX2, &RunSpotY2};
}

StartArea LauncherOptions::CurrentStartArea() const {
  StartArea area;
  area.run_spot_on = RunSpot.checked();
  area.run_spot = RectOf(RunSpotX1, RunSpotY1, RunSpotX2, RunSpotY2);
  area.black_holes_on = BHool.checked();
  area.black_holes = {RectOf(BHool1X1, BHool1Y1, BHool1X2, BHool1Y2),
                      RectOf(BHool2X1, BHool2Y1, BHool2X2, BHool2Y2),
                      RectOf(BHool3X1, BHool3Y1, BHool3X2, BHool3Y2),
                      RectOf(BHool4X1, BHool4Y1, BHool4X2, BHool4Y2)};
  return area;
}

}  // namespace fesk
