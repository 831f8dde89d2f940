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
#include "launcher/services/option_switches.h"
#include "platform/controls.h"

namespace fesk {

// The on/off options' check boxes (page "動 作" and "ﾏｳｽACT") come from
// SwitchBoxes, one per row of kOptionSwitches.
class OptionControls : public SwitchBoxes {
 public:
  OptionControls();
  virtual ~OptionControls() = default;
  OptionControls(const OptionControls&) = delete;
  OptionControls& operator=(const OptionControls&) = delete;

  // What the loop, the dispatcher and the launch decide on.
  LauncherOptions options;

  // Page "動 作" and "ﾏｳｽACT": the choices beside the on/off boxes.
  RadioGroup tray_icon_choice;      // SYSTEMICON: 0 own tray icon shown, 1 hidden
  RadioGroup mode_choice;           // MODE
  RadioButton hints_on, hints_off;  // HINT on / off
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

  // Page "休 止": QUIETPROGRAMS, one name a line, and what the add
  // button takes: a name typed in the field or picked from the programs of
  // the windows open now.
  ListBox quiet_program_list;
  Edit quiet_program_field;
  ComboBox open_program_list;
  Button add_quiet_program_button;     // "追加"
  Button remove_quiet_program_button;  // "削除"

  // The sensing timer; its period is the INTERVAL option.
  Timer sensing_timer;

  // Change actions of the three sensor sliders.
  void NeutralSliderChange();
  void MinimumMoveSliderChange();
  void IntervalSliderChange();
  // The field's name onto the list (a path keeps its file name); the field
  // is emptied once the name is listed.
  void AddQuietProgram();
  // The selected name off the list.
  void RemoveQuietProgram();

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
  // What a click on these two changes beyond the options (the dialog's tray
  // icon); each runs after TakeControls.
  virtual void RunTimeOptionClick() {}
  virtual void TrayIconChoiceClick() {}
  // Moves a marker onto the cell of its trigger.
  void PlaceMarkers();

 private:
  void BindOptionActions();
  // The list box after `options.quiet_programs`, the same name selected
  // where it is still listed.
  void ShowQuietPrograms();
};

// "<n>ﾄﾞｯﾄ" and "<n>/1000秒", the texts beside the sliders.
std::string MinimumMoveText(int dots);
std::string IntervalText(int milliseconds);

}  // namespace fesk
