// Starting a registered program: its launch keys are read from the settings
// file at the moment of the start, so an edit in the editor applies to the
// next start without a reload.
#pragma once

#include <string>
#include <string_view>

#include "launcher/core/loop_state.h"
#include "launcher/core/launcher_options.h"
#include "platform/ports.h"

namespace fesk {

// The program being started, as ReadProgram found it.
struct CurrentProgram {
  std::string CommandLine;
  int ShowCommand = 5;
  std::string Option;
  std::string WorkDir;
  std::string Title;
};

struct LauncherPaths {
  FilePath settings_path;    // "Fesk.Ini" in the launcher's folder
  FilePath launcher_folder;  // ends in a backslash
};

class ProgramRunner {
 public:
  ProgramRunner(const LauncherOptions& options, LoopState& loop, ShellPort& shell, DialogPort& dialogs,
                LauncherPaths paths)
      : options_(options), loop_(loop), shell_(shell), dialogs_(dialogs), paths_(std::move(paths)) {}

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
  const LauncherPaths& paths() const { return paths_; }

 private:
  void OpenPalette(std::string_view title);
  bool AskRunTimeOption(std::string_view title, std::string& option);
  void Launch(std::string_view title, const std::string& option);

  const LauncherOptions& options_;
  LoopState& loop_;
  ShellPort& shell_;
  DialogPort& dialogs_;
  LauncherPaths paths_;
  CurrentProgram current_;
};

}  // namespace fesk
