// The registered programs as the settings file "Fesk.Ini" holds them: each
// question opens the file anew.
#pragma once

#include "common/file_path.h"
#include "launcher/core/program_store.h"

namespace fesk {

class SettingsFileProgramStore : public ProgramStore {
 public:
  explicit SettingsFileProgramStore(FilePath settings_path) : settings_path_(std::move(settings_path)) {}

  CurrentProgram Program(int slot) override;
  std::string Title(int slot) override;
  std::string RunPos(int slot) override;
  void WriteLink(std::string_view code) override;

 private:
  FilePath settings_path_;
};

}  // namespace fesk
