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

// A wrong work folder is reported and the start still tried.
void ProgramRunner::Launch(std::string_view title, const std::string& option) {
  const std::string& folder = current_.WorkDir;
  if (!folder.empty() && !shell_.SetCurrentDirectory(folder) && options_.report_start_errors) {
    dialogs_.MessageBox(WorkFolderErrorText(title, folder), kLaunchErrorCaption, Buttons::kOk);
  }
  int result = shell_.Open(current_.CommandLine, option, folder, current_.ShowCommand);
  ReportLaunchResult(result, title);
}

void ProgramRunner::ReportLaunchResult(int code, std::string_view title) {
  if (!options_.report_start_errors || code >= 32) return;
  dialogs_.MessageBox(LaunchFailureText(code, title), kLaunchErrorCaption, Buttons::kOk);
}

void ProgramRunner::WriteLinkCode() { programs_.WriteLink(loop_.RecognizedCode); }

}  // namespace fesk
