// The text of the version page that tells which settings file the launcher
// uses: beside the programs, or in the user's own folder when theirs cannot
// be written.
#pragma once

#include <string>

#include "common/file_path.h"
#include "platform/ports.h"

namespace fesk {

// "設定ファイル:" and the path on the next line, in code page 932.  A path
// with characters code page 932 lacks is shown by its short form when it
// has one that code page 932 spells, else with "?" for each such
// character.  `paths` may be null.
std::string SettingsFileCaption(const FilePath& settings_path, PathPort* paths);

}  // namespace fesk
