#include "launcher/core/launcher_engine.h"

namespace fesk {

LauncherEngine::LauncherEngine(const LauncherOptions& options, LoopState& loop, const ProgramTables& tables,
                               EnginePorts ports, EngineEffects effects)
    : ports_(ports),
      effects_(std::move(effects)),
      runner_(options, loop, ports_.programs, effects_.shell, effects_.dialogs, effects_.launcher_folder),
      dispatcher_(options, loop, tables, ports_.input, ports_.programs, effects_.dialogs, runner_, effects_.services),
      sensing_(options, loop, tables, ports_, effects_, runner_, dispatcher_) {}

}  // namespace fesk
