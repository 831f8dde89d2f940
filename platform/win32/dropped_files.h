// Paths of files dropped on a window.
#pragma once

#include <string>
#include <vector>

#include "platform/win32/windows_api.h"

namespace fesk::win32 {

// Every path of the drop, whole however long (a path cut short names another
// file), in the order the shell lists them, as code-page-932 text; releases
// the drop.
std::vector<std::string> TakeDroppedPaths(HDROP drop);

}  // namespace fesk::win32
