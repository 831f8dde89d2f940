// Which viewer F1 hands the programs' help to.
//
// The WinHelp file "Fesk.hlp" beside the programs needs the WinHelp viewer.
// Windows 6.0 (Vista) and later have none: the winhlp32.exe in their
// Windows folder is a stub that only says that Help is not supported.  So
// the HTML help "Fesk.html" is opened there, whatever lies beside the
// programs; only an older Windows with both the file and the viewer shows
// the WinHelp file.
#pragma once

namespace fesk {

enum class HelpViewer { kWinHelp, kHtml };

struct HelpFacts {
  int windows_major_version = 0;
  bool winhelp_file_beside = false;
  bool winhelp_viewer_present = false;  // winhlp32.exe in the Windows folder
};

inline HelpViewer ChooseHelpViewer(const HelpFacts& facts) {
  const bool winhelp = facts.windows_major_version < 6 && facts.winhelp_file_beside && facts.winhelp_viewer_present;
  return winhelp ? HelpViewer::kWinHelp : HelpViewer::kHtml;
}

}  // namespace fesk
