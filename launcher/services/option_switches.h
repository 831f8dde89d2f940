// The launcher's on/off options, one row each: the option, the check box
// that edits it, its key in section SYSTEM and where that key stands in the
// file.  Binding, TakeControls, ShowOptions, the load and the save all walk
// these rows, so a new on/off option is one row here (its default is the
// member's initialiser in LauncherOptions, its box a member of SwitchBoxes),
// one line of layout and its texts.
//
// The options that are not one box and one 0/1 key stay outside: the
// sliders (their texts and the timer follow them), the RUN spot and black
// holes (one switch and four fields each, written as ON/OFF), the eight
// service lists, the mode and tray icon choices (a list index), the hint
// (ON/OFF, a radio pair), the two triggers (cells, not a box) and the quiet
// programs (a list of names).
#pragma once

#include <array>

#include "launcher/core/launcher_options.h"
#include "platform/controls.h"

namespace fesk {

// The check boxes of the rows below; OptionControls holds them.
struct SwitchBoxes {
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
  CheckBox preview_box;                 // PREVIEW: what a release would start, shown before it
};

// Where a row's key is written in section SYSTEM: after INTERVAL, or at the
// end after HINT (the keys added later, which older files lack).
enum class SwitchPlace { kAfterSensor, kAtEnd };

struct OptionSwitch {
  bool LauncherOptions::*option;
  CheckBox SwitchBoxes::*box;
  const char* key;  // written as 1 or 0
  SwitchPlace place;
  // TRIGGER5 is read only while no program is listed (at the start): the
  // per-program icons are made with the program list, so a later load keeps
  // the value those icons were made for.
  bool read_with_programs = true;
};

// In the order of the file, which is also the order in which ShowOptions
// sets the boxes (a box that changes runs its click action).
inline constexpr std::array<OptionSwitch, 12> kOptionSwitches = {{
    {&LauncherOptions::link_mouse_actions, &SwitchBoxes::auto_transfer_box, "LINKFLG", SwitchPlace::kAfterSensor},
    {&LauncherOptions::report_start_errors, &SwitchBoxes::start_errors_box, "PRGERRMSG", SwitchPlace::kAfterSensor},
    {&LauncherOptions::report_unregistered_actions, &SwitchBoxes::unregistered_actions_box, "ACTERRMSG",
     SwitchPlace::kAfterSensor},
    {&LauncherOptions::run_time_option, &SwitchBoxes::run_time_option_box, "RUNOPTION", SwitchPlace::kAfterSensor},
    {&LauncherOptions::mouse_actions, &SwitchBoxes::mouse_actions_box, "TRIGGER1", SwitchPlace::kAfterSensor},
    {&LauncherOptions::shortcut_keys, &SwitchBoxes::shortcut_keys_box, "TRIGGER2", SwitchPlace::kAfterSensor},
    {&LauncherOptions::screen_positions, &SwitchBoxes::screen_positions_box, "TRIGGER3", SwitchPlace::kAfterSensor},
    {&LauncherOptions::window_services, &SwitchBoxes::window_services_box, "TRIGGER4", SwitchPlace::kAfterSensor},
    {&LauncherOptions::program_tray_icons, &SwitchBoxes::program_tray_icons_box, "TRIGGER5", SwitchPlace::kAfterSensor,
     false},
    {&LauncherOptions::quiet_over_full_screen, &SwitchBoxes::quiet_over_full_screen_box, "FULLSCREENQUIET",
     SwitchPlace::kAtEnd},
    {&LauncherOptions::start_with_windows, &SwitchBoxes::start_with_windows_box, "AUTOSTART", SwitchPlace::kAtEnd},
    {&LauncherOptions::preview, &SwitchBoxes::preview_box, "PREVIEW", SwitchPlace::kAtEnd},
}};

}  // namespace fesk
