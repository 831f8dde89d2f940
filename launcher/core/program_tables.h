// What the launcher keeps of the registered programs between loads: the
// tables the sensing loop reads on every tick.  Everything else about a
// program is read from the settings file when it is started.
#pragma once

#include <array>
#include <string>

#include "common/action_code.h"
#include "common/program_sections.h"
#include "launcher/core/hotkey_entry.h"

namespace fesk {

struct ProgramTables {
  // Entries 0 to ProgramCount - 1 are meaningful after a load.
  std::array<std::string, kMaxPrograms> ActionCodes;
  std::array<std::string, kMaxPrograms> ProgramTitles;
  std::array<HotKeyEntry, kMaxPrograms> HotKeyTable;
  int ProgramCount = 0;
  ScreenPositionClaims ScreenPositionSlots;
  // Slot of each per-program tray icon by its id 1-100 (entry 0 unused; 999
  // for an id that has no icon).
  std::array<int, kMaxPrograms + 1> TrayIconProgram;
  int TrayProgramIconCount = 0;

  ProgramTables() { TrayIconProgram.fill(kNoSlot); }
};

}  // namespace fesk
