// OptionControls: the settings dialog's controls of the launcher's options.
// Each control edits `options` as it changes, so an edit in the dialog
// applies at once; ShowOptions puts loaded options into the controls.  Beside
// them live the texts next to the sliders, the trigger markers and the
// sensing timer, whose period is the INTERVAL option.
#pragma once

#include <array>
#include <string>

#include "common/geometry.h"
#include "launcher/core/launcher_options.h"
#include "platform/controls.h"

namespace fesk {

class OptionControls {
 public:
  OptionControls();
  OptionControls(const OptionControls&) = delete;
  OptionControls& operator=(const OptionControls&) = delete;

  // What the loop, the dispatcher and the launch decide on.
  LauncherOptions options;

  // Page "動 作": enabled functions and reporting.
  CheckBox auto_transfer_box;           // LINKFLG: hand each mouse action to the editor
  CheckBox start_errors_box;            // PRGERRMSG: report start errors
  CheckBox unregistered_actions_box;    // ACTERRMSG: report unregistered mouse actions
  CheckBox mouse_actions_box;           // TRIGGER1: mouse actions
  CheckBox shortcut_keys_box;           // TRIGGER2: shortcut keys
  CheckBox screen_positions_box;        // TRIGGER3: screen positions
  CheckBox window_services_box;         // TRIGGER4: Window services
  CheckBox run_time_option_box;         // RUNOPTION: run-time option
  CheckBox program_tray_icons_box;      // TRIGGER5: per-program tray icons
  CheckBox quiet_over_full_screen_box;  // FULLSCREENQUIET: quiet over a full-screen program
  CheckBox start_with_windows_box;      // AUTOSTART: started at sign-in (the Run key)
  RadioGroup tray_icon_choice;          // SYSTEMICON: 0 own tray icon shown, 1 hidden
  RadioGroup mode_choice;               // MODE
  RadioButton hints_on, hints_off;      // HINT on / off
  RadioSet hint_choice{&hints_on, &hints_off};

  // Page "ﾏｳｽACTｾﾝｻｰ".
  ScrollBar neutral_slider;       // NUTRAL, 3..10
  ScrollBar minimum_move_slider;  // SENMIN, 0..400
  ScrollBar interval_slider;      // INTERVAL, 1..100
  Label neutral_text, minimum_move_text, interval_text;
  CheckBox run_spot_box;
  std::array<SpinEdit, 4> run_spot_fields;  // X1, Y1, X2, Y2
  CheckBox black_holes_box;
  std::array<std::array<SpinEdit, 4>, 4> black_hole_fields;  // holes 1-4: X1, Y1, X2, Y2

  // Page "ﾏｳｽACTﾄﾘｶﾞｰ": the markers of the two triggers.
  Label mouse_action_marker;    // "★"
  Label window_service_marker;  // "●"

  // Page "Winｻｰﾋﾞｽ": the operation for each of the eight directions.
  std::array<ComboBox, 8> service_lists;

  // The sensing timer; its period is the INTERVAL option.
  Timer sensing_timer;

  // Change actions of the three sensor sliders.
  void NeutralSliderChange();
  void MinimumMoveSliderChange();
  void IntervalSliderChange();

  // Loaded options into the controls, in the order the settings file lists
  // them; a check box or choice that changes runs its click action, as a
  // user's click would.  `options` then holds what the controls make of them
  // (a slider or a bounded field brings a value into its range).
  void ShowOptions(const LauncherOptions& loaded);
  // Bounds the RUN-spot and black-hole fields by the screen.
  void SetCoordinateLimits(Size screen);

 protected:
  // Every control into `options`: the change action of each control.
  void TakeControls();
  // Moves a marker onto the cell of its trigger.
  void PlaceMarkers();
};

// "<n>ﾄﾞｯﾄ" and "<n>/1000秒", the texts beside the sliders.
std::string MinimumMoveText(int dots);
std::string IntervalText(int milliseconds);

}  // namespace fesk
