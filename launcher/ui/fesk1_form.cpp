// Creation, closing and the popup timer of the main form.
#include "launcher/ui/fesk1_form.h"

#include <span>

#include "launcher/core/window_service_runner.h"
#include "launcher/ui/popup_displays.h"

namespace fesk {

namespace {

constexpr int kFormHelpContext = 23;
constexpr int kFirstPageHelpContext = 24;
constexpr int kHintHidePause = 10000;

}  // namespace

TFFesk1::TFFesk1(LauncherEnvironment environment)
    : FFesk2(loop.TrailShown),
      env_(std::move(environment)),
      tray_icons_(env_.tray, loop, tables),
      settings_(tables, env_.input, env_.tray, env_.key_names, env_.settings_path),
      runner_(options, loop, env_.shell, env_.dialogs, {env_.settings_path, env_.launcher_folder}),
      dispatcher_(options, loop, tables, env_.input, env_.dialogs, runner_, env_.services),
      sensing_(options, loop, tables, Timer1, env_.input, env_.clock, env_.dialogs, tray_icons_, runner_,
               dispatcher_,
               SensingView{[this] { Button2.enabled = true; }, [this](int count) { ShowTrail(count); }}) {
  LayOutWindow();
  LayOutActionPage();
  LayOutMouseActPage();
  LayOutTriggerPage();
  LayOutSensorPage();
  LayOutServicePage();
  LayOutVersionPage();
  RadioGroup1.on_click = [this] {
    TakeControls();
    RadioGroup1Click();
  };
  CheckBox8.on_click = [this] {
    TakeControls();
    CheckBox8Click();
  };
}

// Everything the loop reads is in place before the gate opens as the very
// last step.
void TFFesk1::FormCreate() {
  help_context = kFormHelpContext;
  PageControl1.help_context = kFirstPageHelpContext + kVersionPage;
  taskbar_button_hidden = true;
  accepts_dropped_files = true;
  hint_hide_pause = kHintHidePause;
  loop.Reset();
  Timer1.enabled = true;
  FillServiceLists();
  tables.ProgramCount = 0;
  LoadLauncherSettings();
  SetRunTimeHints();
  RadioGroup1Click();
  options.SetMouseActionTrigger(options.mouse_action_trigger);
  options.SetWindowServiceTrigger(options.window_service_trigger);
  SetCoordinateLimits();
  loop.MouseActionGate = Gate::kOpen;
}

void TFFesk1::FillServiceLists() {
  for (int i = 1; i < 8; ++i) ServiceList(i).items = ComboBox1.items;
  for (int i = 0; i < 8; ++i) {
    ServiceList(i).Select(static_cast<int>(kDefaultWindowServices[static_cast<std::size_t>(i)]));
  }
}

void TFFesk1::LoadLauncherSettings() {
  LauncherOptions loaded = options;
  settings_.ReadOptions(loaded);
  ShowOptions(loaded);
  settings_.LoadPrograms(options.program_tray_icons);
}

void TFFesk1::SetRunTimeHints() {
  CheckBox1.hint =
      "ONで｢FESKﾌﾟﾛｸﾞﾗﾑ登録｣に常時ﾏｳｽ･ｱｸｼｮﾝを自動転送します\r"
      "｢FESKﾌﾟﾛｸﾞﾗﾑ登録｣画面の[ﾏｳｽACT読込]ボタンで利用します\r"
      "\r"
      "(ﾏｳｽ･ｱｸｼｮﾝ登録時のみ使用して下さい)";
  CheckBox8.hint =
      "ONでﾌﾟﾛｸﾞﾗﾑの実行直前にｵﾌﾟｼｮﾝの指定が可能となります\r"
      "\r"
      "ｵﾌﾟｼｮﾝを入力するには、FESK実行中に<Shift><Ctrl><Alt>キー\r"
      "を同時に押してﾓｰﾄﾞを切替える必要があります\r"
      "\r"
      "繰り返しキーを押すと[ｵﾌﾟｼｮﾝ入力ﾓｰﾄﾞ]と[ｵﾌﾟｼｮﾝ未入力ﾓｰﾄﾞ]\r"
      "が順次切り変わります";
  CheckBox9.hint =
      "ONで[タスクトレイ・アイコン]機能が有効になります\r"
      "注意：実際のｱｲｺﾝの表示/非表示には、FESKを再起動するか\r"
      "　　　「最新情報読込み」ボタンを押す必要があります";
}

// The program icons go whether or not the launcher's own icon is shown: an
// icon left behind would stay in the tray after the program has ended.
bool TFFesk1::FormCloseQuery() {
  Answer answer = env_.dialogs.MessageBox("FESKを終了します。", "終了確認", Buttons::kOkCancel);
  if (answer != Answer::kOk) return false;
  tray_icons_.TrayProgramIconsRemove();
  tray_icons_.TrayIconRemove();
  Timer1.enabled = false;
  Timer2.enabled = false;
  return true;
}

void TFFesk1::Timer2Timer() {
  if (loop.TrailShown) FFesk2.Show();
}

void TFFesk1::ShowTrail(int sample_count) {
  std::span<const Point> samples(loop.SamplePoints.data(), static_cast<std::size_t>(sample_count));
  fesk::ShowTrail(FFesk2, loop.Stroke, samples, env_.input.ScreenSize());
}

void TFFesk1::ShowSensorTest() { fesk::ShowSensorTest(FFesk2, env_.input.ScreenSize(), options.minimum_move); }

Shape& TFFesk1::TriggerCell(int number) {
  std::array<Shape*, kTriggerCount> cells = {&Shape1,  &Shape2,  &Shape3,  &Shape4,
                                             &Shape5,  &Shape6,  &Shape7,  &Shape8,
                                             &Shape9,  &Shape10, &Shape11, &Shape12,
                                             &Shape13, &Shape14, &Shape15, &Shape19};
  return *cells.at(static_cast<std::size_t>(number));
}

}  // namespace fesk
