// Help for F1.  Both programs name the WinHelp file "Fesk.hlp" beside them;
// Windows since 6.0 has no WinHelp viewer, so there (platform/help_viewer.h)
// the HTML help "Fesk.html" beside the programs is opened in the browser at
// the section of the help context ("Fesk.html#context-24").
#pragma once

#include "common/file_path.h"
#include "common/program_files.h"

#include <string>

#include "platform/win32/windows_api.h"

namespace fesk::win32 {

// The address the HTML help is opened at for a help context.
std::wstring HelpAddress(const FilePath& folder, int context);

void ShowHelp(HWND owner, const std::string& help_file_name, int context);

// The control F1 was pressed in, from a WM_HELP message's parameter.
HWND HelpRequestWindow(LPARAM help_info);

}  // namespace fesk::win32
