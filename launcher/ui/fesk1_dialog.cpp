// The settings dialog's own handlers: OK, Cancel, reload, the hint switch,
// the icon choice, the run-time option switch, the page change, the trigger
// cells and the sensor test.
#include "launcher/ui/fesk1_form.h"
#include "launcher/core/window_service_runner.h"
#include "launcher/ui/trigger_cells.h"
#include "platform/ports.h"

namespace fesk {

namespace {

constexpr int kFirstPageHelpContext = 24;

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
bool TFFesk1::GuardStopsOk() {
  if (options.TrayIconShown()) return false;
  bool reachable = false;
  if (options.window_services) {
    for (WindowService service : options.services) reachable |= service == WindowService::kShowSettings;
  }
  if (reachable) return false;
  return env_.dialogs.MessageBox(kGuardText, "確認", Buttons::kOkCancel) != Answer::kOk;
}

// A failed write shows its error and leaves the dialog open.
void TFFesk1::Button1Click() {
  if (GuardStopsOk()) return;
  if (!RunGuarded(env_.dialogs, [this] { SaveLauncherSettings(); })) return;
  visible = false;
  HidePopup();
}

void TFFesk1::Button12Click() {
  visible = false;
  HidePopup();
  LoadLauncherSettings();
}

// The load goes on even when OK was stopped: the file's values then replace
// the unsaved edits.
void TFFesk1::Button15Click() {
  Button1Click();
  tray_icons_.TrayProgramIconsRemove();
  LoadLauncherSettings();
  env_.dialogs.MessageBox("プログラム登録情報を読込みました。", "FESK プログラム読込", Buttons::kOk);
}

void TFFesk1::RadioButton1Click() {
  RadioButton1.checked = true;
  RadioButton2.checked = false;
  TakeControls();
}

void TFFesk1::RadioButton2Click() {
  RadioButton1.checked = false;
  RadioButton2.checked = true;
  TakeControls();
}

void TFFesk1::RadioButton3Click() {
  RadioButton3.checked = true;
  RadioButton4.checked = false;
}

void TFFesk1::RadioButton4Click() {
  RadioButton3.checked = false;
  RadioButton4.checked = true;
}

// Hiding the icon waits for an open gate: not during start-up, and not while
// the dispatcher's confirmation box is open.
void TFFesk1::RadioGroup1Click() {
  if (RadioGroup1.item_index() == 0) {
    tray_icons_.TrayIconAdd();
  } else if (RadioGroup1.item_index() == 1 && loop.GateOpen()) {
    tray_icons_.TrayIconRemove();
  }
}

void TFFesk1::CheckBox8Click() {
  if (CheckBox8.checked()) return;
  loop.RunOptionMode = false;
  if (options.TrayIconShown()) tray_icons_.TrayIconRestore();
}

void TFFesk1::PageControl1Change() {
  PageControl1.help_context = kFirstPageHelpContext + PageControl1.active_page;
}

void TFFesk1::TriggerCellMouseDown(int number) {
  if (number < 0 || number >= kTriggerCount) return;
  if (RadioButton3.checked) {
    PlaceTriggerMarker(MouseActionMarker, number);
    options.SetMouseActionTrigger(number);
  } else {
    PlaceTriggerMarker(WindowServiceMarker, number);
    options.SetWindowServiceTrigger(number);
  }
}

void TFFesk1::Button13Click() { ShowSensorTest(); }

}  // namespace fesk
