// The launcher's own task-tray icon (id 0) and the removal of the
// per-program icons (ids 1 to TrayProgramIconCount).
#pragma once

#include "common/version.h"
#include "launcher/core/loop_state.h"
#include "launcher/core/program_tables.h"
#include "platform/ports.h"

namespace fesk {

inline constexpr char kTrayTip[] = "FESK " FESK_VERSION_TEXT;
inline constexpr int kOwnTrayIcon = 0;

class TrayIcons {
 public:
  TrayIcons(TrayPort& tray, const LoopState& loop, const ProgramTables& tables)
      : tray_(tray), loop_(loop), tables_(tables) {}

  void TrayIconAdd();
  void TrayIconRemove();
  void TrayProgramIconsRemove();
  // Back to the ordinary picture, or the run-option picture while that mode
  // is on.
  void TrayIconRestore();
  // Progress frames 1-5 while a mouse action is being recorded.
  void TrayIconFrame(int frame);

 private:
  TrayPort& tray_;
  const LoopState& loop_;
  const ProgramTables& tables_;
};

}  // namespace fesk
