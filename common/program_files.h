// The file names of the programs and of the files they share, in one place.
// Each is spelt as its callers name it; the file system ignores case.
#pragma once

#include "common/version.h"

namespace fesk {

inline constexpr char kVersionText[] = FESK_VERSION_TEXT;

inline constexpr char kSettingsFileName[] = "Fesk.Ini";
inline constexpr char kGroupTableFileName[] = "FESK.TBL";
inline constexpr char kHelpFileName[] = "Fesk.hlp";       // the WinHelp file both programs name
inline constexpr char kHelpDocumentName[] = "Fesk.html";  // shown where WinHelp cannot be

// The editor, as the launcher starts it: by its command lines and for a
// dropped file, and by the Window service "FESKﾌﾟﾛｸﾞﾗﾑ登録".
inline constexpr char kEditorFileName[] = "FESKINI.EXE";
inline constexpr char kEditorServiceFileName[] = "FeskIni.exe";
// The icon palette program, as the launcher starts it and as the editor
// registers it.
inline constexpr char kPaletteFileName[] = "FeskPal.exe";
inline constexpr char kPaletteRegisteredName[] = "FESKPAL.EXE";

}  // namespace fesk
