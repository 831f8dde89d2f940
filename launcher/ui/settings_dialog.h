// SettingsDialog: the launcher's main window, which is its settings dialog.
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
#include "launcher/core/launcher_engine.h"
#include "launcher/core/loop_state.h"
#include "launcher/core/tray_icons.h"
#include "launcher/core/window_service_runner.h"
#include "launcher/services/launcher_settings.h"
#include "launcher/services/settings_program_store.h"
#include "launcher/core/program_tables.h"
#include "launcher/ui/trail_popup.h"
#include "launcher/ui/option_controls.h"
#include "launcher/ui/page_control.h"
#include "platform/controls.h"
#include "platform/form_layout.h"
#include "platform/open_programs.h"
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
  FilePath settings_path;    // "Fesk.Ini" where both programs keep it (common/settings_place.h)
  FilePath launcher_folder;  // that folder, ending in a backslash
  // The window in front, for the quiet over full-screen programs; without
  // it no program counts as full-screen.
  ForegroundPort* foreground = nullptr;
  // The user's Run key and the launcher's own program file, for the start
  // with Windows; without them the box keeps the settings file's value.
  AutoStartPort* auto_start = nullptr;
  FilePath program_path = {};
  // The short forms of dropped files whose names the settings file cannot
  // hold; without it such a file is refused.
  PathPort* paths = nullptr;
  // The window that shows what a release would start while the trigger is
  // held; without it nothing is shown.
  PreviewPort* preview = nullptr;
  // The programs of the open windows, offered for the quiet list; without
  // it the user types the names.
  OpenProgramsPort* open_programs = nullptr;
};

inline constexpr int kMouseLeftDown = 0x201;   // WM_LBUTTONDOWN
inline constexpr int kMouseRightDown = 0x204;  // WM_RBUTTONDOWN

// Pages in tab order.
enum Page : int {
  kActionPage = 0,  // "動 作"
  kMouseActPage,    // "ﾏｳｽACT"
  kTriggerPage,     // "ﾏｳｽACTﾄﾘｶﾞｰ"
  kSensorPage,      // "ﾏｳｽACTｾﾝｻｰ"
  kServicePage,     // "Winｻｰﾋﾞｽ"
  kQuietPage,       // "休 止"
  kVersionPage,     // "ﾊﾞｰｼﾞｮﾝ"
};

// The help topic of a page: the pages added later have topics of their own,
// so that the older pages keep theirs.
int PageHelpContext(int page);

class SettingsDialog : public OptionControls {
 public:
  explicit SettingsDialog(LauncherEnvironment environment);

  // ---- Window and application -------------------------------------------
  std::string caption = "FESK";
  int client_width = 451, client_height = 317;
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

  // Every control the Win32 layer makes a window for, with its page, in
  // the order it makes them; the layout records each where it places it.
  FormLayout layout;
  PageControl pages;
  Button ok_button;      // "ＯＫ"
  Button cancel_button;  // "キャンセル" (also Esc)
  GroupBox hint_group;
  Timer trail_timer;  // keeps a pending trail in front
  // Hidden pictures of the tray icon: the recording frames 1-5 and the
  // picture while run-option mode is on.
  std::array<Image, 5> frame_pictures;
  Image run_option_picture;

  // ---- Page "動 作" -------------------------------------------------------
  GroupBox function_group;  // "有効機能"
  GroupBox register_group;  // "プログラム登録起動"
  Image register_picture1, register_picture2;
  Button transfer_button;  // "ﾏｳｽ･ｱｸｼｮﾝ転送"
  Button editor_button;    // "手動設定"
  Button reload_button;    // "最新情報読込み"

  // ---- Page "ﾏｳｽACT" ------------------------------------------------------
  Label transfer_note;

  // ---- Page "ﾏｳｽACTﾄﾘｶﾞｰ" -------------------------------------------------
  std::array<Shape, kTriggerCount> trigger_cells;      // by trigger number
  std::array<Label, 5> row_captions, column_captions;  // SHIFT, CTRL, ALT, ﾏｳｽ左, ﾏｳｽ右
  std::array<Shape, 4> legend_shapes;
  std::array<Label, 4> legend_labels;
  GroupBox trigger_choice_group;
  RadioButton mouse_action_trigger_choice;    // "ﾏｳｽACT[★]"
  RadioButton window_service_trigger_choice;  // "Winｻｰﾋﾞｽ[●]"
  RadioSet trigger_choice{&mouse_action_trigger_choice, &window_service_trigger_choice};

