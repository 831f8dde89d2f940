#include "launcher/core/launcher_engine.h"

namespace fesk {

LauncherEngine::LauncherEngine(const LauncherOptions& options, LoopState& loop, const ProgramTables& tables,
                               const EnginePorts& ports, const EngineEffects& effects)
    : runner_(options, loop, ports.programs, effects.shell, effects.dialogs, effects.launcher_folder),
      dispatcher_(options, loop, tables, ports.input, ports.programs, effects.dialogs, runner_, effects.services),
      sensing_(options, loop, tables, ports, effects, runner_, dispatcher_) {}

}  // namespace fesk
