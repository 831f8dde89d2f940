// Paths of files dropped on a window.
#pragma once

#include <string>
#include <vector>

#include "common/file_path.h"
#include "platform/win32/windows_api.h"

namespace fesk::win32 {

// Every path of the drop, whole however long (a path cut short names another
// file), in the order the shell lists them; releases the drop.  The paths are as Windows spells them; what of them can
// be stored is for the program to decide.
std::vector<FilePath> TakeDroppedPaths(HDROP drop);

}  // namespace fesk::win32
