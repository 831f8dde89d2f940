// LauncherOptions: the launcher's options, held in the controls of its
// settings dialog.  The sensing loop, the dispatcher and the launch read the
// controls at the moment they need a value, so an edit in the dialog applies at once;
// OK writes the controls to section SYSTEM and Cancel reads them back.
//
// Beside the controls the record keeps the values derived from them that the
// loop reads on every tick (NeutralDivisor, MinimumMove, the trigger numbers
// and their key sets, the tooltip switch).
#pragma once

#include <array>
#include <string>

#include "common/geometry.h"
#include "launcher/core/screen_rules.h"
#include "launcher/core/trigger_keys.h"
#include "platform/controls.h"

namespace fesk {

enum MouseActionMode : int {
  kNormalMode = 0,
  kConfirmMode = 1,
  kTrailMode = 2,
  kPaletteMode = 3,
};

class LauncherOptions {
 public:
  LauncherOptions();
  LauncherOptions(const LauncherOptions&) = delete;
  LauncherOptions& operator=(const LauncherOptions&) = delete;

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

  // Derived values.
  int NeutralDivisor = 5;
  int MinimumMove = 10;
  int MouseActionTriggerNumber = 0;
  int WindowServiceTriggerNumber = 0;
  TriggerKeys MouseActionTrigger{};
  TriggerKeys WindowServiceTrigger{};
  bool ShowHints = true;  // the application-wide tooltip switch

  void SetMouseActionTrigger(int number) { MouseActionTrigger = TriggerKeysFor(number); }
  void SetWindowServiceTrigger(int number) { WindowServiceTrigger = TriggerKeysFor(number); }

  // Change actions of the three sensor sliders.
  void ScrollBar1Change();
  void ScrollBar2Change();
  void ScrollBar3Change();

  // ComboBox1 to ComboBox8 (index 0-7).
  ComboBox& ServiceList(int index);
  // X1, Y1, X2, Y2 of black hole 1-4.
  std::array<SpinEdit*, 4> BlackHole(int number);
  std::array<SpinEdit*, 4> RunSpotFields();

  // The launcher's own tray icon is shown only with item 0 selected.
  bool TrayIconShown() const { return RadioGroup1.item_index() == 0; }
  // No selection acts as the normal mode.
  int Mode() const { return RadioGroup2.item_index(); }
  // The start rules as the fields hold them now.
  StartArea CurrentStartArea() const;
};

// "<n>ﾄﾞｯﾄ" and "<n>/1000秒", the texts beside the sliders.
std::string MinimumMoveText(int dots);
std::string IntervalText(int milliseconds);

}  // namespace fesk