  // ---- Page "ﾏｳｽACTｾﾝｻｰ" --------------------------------------------------
  Label minimum_move_caption, neutral_caption, interval_caption;
  Button sensor_test_button;  // "ﾃｽﾄ表示"

  // ---- Page "Winｻｰﾋﾞｽ" ----------------------------------------------------
  std::array<Label, 8> direction_labels;
  Image service_picture;

  // ---- Page "休 止" -------------------------------------------------
  GroupBox quiet_group;
  Label quiet_field_caption, open_programs_caption, quiet_note;

  // ---- Page "ﾊﾞｰｼﾞｮﾝ" -----------------------------------------------------
  Panel version_frame;
  Image program_icon;
  Label product_name, product_suffix;
  Label settings_file_label;  // the settings file in use

  // ---- State -------------------------------------------------------------
  LoopState loop;
  ProgramTables tables;
  TrailPopup popup;  // the popup

  // ---- Handlers -----------------------------------------------------------
  void FormCreate();
  // The close box: true when the user confirmed and the program may end.
  bool FormCloseQuery();
  TickOutcome SensingTick() { return engine_.SensingTick(); }
  // A system setting changed (WM_SETTINGCHANGE): the mouse buttons may have
  // been swapped.
  void SettingChange() { engine_.SettingChanged(); }
  void TrailTick();
  void Ok();                   // OK
  void Cancel();               // Cancel
  void ReloadPrograms();       // reload the registered programs
  void TransferMouseAction();  // editor with the last mouse action
  void OpenEditor();           // editor
  void HintsOn();
  void HintsOff();
  // Which trigger a cell click sets: the mouse-action one or the
  // Window-service one.
  void ChooseMouseActionTrigger();
  void ChooseWindowServiceTrigger();
  void TrayIconChoiceClick() override;
  void RunTimeOptionClick() override;
  void PageChange();
  // A cell of the trigger page, by trigger number 0-15.
  void TriggerCellClick(int number);
  // Message 1125 of a tray icon: its id and the mouse message.
  void TrayIconMessage(int id, int mouse_message);
  // Files dropped on the dialog, full paths in the platform's order.
  void FormDropFiles(const std::vector<FilePath>& paths);

  // Shows the dialog and brings it to the front (tray click, Window service).
  // A hidden dialog first shows whether the Run key starts the launcher: the
  // user may have removed the entry elsewhere.
  void ShowSettingsDialog();

  // ---- Routines other parts use ------------------------------------------
  // The options from section SYSTEM into the dialog, then the programs into
  // the tables (their tray icons with TRIGGER5 on).
  void LoadLauncherSettings();
  void SaveLauncherSettings() { settings_.SaveOptions(options); }
  void SetCoordinateLimits() { OptionControls::SetCoordinateLimits(env_.input.ScreenSize()); }
  void ShowTrail();
  void ShowSensorTest();
  const CurrentProgram& current_program() const { return engine_.current_program(); }

 private:
  void BindHandlers();
  void LayOutWindow();
  void LayOutActionPage();
  void LayOutMouseActPage();
  void LayOutTriggerPage();
  void LayOutSensorPage();
  void LayOutServicePage();
  void LayOutQuietPage();
  // The programs of the open windows into the pick list.
  void ListOpenPrograms();
  void LayOutVersionPage();
  void FillServiceLists();
  void SetRunTimeHints();
  void HidePopup() { popup.HideWithTexts(); }
  // True when the dialog could no longer be reached after hiding it and the
  // user chose not to go on.
  bool GuardStopsOk();
  void StartEditor(const std::string& arguments);
  bool AutoStartAvailable() const { return env_.auto_start != nullptr && !env_.program_path.empty(); }
  bool AutoStartRegistered();
  void ShowAutoStartState();
  // The start with Windows box into the Run key, when the two differ; false
  // (after an error box, with the box showing the key again) when the key
  // could not be changed.
  bool ApplyAutoStart();
  void ProgramIconClicked(int id, bool with_option);

  LauncherEnvironment env_;
  TrayIcons tray_icons_;
  LauncherSettings settings_;
  SettingsFileProgramStore programs_;
  LauncherEngine engine_;
};

}  // namespace fesk
