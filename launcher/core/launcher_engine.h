// The launcher's engine: the sensing loop, the dispatcher and the program
// runner, built together from the options, the loop's state, the program
// tables and the two bundles of ports and effects.  The settings dialog
// holds one; a test builds one from fakes without a dialog or a file.
#pragma once

#include <string_view>

#include "launcher/core/dispatcher.h"
#include "launcher/core/engine_ports.h"
#include "launcher/core/launcher_options.h"
#include "launcher/core/loop_state.h"
#include "launcher/core/program_runner.h"
#include "launcher/core/program_tables.h"
#include "launcher/core/sensing_loop.h"

namespace fesk {

class LauncherEngine {
 public:
  // The engine keeps references to what the bundles name (and copies of the
  // folder and the view's callbacks), so the bundles may be temporaries.
  LauncherEngine(const LauncherOptions& options, LoopState& loop, const ProgramTables& tables, const EnginePorts& ports,
                 const EngineEffects& effects);
  LauncherEngine(const LauncherEngine&) = delete;
  LauncherEngine& operator=(const LauncherEngine&) = delete;

  // One tick of the sensing timer.
  TickOutcome SensingTick() { return sensing_.SensingTick(); }
  // The user changed a system setting: the mouse buttons may have been
  // swapped or swapped back.
  void SettingChanged() { sensing_.SettingChanged(); }
  void RunProgram(int slot, std::string_view title) { runner_.RunProgram(slot, title); }
  const CurrentProgram& current_program() const { return runner_.current_program(); }

 private:
  ProgramRunner runner_;
  Dispatcher dispatcher_;
  SensingLoop sensing_;
};

}  // namespace fesk
