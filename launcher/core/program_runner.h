// Starting a registered program: its launch keys are read from the settings
// file at the moment of the start, so an edit in the editor applies to the
// next start without a reload.
#pragma once

#include <string>
#include <string_view>

#include "common/file_path.h"
#include "launcher/core/launcher_options.h"
#include "launcher/core/loop_state.h"
#include "launcher/core/program_store.h"
#include "platform/ports.h"

namespace fesk {

class ProgramRunner {
 public:
  // `launcher_folder` ends in a backslash; the palette program is there.
  ProgramRunner(const LauncherOptions& options, LoopState& loop, ProgramStore& programs, ShellPort& shell,
                DialogPort& dialogs, FilePath launcher_folder)
      : options_(options),
        loop_(loop),
        programs_(programs),
        shell_(shell),
        dialogs_(dialogs),
        launcher_folder_(std::move(launcher_folder)) {}

  void ReadProgram(int slot);
  // Starts the program of the slot (or, for a mouse action in palette mode,
  // the palette program with its code); TriggerSource is 0 afterwards except
  // in the palette case.
  void RunProgram(int slot, std::string_view title);
  void ReportLaunchResult(int code, std::string_view title);
  // RecognizedCode to LINK for the editor; throws FeskError when the file
  // cannot be written.
  void WriteLinkCode();

  const CurrentProgram& current_program() const { return current_; }

 private:
  void OpenPalette(std::string_view title);
  bool AskRunTimeOption(std::string_view title, std::string& option);
  void Launch(std::string_view title, const std::string& option);

  const LauncherOptions& options_;
  LoopState& loop_;
  ProgramStore& programs_;
  ShellPort& shell_;
  DialogPort& dialogs_;
  FilePath launcher_folder_;
  CurrentProgram current_;
};

}  // namespace fesk
