// The settings dialog's own handlers: OK, Cancel, reload, the hint switch,
// the icon choice, the run-time option switch, the page change, the trigger
// cells and the sensor test.
#include "launcher/ui/settings_dialog.h"
#include "launcher/core/window_service_runner.h"
#include "launcher/ui/trigger_cells.h"
#include "platform/ports.h"

namespace fesk {

namespace {

constexpr char kGuardText[] =
    "注意！\r"
    "\r"
    "処理を継続する(OKを押す)とFESK設定画面が呼び出せなくなります\r"
    "\r"
    "原因1:Windowｻｰﾋﾞｽの\"FESK設定画面表示\"が利用可能ではありません\r"
    "原因2:FESKｱｲｺﾝが\"ｱｲｺﾝ非表示\"に設定されています\r"
    "\r"
    "上記の原因を最低1つ以上解決することをお勧めします(ｷｬﾝｾﾙを押して下さい)";

}  // namespace

// Without the tray icon and without a Window service that shows the dialog,
// nothing could bring the dialog back once it is hidden.
bool SettingsDialog::GuardStopsOk() {
  if (options.TrayIconShown()) return false;
  bool reachable = false;
  if (options.window_services) {
    for (WindowService service : options.services) reachable |= service == WindowService::kShowSettings;
  }
  if (reachable) return false;
  return env_.dialogs.MessageBox(kGuardText, "確認", Buttons::kOkCancel) != Answer::kOk;
}

// A failed write shows its error and leaves the dialog open.  The Run key
// goes first: when it cannot be changed, nothing is saved.
void SettingsDialog::Ok() {
  if (GuardStopsOk()) return;
  if (!ApplyAutoStart()) return;
  if (!RunGuarded(env_.dialogs, [this] { SaveLauncherSettings(); })) return;
  visible = false;
  HidePopup();
}

// The program icons go before the tables are read again, as on reload: the
// load adds an icon per program anew, and the shell refuses to add an id it
// still shows, so an old icon would keep another program's picture and tip,
// and one beyond the new count would answer no click and outlive the
// launcher.
void SettingsDialog::Cancel() {
  visible = false;
  HidePopup();
  tray_icons_.TrayProgramIconsRemove();
  LoadLauncherSettings();
}

// The load goes on even when OK was stopped: the file's values then replace
// the unsaved edits.
void SettingsDialog::ReloadPrograms() {
  Ok();
  tray_icons_.TrayProgramIconsRemove();
  LoadLauncherSettings();
  env_.dialogs.MessageBox("プログラム登録情報を読込みました。", "FESK プログラム読込", Buttons::kOk);
}

void SettingsDialog::HintsOn() {
  hint_choice.Check(hints_on);
  TakeControls();
}

void SettingsDialog::HintsOff() {
  hint_choice.Check(hints_off);
  TakeControls();
}

void SettingsDialog::ChooseMouseActionTrigger() { trigger_choice.Check(mouse_action_trigger_choice); }

void SettingsDialog::ChooseWindowServiceTrigger() { trigger_choice.Check(window_service_trigger_choice); }

// Hiding the icon waits for an open gate: not during start-up, and not while
// the dispatcher's confirmation box is open.
void SettingsDialog::TrayIconChoiceClick() {
  if (tray_icon_choice.item_index() == 0) {
    tray_icons_.TrayIconAdd();
  } else if (tray_icon_choice.item_index() == 1 && loop.GateOpen()) {
    tray_icons_.TrayIconRemove();
  }
}

void SettingsDialog::RunTimeOptionClick() {
  if (run_time_option_box.checked()) return;
  loop.RunOptionMode = false;
  if (options.TrayIconShown()) tray_icons_.TrayIconRestore();
}

// The pick list is filled as the page is shown: the windows open change
// while the dialog is hidden.
void SettingsDialog::PageChange() {
  pages.help_context = PageHelpContext(pages.active_page);
  if (pages.active_page == kQuietPage) ListOpenPrograms();
}

void SettingsDialog::ListOpenPrograms() {
  if (env_.open_programs == nullptr) return;
  open_program_list.items = env_.open_programs->ProgramFiles();
  open_program_list.item_index = -1;
}

void SettingsDialog::TriggerCellClick(int number) {
  if (number < 0 || number >= kTriggerCount) return;
  if (mouse_action_trigger_choice.checked) {
    PlaceTriggerMarker(mouse_action_marker, number);
    options.SetMouseActionTrigger(number);
  } else {
    PlaceTriggerMarker(window_service_marker, number);
    options.SetWindowServiceTrigger(number);
  }
}

}  // namespace fesk
