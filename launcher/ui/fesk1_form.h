// TFFesk1: the launcher's main window, which is its settings dialog.
//
// It is created hidden and stays so until asked for; meanwhile its controls
// hold the live options (LauncherOptions) and its first timer drives the
// sensing loop.  The Win32 layer creates one real control per model below,
// turns window messages into calls of the handlers and shows the models'
// state again after each handler.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/hotkey_text.h"
#include "common/program_files.h"
#include "launcher/core/dispatcher.h"
#include "launcher/core/loop_state.h"
#include "launcher/core/program_runner.h"
#include "launcher/core/sensing_loop.h"
#include "launcher/core/tray_icons.h"
#include "launcher/core/window_service_runner.h"
#include "launcher/services/launcher_settings.h"
#include "launcher/core/program_tables.h"
#include "launcher/ui/fesk2_form.h"
#include "launcher/ui/option_controls.h"
#include "launcher/ui/page_control.h"
#include "platform/controls.h"
#include "platform/ports.h"

namespace fesk {

// Everything the launcher needs from the platform and its installation.
struct LauncherEnvironment {
  InputPort& input;
  ClockPort& clock;
  ShellPort& shell;
  DialogPort& dialogs;
  TrayPort& tray;
  WindowServiceRunner& services;
  const KeyNameSource* key_names;
  std::string settings_path;    // "Fesk.Ini" beside the launcher's program file
  std::string launcher_folder;  // that folder, ending in a backslash
};

inline constexpr int kMouseLeftDown = 0x201;   // WM_LBUTTONDOWN
inline constexpr int kMouseRightDown = 0x204;  // WM_RBUTTONDOWN

// Pages in tab order.
enum Page : int {
  kActionPage = 0,   // "動 作"
  kMouseActPage,     // "ﾏｳｽACT"
  kTriggerPage,      // "ﾏｳｽACTﾄﾘｶﾞｰ"
  kSensorPage,       // "ﾏｳｽACTｾﾝｻｰ"
  kServicePage,      // "Winｻｰﾋﾞｽ"
  kVersionPage,      // "ﾊﾞｰｼﾞｮﾝ"
};

class TFFesk1 : public OptionControls {
 public:
  explicit TFFesk1(LauncherEnvironment environment);

  // ---- Window and application -------------------------------------------
  std::string Caption = "FESK";
  int ClientWidth = 451, ClientHeight = 317;
  bool centred_on_screen = true;
  bool minimize_box = false, maximize_box = false;  // system menu only
  std::string font_name = "ＭＳ ゴシック";
  int help_context = 0;
  std::string help_file = kHelpFileName;
  bool visible = false;
  // Requests to make the dialog the foreground window; the Win32 layer
  // honours each one.
  int foreground_requests = 0;
  bool taskbar_button_hidden = false;
  bool accepts_dropped_files = false;
  int hint_hide_pause = 0;  // milliseconds the tooltips stay up

  PageControl PageControl1;
  Button Button1;   // "ＯＫ"
  Button Button12;  // "キャンセル" (also Esc)
  GroupBox HintGroup;
  Timer Timer2;     // keeps a pending trail in front
  // Tray pictures: Image14-18 the recording frames, Image19 run-option mode.
  Image Image14, Image15, Image16, Image17, Image18, Image19;

  // ---- Page "動 作" -------------------------------------------------------
  GroupBox FunctionGroup;  // "有効機能"
  GroupBox RegisterGroup;  // "プログラム登録起動"
  Image RegisterPicture1, RegisterPicture2;
  Button Button2;   // "ﾏｳｽ･ｱｸｼｮﾝ転送"
  Button Button14;  // "手動設定"
  Button Button15;  // "最新情報読込み"

  // ---- Page "ﾏｳｽACT" ------------------------------------------------------
  Label Label41;

