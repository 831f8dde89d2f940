// The file operations that decide where the settings files live
// (common/settings_place.h), on Win32.
#pragma once

#include "common/settings_place.h"

namespace fesk::win32 {

class Win32SettingsFolders : public SettingsFolderPort {
 public:
  bool CanCreateFilesIn(const FilePath& folder) override;
  std::optional<FilePath> UserSettingsRoot() override;
  bool MakeFolder(const FilePath& folder) override;
  bool FileExists(const FilePath& path) override;
  bool CopyToNew(const FilePath& from, const FilePath& to) override;
};

// Where the settings files of the programs in `program_folder` live.
SettingsPlace SettingsPlaceFor(const FilePath& program_folder);

}  // namespace fesk::win32
