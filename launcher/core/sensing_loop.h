// The sensing loop: one tick of the sensing timer polls keys, buttons and the
// cursor, starts shortcut keys and screen positions, records a movement while
// a trigger is held and recognises and dispatches it when all keys are up.
#pragma once

#include "launcher/core/dispatcher.h"
#include "launcher/core/engine_ports.h"
#include "launcher/core/key_snapshot.h"
#include "launcher/core/launcher_options.h"
#include "launcher/core/loop_state.h"
#include "launcher/core/movement_preview.h"
#include "launcher/core/program_runner.h"
#include "launcher/core/tick_outcome.h"
#include "launcher/core/program_tables.h"
#include "launcher/core/tray_icons.h"
#include "platform/ports.h"

namespace fesk {

class SensingLoop {
 public:
  SensingLoop(const LauncherOptions& options, LoopState& loop, const ProgramTables& tables, const EnginePorts& ports,
              const EngineEffects& effects, ProgramRunner& runner, Dispatcher& dispatcher)
      : options_(options),
        loop_(loop),
        timer_(ports.timer),
        tables_(tables),
        input_(ports.input),
        keys_(ports.input),
        clock_(ports.clock),
        dialogs_(effects.dialogs),
        tray_(effects.tray),
        runner_(runner),
        dispatcher_(dispatcher),
        view_(effects.view),
        foreground_(ports.foreground),
        preview_(options, loop, tables, ports.programs, dispatcher, effects.preview,
                 [this] { return QuietOverProgramInFront(); }) {}

  // Why no tick runs inside a box, and when the next one comes.  Two guards,
  // each in one place:
  //  - The pause of the sensing timer (TimerPause, sensing_loop.cpp): every
  //    block of a tick that sleeps or starts something (and so may show a
  //    message or input box, whose own message loop goes on delivering the
  //    timer's ticks) stops the timer while it works.  A tick that arrives
  //    while the timer is stopped returns at once, so none starts inside a
  //    box; the Win32 layer sees the pause as a restart of the timer
  //    (Timer::restarts) and starts it again after the tick, so the next one
  //    comes a full interval after the block.  An idle tick pauses nothing,
  //    and the window leaves its timer alone.
  //  - The gate (LoopState::MouseActionGate, loop_state.h): shut until
  //    start-up has finished and while the dispatcher's confirmation box is
  //    open; a tick needs it open, and hiding the tray icon from the
  //    dialog waits for it.
  // The window that delivers the ticks keeps no flag of its own and does not
  // stop its timer around a tick.
  // Whether the tick saw anything held or under way, for the waking rule;
  // it reads no key for that beyond those it reads anyway.
  TickOutcome SensingTick();
  // Recognises the samples kept of the movement just released.
  void RecognizeStroke();
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
  // True over a full-screen program (FULLSCREENQUIET) or a listed one
  // (QUIETPROGRAMS).  Asked only when something would start, never on an
  // idle tick.
  bool QuietOverProgramInFront();

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
  MovementPreview preview_;
};

}  // namespace fesk
