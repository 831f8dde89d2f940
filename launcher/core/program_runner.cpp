#include "launcher/core/program_runner.h"

#include "common/program_files.h"
#include "launcher/core/launch_texts.h"

namespace fesk {

void ProgramRunner::ReadProgram(int slot) { current_ = programs_.Program(slot); }

void ProgramRunner::RunProgram(int slot, std::string_view title) {
  ReadProgram(slot);
  if (options_.mode == MouseActionMode::kPalette && loop_.TriggerSource == LaunchSource::kMouseAction) {
    OpenPalette(title);
    return;
  }
  std::string option = current_.Option;
  if (AskRunTimeOption(title, option)) Launch(title, option);
  loop_.TriggerSource = LaunchSource::kNone;
}

// The palette program shows the icons registered for the code instead.
void ProgramRunner::OpenPalette(std::string_view title) {
  int result = shell_.Open(InFolder(launcher_folder_, kPaletteFileName), "A " + loop_.RecognizedCode, current_.WorkDir,
                           current_.ShowCommand);
  ReportLaunchResult(result, title);
}

// False when the user cancelled the option box.
bool ProgramRunner::AskRunTimeOption(std::string_view title, std::string& option) {
  if (!options_.run_time_option || !loop_.RunOptionMode) return true;
  auto edited = dialogs_.InputBox(title, kRunOptionPrompt, option);
  if (!edited) return false;
  option = *edited;
  return true;
}

// A wrong work folder is reported and the start still tried.  The program
// starts in its work folder; the launcher is in it only while the shell
// looks for a command given without a folder (it looks in the current
// one), and is back in its own folder before anything else happens: a
// process's current folder is in use, and could be neither removed nor
// renamed, nor its stick ejected, while the launcher runs.
void ProgramRunner::Launch(std::string_view title, const std::string& option) {
  const std::string& folder = current_.WorkDir;
  const bool entered = !folder.empty() && shell_.SetCurrentDirectory(folder);
  if (!folder.empty() && !entered && options_.report_start_errors) {
    dialogs_.MessageBox(WorkFolderErrorText(title, folder), kLaunchErrorCaption, Buttons::kOk);
  }
  int result = shell_.Open(current_.CommandLine, option, folder, current_.ShowCommand);
  if (entered) shell_.SetCurrentDirectory(launcher_folder_);
  ReportLaunchResult(result, title);
}

void ProgramRunner::ReportLaunchResult(int code, std::string_view title) {
  if (!options_.report_start_errors || code >= 32) return;
  dialogs_.MessageBox(LaunchFailureText(code, title), kLaunchErrorCaption, Buttons::kOk);
}

void ProgramRunner::WriteLinkCode() { programs_.WriteLink(loop_.RecognizedCode); }

}  // namespace fesk
