// The sensing loop: one tick of the sensing timer polls keys, buttons and the
// cursor, starts shortcut keys and screen positions, records a movement while
// a trigger is held and recognises and dispatches it when all keys are up.
#pragma once

#include <functional>

#include "launcher/core/dispatcher.h"
#include "launcher/core/key_snapshot.h"
#include "launcher/core/loop_state.h"
#include "launcher/core/program_runner.h"
#include "launcher/core/tick_outcome.h"
#include "launcher/core/tray_icons.h"
#include "launcher/core/launcher_options.h"
#include "launcher/core/program_tables.h"
#include "platform/ports.h"

namespace fesk {

// What the loop tells the windows: a movement was recognised (the transfer
// button is enabled from then on), and the trail is to be drawn in the popup.
struct SensingView {
  std::function<void()> movement_recognized;
  std::function<void(int sample_count)> show_trail;
};

class SensingLoop {
 public:
  // `timer` is the sensing timer whose ticks call SensingTick; it is stopped
  // while a tick starts something or waits.
  SensingLoop(const LauncherOptions& options, LoopState& loop, const ProgramTables& tables, Timer& timer,
              InputPort& input, ClockPort& clock, DialogPort& dialogs, TrayIcons& tray, ProgramRunner& runner,
              Dispatcher& dispatcher, SensingView view, ForegroundPort* foreground = nullptr)
      : options_(options),
        loop_(loop),
        timer_(timer),
        tables_(tables),
        input_(input),
        keys_(input),
        clock_(clock),
        dialogs_(dialogs),
        tray_(tray),
        runner_(runner),
        dispatcher_(dispatcher),
        view_(std::move(view)),
        foreground_(foreground) {}

  // Whether the tick saw anything held or under way, for the waking rule;
  // it reads no key for that beyond those it reads anyway.
  TickOutcome SensingTick();
  void RecognizeStroke(int sample_count);
  // The user changed a system setting: the mouse buttons may have been
  // swapped or swapped back.
  void SettingChanged() { keys_.ReadButtonSetting(); }

 private:
  // The tick's work, once the gate has let it in.
  void Sense();
  // False while the loop waits, after a failed cursor read, for a good read
  // with every trigger up.
  bool Armed();
  void Disarm();
  void ToggleRunOptionMode();
  void FireShortcutKeys();
  void FireScreenPosition();
  bool WindowServiceTriggerHeld();
  void RecordStep();
  void TakeSample(Point cursor);
  void ReleaseStep();
  void ActOnMovement();
  // Asked only when something would start, never on an idle tick.
  bool QuietOverFullScreen();

  const LauncherOptions& options_;
  LoopState& loop_;
  Timer& timer_;
  const ProgramTables& tables_;
  InputPort& input_;
  // The keys as this tick sees them; forgotten after every block that waits.
  KeySnapshot keys_;
  ClockPort& clock_;
  DialogPort& dialogs_;
  TrayIcons& tray_;
  ProgramRunner& runner_;
  Dispatcher& dispatcher_;
  SensingView view_;
  ForegroundPort* foreground_;
  bool in_tick_ = false;
};

}  // namespace fesk
