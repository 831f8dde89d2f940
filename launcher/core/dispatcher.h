// What a recognised movement means: one of the eight Window services under
// the Window-service trigger, otherwise the first registered program with the
// same code whose start-position mask allows where the movement began.
#pragma once

#include <string>

#include "launcher/core/loop_state.h"
#include "launcher/core/program_runner.h"
#include "launcher/core/program_store.h"
#include "launcher/core/window_service_runner.h"
#include "launcher/core/launcher_options.h"
#include "launcher/core/program_tables.h"
#include "platform/ports.h"

namespace fesk {

class Dispatcher {
 public:
  Dispatcher(const LauncherOptions& options, LoopState& loop, const ProgramTables& tables, InputPort& input,
             ProgramStore& programs, DialogPort& dialogs, ProgramRunner& runner, WindowServiceRunner& services)
      : options_(options),
        loop_(loop),
        tables_(tables),
        input_(input),
        programs_(programs),
        dialogs_(dialogs),
        runner_(runner),
        services_(services) {}

  void DispatchMouseAction();
  // True when the slot's RUNPOS (read now) allows StartPoint.
  bool CheckStartPosition(int slot);

 private:
  void RunDirectionService();
  // True when a program was started or offered.
  bool StartMatchingProgram();
  // Mode 1: false when the user declined, so the scan goes on.
  bool ConfirmAndRun(int slot, const std::string& title);

  const LauncherOptions& options_;
  LoopState& loop_;
  const ProgramTables& tables_;
  InputPort& input_;
  ProgramStore& programs_;
  DialogPort& dialogs_;
  ProgramRunner& runner_;
  WindowServiceRunner& services_;
};

}  // namespace fesk
