// The launcher's options (section SYSTEM) as the sensing loop, the
// dispatcher and the launch decide on them.  The settings dialog edits them
// in place, so an edit applies at once; OK saves them and Cancel loads them
// again from the file.
#pragma once

#include <array>

#include "launcher/core/quiet_programs.h"
#include "launcher/core/screen_rules.h"
#include "launcher/core/trigger_keys.h"
#include "launcher/core/window_service_runner.h"

namespace fesk {

// MODE, the item of "ﾏｳｽACT"'s list.  Nothing chosen acts as the normal mode.
enum class MouseActionMode : int {
  kUnselected = -1,
  kNormal = 0,
  kConfirm = 1,
  kTrail = 2,
  kPalette = 3,
};

// SYSTEMICON, the item of "FESKアイコン".  The own icon is shown only with
// kShown.
enum class TrayIconChoice : int {
  kUnselected = -1,
  kShown = 0,
  kHidden = 1,
};

inline constexpr int kModeCount = 4;
inline constexpr int kTrayIconChoiceCount = 2;

// Ranges of the three sensor values (their sliders on "ﾏｳｽACTｾﾝｻｰ").
struct ValueRange {
  int low, high;
  int Clamp(int value) const { return value < low ? low : (value > high ? high : value); }
};
inline constexpr ValueRange kNeutralRange{3, 10};       // NUTRAL
inline constexpr ValueRange kMinimumMoveRange{0, 400};  // SENMIN, pixels
inline constexpr ValueRange kIntervalRange{1, 100};     // INTERVAL, milliseconds

struct LauncherOptions {
  // Enabled functions (TRIGGER1 to TRIGGER5).
  bool mouse_actions = true;
  bool shortcut_keys = true;
  bool screen_positions = false;
  bool window_services = false;
  bool program_tray_icons = false;
  TrayIconChoice tray_icon = TrayIconChoice::kShown;  // SYSTEMICON
  bool report_start_errors = true;                    // PRGERRMSG
  bool run_time_option = false;                       // RUNOPTION
  MouseActionMode mode = MouseActionMode::kNormal;    // MODE
  bool report_unregistered_actions = false;           // ACTERRMSG
  bool link_mouse_actions = false;                    // LINKFLG: each code to LINK
  bool hints = true;                                  // HINT
  // FULLSCREENQUIET: no start from a mouse action or a screen position
  // while a full-screen program is in front.
  bool quiet_over_full_screen = true;
  // AUTOSTART: the launcher starts when the user signs in to Windows.  The
  // registry's Run key decides; this is the choice last saved with OK.
  bool start_with_windows = false;
  // PREVIEW: while the trigger is held, a small window beside the cursor
  // tells what a release would start.
  bool preview = true;
  // QUIETPROGRAMS: no start from a mouse action or a screen position while
  // the window in front belongs to one of these programs.
  QuietProgramList quiet_programs;

  // The two triggers by number 0-15 (SELECTKEY, WINSELECTKEY) and the keys
  // the loop polls for them.
  int mouse_action_trigger = 0;
  int window_service_trigger = 0;
  TriggerKeys mouse_action_keys = TriggerKeysFor(0);
  TriggerKeys window_service_keys = TriggerKeysFor(0);

  int neutral_divisor = 5;  // NUTRAL
  int minimum_move = 10;    // SENMIN
  int interval = 10;        // INTERVAL, the sensing timer's period
  StartArea start_area;     // RUN, RUNSPOT*, HOOL, BHOOL*

  // The operation of each of the eight directions (WinService1-8), in the
  // order of the dispatcher's direction codes.
  std::array<WindowService, 8> services = kDefaultWindowServices;

  void SetMouseActionTrigger(int number) {
    mouse_action_trigger = number;
    mouse_action_keys = TriggerKeysFor(number);
  }
  void SetWindowServiceTrigger(int number) {
    window_service_trigger = number;
    window_service_keys = TriggerKeysFor(number);
  }
  bool TrayIconShown() const { return tray_icon == TrayIconChoice::kShown; }
};

}  // namespace fesk
