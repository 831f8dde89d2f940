// The preview of one movement, driven by the sensing loop: on each tick that
// took a sample of a recorded movement past the minimum move it tells the
// preview port what a release would start now, and takes it away at the
// release or when the movement is dropped.  Idle ticks never reach it.
#pragma once

#include <functional>
#include <optional>

#include "launcher/core/dispatcher.h"
#include "launcher/core/launcher_options.h"
#include "launcher/core/loop_state.h"
#include "launcher/core/preview_port.h"
#include "launcher/core/program_store.h"
#include "launcher/core/program_tables.h"
#include "launcher/core/release_preview.h"

namespace fesk {

class MovementPreview {
 public:
  // `quiet` is the loop's rule for the program in front, asked once per
  // movement; `port` may be null (no preview window).
  MovementPreview(const LauncherOptions& options, const LoopState& loop, const ProgramTables& tables,
                  ProgramStore& programs, Dispatcher& dispatcher, PreviewPort* port, std::function<bool()> quiet);
  MovementPreview(const MovementPreview&) = delete;
  MovementPreview& operator=(const MovementPreview&) = delete;

  // A tick of a held trigger that took a sample at the cursor.
  void SampleTaken(Point cursor);
  // The release, or a movement dropped: the window goes if it was shown.
  void End();

 private:
  bool QuietForThisMovement();

  const LauncherOptions& options_;
  const LoopState& loop_;
  PreviewPort* port_;
  std::function<bool()> quiet_rule_;
  ReleasePreview preview_;
  PreviewTracker tracker_;
  // The quiet rule's answer for the movement in progress, once asked.
  std::optional<bool> quiet_;
};

}  // namespace fesk
