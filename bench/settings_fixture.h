// A settings file with the launcher's SYSTEM section and 100 full program
// sections, and the reads a program load makes of it.
#pragma once

#include <string>

#include "common/program_sections.h"

namespace fesk::bench {

inline std::string HundredProgramsFile() {
  std::string text = "[SYSTEM]\r\nMODE=0\r\nSELECTKEY=1\r\nWINSELECTKEY=6\r\nRUN=OFF\r\n";
  for (const char* key : {"RUNX1", "RUNY1", "RUNX2", "RUNY2", "NUTRAL", "SENMIN", "INTERVAL"}) {
    text += std::string(key) + "=10\r\n";
  }
  text += "HINT=ON\r\n[FESKIN]\r\nHINT=ON\r\n";
  for (int slot = 0; slot < kMaxPrograms; ++slot) {
    std::string n = std::to_string(slot);
    text += "[" + ProgramSection(slot) + "]\r\n";
    text += "DISCRIPTION=プログラム" + n + "\r\nCMDLINE=C:\\Program Files\\App" + n + "\\app.exe\r\n";
    text += "CMDSHOW=SW_SHOW\r\nTASKTRAY=\r\nWORKDIR=C:\\Program Files\\App" + n + "\\\r\n";
    text += "OPTION=/x " + n + "\r\nACTCODE=lrL\r\nRUNPOS=111111111\r\nHOTKEY=Ctrl+Alt+A\r\n";
    text += "GROUP=FESK\\ツール\r\nDISPLAYPOS=\r\n";
  }
  return text;
}

// The keys the launcher reads at load: SYSTEM's options, then per program
// the end-of-list test, position, code, title, tray flag and shortcut.
inline constexpr const char* kSystemKeys[] = {
    "MODE",        "SELECTKEY",   "WINSELECTKEY", "NUTRAL",      "SENMIN",      "INTERVAL",    "RUN",
    "RUNX1",       "RUNY1",       "RUNX2",        "RUNY2",       "HOOL",        "HOOL1X1",     "HOOL1Y1",
    "HOOL1X2",     "HOOL1Y2",     "HOOL2X1",      "HOOL2Y1",     "HOOL2X2",     "HOOL2Y2",     "HOOL3X1",
    "HOOL3Y1",     "HOOL3X2",     "HOOL3Y2",      "HOOL4X1",     "HOOL4Y1",     "HOOL4X2",     "HOOL4Y2",
    "LINKFLG",     "PRGERRMSG",   "ACTERRMSG",    "RUNOPTION",   "TRIGGER1",    "TRIGGER2",    "TRIGGER3",
    "TRIGGER4",    "TRIGGER5",    "WinService1",  "WinService2", "WinService3", "WinService4", "WinService5",
    "WinService6", "WinService7", "WinService8",  "SYSTEMICON",  "HINT"};
inline constexpr const char* kProgramKeys[] = {"DISCRIPTION", "CMDLINE",  "DISPLAYPOS", "ACTCODE",
                                               "DISCRIPTION", "TASKTRAY", "HOTKEY"};

// Reads everything a load reads through `read(section, key)`; returns the
// total length read so that the work cannot be optimised away.
template <typename Read>
std::size_t ReadLikeALoad(Read&& read) {
  std::size_t total = 0;
  for (const char* key : kSystemKeys) total += read(kSystemSection, key).size();
  for (int slot = 0; slot < kMaxPrograms; ++slot) {
    std::string section = ProgramSection(slot);
    for (const char* key : kProgramKeys) total += read(section.c_str(), key).size();
  }
  return total;
}

}  // namespace fesk::bench
