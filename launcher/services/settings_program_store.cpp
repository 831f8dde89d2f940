#include "launcher/services/settings_program_store.h"

#include "common/action_code.h"
#include "common/program_files.h"
#include "common/program_sections.h"
#include "common/settings_file.h"
#include "launcher/core/launch_texts.h"

namespace fesk {

CurrentProgram SettingsFileProgramStore::Program(int slot) {
  const SettingsFile file(settings_path_);
  const std::string section = ProgramSection(slot);
  CurrentProgram program;
  program.CommandLine = file.ReadString(section, key::kCmdLine, "");
  program.ShowCommand = ShowCommandOf(file.ReadString(section, key::kCmdShow, ""));
  program.Option = file.ReadString(section, key::kOption, "");
  program.WorkDir = file.ReadString(section, key::kWorkDir, "");
  program.Title = file.ReadString(section, key::kDiscription, kUntitled);
  return program;
}

std::string SettingsFileProgramStore::Title(int slot) {
  return SettingsFile(settings_path_).ReadString(ProgramSection(slot), key::kDiscription, kUntitled);
}

std::string SettingsFileProgramStore::RunPos(int slot) {
  return SettingsFile(settings_path_).ReadString(ProgramSection(slot), key::kRunPos, kLauncherRunPosDefault);
}

void SettingsFileProgramStore::WriteLink(std::string_view code) {
  SettingsFile file(settings_path_);
  file.WriteString(kSystemSection, kLinkKey, code);
}

}  // namespace fesk
