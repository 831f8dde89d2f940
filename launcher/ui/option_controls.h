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
  CheckBox CheckBox1;  // LINKFLG: hand each mouse action to the editor
  CheckBox CheckBox2;  // PRGERRMSG: report start errors
  CheckBox CheckBox3;  // ACTERRMSG: report unregistered mouse actions
  CheckBox CheckBox4;  // TRIGGER1: mouse actions
  CheckBox CheckBox5;  // TRIGGER2: shortcut keys
  CheckBox CheckBox6;  // TRIGGER3: screen positions
  CheckBox CheckBox7;  // TRIGGER4: Window services
  CheckBox CheckBox8;  // RUNOPTION: run-time option
  CheckBox CheckBox9;  // TRIGGER5: per-program tray icons
  RadioGroup RadioGroup1;  // SYSTEMICON: 0 own tray icon shown, 1 hidden
  RadioGroup RadioGroup2;  // MODE
  RadioButton RadioButton1, RadioButton2;  // HINT on / off

  // Page "ﾏｳｽACTｾﾝｻｰ".
  ScrollBar ScrollBar1;  // NUTRAL, 3..10
  ScrollBar ScrollBar2;  // SENMIN, 0..400
  ScrollBar ScrollBar3;  // INTERVAL, 1..100
  Label Label7, Label10, Label12;
  CheckBox RunSpot;
  SpinEdit RunSpotX1, RunSpotY1, RunSpotX2, RunSpotY2;
  CheckBox BHool;
  SpinEdit BHool1X1, BHool1Y1, BHool1X2, BHool1Y2;
  SpinEdit BHool2X1, BHool2Y1, BHool2X2, BHool2Y2;
  SpinEdit BHool3X1, BHool3Y1, BHool3X2, BHool3Y2;
  SpinEdit BHool4X1, BHool4Y1, BHool4X2, BHool4Y2;

  // Page "ﾏｳｽACTﾄﾘｶﾞｰ": the markers of the two triggers.
  Label MouseActionMarker;    // "★"
  Label WindowServiceMarker;  // "●"

  // Page "Winｻｰﾋﾞｽ": the operation for each of the eight directions.
  ComboBox ComboBox1, ComboBox2, ComboBox3, ComboBox4;
  ComboBox ComboBox5, ComboBox6, ComboBox7, ComboBox8;

  // The sensing timer; its period is the INTERVAL option.
  Timer Timer1;

  // Change actions of the three sensor sliders.
  void ScrollBar1Change();
  void ScrollBar2Change();
  void ScrollBar3Change();

  // ComboBox1 to ComboBox8 (index 0-7).
  ComboBox& ServiceList(int index);
  // X1, Y1, X2, Y2 of black hole 1-4.
  std::array<SpinEdit*, 4> BlackHole(int number);
  std::array<SpinEdit*, 4> RunSpotFields();

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