  // ---- Page "ﾏｳｽACTﾄﾘｶﾞｰ" -------------------------------------------------
  Shape Shape1, Shape2, Shape3, Shape4, Shape5, Shape6, Shape7, Shape8;
  Shape Shape9, Shape10, Shape11, Shape12, Shape13, Shape14, Shape15, Shape19;
  std::array<Label, 5> RowCaptions, ColumnCaptions;  // SHIFT, CTRL, ALT, ﾏｳｽ左, ﾏｳｽ右
  std::array<Shape, 4> LegendShapes;
  std::array<Label, 4> LegendLabels;
  GroupBox TriggerChoiceGroup;
  RadioButton RadioButton3;  // "ﾏｳｽACT[★]"
  RadioButton RadioButton4;  // "Winｻｰﾋﾞｽ[●]"

  // ---- Page "ﾏｳｽACTｾﾝｻｰ" --------------------------------------------------
  Label MinimumMoveCaption, NeutralCaption, IntervalCaption;
  Button Button13;  // "ﾃｽﾄ表示"

  // ---- Page "Winｻｰﾋﾞｽ" ----------------------------------------------------
  std::array<Label, 8> DirectionLabels;
  Image ServicePicture;

  // ---- Page "ﾊﾞｰｼﾞｮﾝ" -----------------------------------------------------
  Panel VersionFrame;
  Image ProgramIcon;
  Label ProductName, ProductSuffix;

  // ---- State -------------------------------------------------------------
  LoopState loop;
  ProgramTables tables;
  TFFesk2 FFesk2;  // the popup

  // ---- Handlers -----------------------------------------------------------
  void FormCreate();
  // The close box: true when the user confirmed and the program may end.
  bool FormCloseQuery();
  void Timer1Timer() { sensing_.Timer1Timer(); }
  void Timer2Timer();
  void Button1Click();   // OK
  void Button12Click();  // Cancel
  void Button15Click();  // reload the registered programs
  void Button2Click();   // editor with the last mouse action
  void Button14Click();  // editor
  void Button13Click();  // sensor test display
  void RadioButton1Click();
  void RadioButton2Click();
  // Which trigger a cell click sets: the mouse-action one or the
  // Window-service one.
  void RadioButton3Click();
  void RadioButton4Click();
  void RadioGroup1Click();
  void CheckBox8Click();
  void PageControl1Change();
  // A cell of the trigger page, by trigger number 0-15.
  void TriggerCellMouseDown(int number);
  // Message 1125 of a tray icon: its id and the mouse message.
  void TrayIconMessage(int id, int mouse_message);
  // Files dropped on the dialog, full paths in the platform's order.
  void FormDropFiles(const std::vector<std::string>& paths);

  // Shows the dialog and brings it to the front (tray click, Window service).
  void ShowSettingsDialog();

  // ---- Routines other parts use ------------------------------------------
  // The options from section SYSTEM into the dialog, then the programs into
  // the tables (their tray icons with TRIGGER5 on).
  void LoadLauncherSettings();
  void SaveLauncherSettings() { settings_.SaveOptions(options); }
  void SetCoordinateLimits() { OptionControls::SetCoordinateLimits(env_.input.ScreenSize()); }
  void RunProgram(int slot, std::string_view title) { runner_.RunProgram(slot, title); }
  void DispatchMouseAction() { dispatcher_.DispatchMouseAction(); }
  void RecognizeStroke(int sample_count) { sensing_.RecognizeStroke(sample_count); }
  void ShowTrail(int sample_count);
  void ShowSensorTest();
  TrayIcons& tray_icons() { return tray_icons_; }
  const CurrentProgram& current_program() const { return runner_.current_program(); }
  Shape& TriggerCell(int number);

 private:
  void LayOutWindow();
  void LayOutActionPage();
  void LayOutMouseActPage();
  void LayOutTriggerPage();
  void LayOutSensorPage();
  void LayOutServicePage();
  void LayOutVersionPage();
  void FillServiceLists();
  void SetRunTimeHints();
  void HidePopup() { FFesk2.HideWithTexts(); }
  // True when the dialog could no longer be reached after hiding it and the
  // user chose not to go on.
  bool GuardStopsOk();
  void StartEditor(const std::string& arguments);
  void ProgramIconClicked(int id, bool with_option);

  LauncherEnvironment env_;
  TrayIcons tray_icons_;
  LauncherSettings settings_;
  ProgramRunner runner_;
  Dispatcher dispatcher_;
  SensingLoop sensing_;
};

}  // namespace fesk
