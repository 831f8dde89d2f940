// Creation, closing and the popup timer of the main form.
#include "launcher/ui/settings_dialog.h"

#include <span>

#include "launcher/core/window_service_runner.h"
#include "launcher/ui/popup_displays.h"

namespace fesk {

namespace {

constexpr int kFormHelpContext = 23;
constexpr int kFirstPageHelpContext = 24;
constexpr int kQuietPageHelpContext = 41;
constexpr int kHintHidePause = 10000;

}  // namespace

// The pages before the quiet page keep their topics 24-28 and "ﾊﾞｰｼﾞｮﾝ" its
// 29, as the help file and users' links know them.
int PageHelpContext(int page) {
  if (page == kQuietPage) return kQuietPageHelpContext;
  if (page == kVersionPage) return kFirstPageHelpContext + kQuietPage;
  return kFirstPageHelpContext + page;
}

SettingsDialog::SettingsDialog(LauncherEnvironment environment)
    : popup(loop.TrailShown),
      env_(std::move(environment)),
      tray_icons_(env_.tray, loop, tables),
      settings_(tables, env_.input, env_.tray, env_.key_names, env_.settings_path),
      programs_(env_.settings_path),
      engine_(options, loop, tables, EnginePorts{env_.input, env_.clock, programs_, sensing_timer, env_.foreground},
              EngineEffects{env_.shell, env_.dialogs, tray_icons_, env_.services, env_.launcher_folder,
                            SensingView{[this] { transfer_button.enabled = true; }, [this] { ShowTrail(); }},
                            env_.preview}) {
  LayOutActionPage();
  LayOutMouseActPage();
  LayOutTriggerPage();
  LayOutSensorPage();
  LayOutServicePage();
  LayOutQuietPage();
  LayOutVersionPage();
  LayOutWindow();
  BindHandlers();
}

// What each control's action does (the options' controls are bound by
// OptionControls).
void SettingsDialog::BindHandlers() {
  ok_button.on_click = [this] { Ok(); };
  cancel_button.on_click = [this] { Cancel(); };
  hints_on.on_click = [this] { HintsOn(); };
  hints_off.on_click = [this] { HintsOff(); };
  transfer_button.on_click = [this] { TransferMouseAction(); };
  editor_button.on_click = [this] { OpenEditor(); };
  reload_button.on_click = [this] { ReloadPrograms(); };
  sensor_test_button.on_click = [this] { ShowSensorTest(); };
  mouse_action_trigger_choice.on_click = [this] { ChooseMouseActionTrigger(); };
  window_service_trigger_choice.on_click = [this] { ChooseWindowServiceTrigger(); };
  for (int number = 0; number < kTriggerCount; ++number) {
    trigger_cells[number].on_mouse_down = [this, number](MouseButton) { TriggerCellClick(number); };
  }
}

// Everything the loop reads is in place before the gate opens as the very
// last step.
void SettingsDialog::FormCreate() {
  help_context = kFormHelpContext;
  pages.help_context = PageHelpContext(kVersionPage);
  taskbar_button_hidden = true;
  accepts_dropped_files = true;
  hint_hide_pause = kHintHidePause;
  loop.Reset();
  sensing_timer.enabled = true;
  FillServiceLists();
  tables.ProgramCount = 0;
  LoadLauncherSettings();
  SetRunTimeHints();
  TrayIconChoiceClick();
  // The two trigger key sets were built by the load with their numbers.
  SetCoordinateLimits();
  loop.MouseActionGate = Gate::kOpen;
}

void SettingsDialog::FillServiceLists() {
  for (int i = 1; i < 8; ++i) service_lists[i].items = service_lists[0].items;
  for (int i = 0; i < 8; ++i) {
    service_lists[i].Select(static_cast<int>(kDefaultWindowServices[static_cast<std::size_t>(i)]));
  }
}

void SettingsDialog::LoadLauncherSettings() {
  LauncherOptions loaded = options;
  settings_.ReadOptions(loaded);
  ShowOptions(loaded);
  settings_.LoadPrograms(options.program_tray_icons);
}

void SettingsDialog::SetRunTimeHints() {
  auto_transfer_box.hint =
      "ONで｢FESKﾌﾟﾛｸﾞﾗﾑ登録｣に常時ﾏｳｽ･ｱｸｼｮﾝを自動転送します\r"
      "｢FESKﾌﾟﾛｸﾞﾗﾑ登録｣画面の[ﾏｳｽACT読込]ボタンで利用します\r"
      "\r"
      "(ﾏｳｽ･ｱｸｼｮﾝ登録時のみ使用して下さい)";
  run_time_option_box.hint =
      "ONでﾌﾟﾛｸﾞﾗﾑの実行直前にｵﾌﾟｼｮﾝの指定が可能となります\r"
      "\r"
      "ｵﾌﾟｼｮﾝを入力するには、FESK実行中に<Shift><Ctrl><Alt>キー\r"
      "を同時に押してﾓｰﾄﾞを切替える必要があります\r"
      "\r"
      "繰り返しキーを押すと[ｵﾌﾟｼｮﾝ入力ﾓｰﾄﾞ]と[ｵﾌﾟｼｮﾝ未入力ﾓｰﾄﾞ]\r"
      "が順次切り変わります";
  program_tray_icons_box.hint =
      "ONで[タスクトレイ・アイコン]機能が有効になります\r"
      "注意：実際のｱｲｺﾝの表示/非表示には、FESKを再起動するか\r"
      "　　　「最新情報読込み」ボタンを押す必要があります";
}

// The program icons go whether or not the launcher's own icon is shown: an
// icon left behind would stay in the tray after the program has ended.
bool SettingsDialog::FormCloseQuery() {
  Answer answer = env_.dialogs.MessageBox("FESKを終了します。", "終了確認", Buttons::kOkCancel);
  if (answer != Answer::kOk) return false;
  tray_icons_.TrayProgramIconsRemove();
  tray_icons_.TrayIconRemove();
  sensing_timer.enabled = false;
  trail_timer.enabled = false;
  return true;
}

void SettingsDialog::TrailTick() {
  if (loop.TrailShown) popup.Show();
}

// The samples kept of the movement, on the monitor it was made on.
void SettingsDialog::ShowTrail() {
  fesk::ShowTrail(popup, loop.Stroke, loop.SamplePoints.View(), env_.input.MonitorAt(loop.StartPoint));
}

// On the monitor where the cursor is, that is where the button was pressed
// (on the primary one when the cursor cannot be read).
void SettingsDialog::ShowSensorTest() {
  const Point cursor = env_.input.CursorPos().value_or(Point{});
  fesk::ShowSensorTest(popup, env_.input.MonitorAt(cursor), options.minimum_move);
}

}  // namespace fesk
