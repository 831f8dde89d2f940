// The two bundles the launcher's engine is built from besides its state:
// what it reads (EnginePorts) and what it causes (EngineEffects).  The
// program builds them from the Win32 layer; a test from fakes.
#pragma once

#include <functional>

#include "common/file_path.h"
#include "launcher/core/preview_port.h"
#include "launcher/core/program_store.h"
#include "launcher/core/tray_icons.h"
#include "launcher/core/window_service_runner.h"
#include "platform/ports.h"

namespace fesk {

// What the loop tells the windows: a movement was recognised (the transfer
// button is enabled from then on), and the trail is to be drawn in the popup.
struct SensingView {
  std::function<void()> movement_recognized;
  std::function<void()> show_trail;
};

struct EnginePorts {
  InputPort& input;
  ClockPort& clock;
  // The registered programs' launch keys, read at each start.
  ProgramStore& programs;
  // The sensing timer whose ticks call SensingTick; the loop pauses it while
  // a block works (see SensingLoop::SensingTick).
  Timer& timer;
  // The window in front, for the quiet over full-screen programs; without
  // it no program counts as full-screen.
  ForegroundPort* foreground = nullptr;
};

struct EngineEffects {
  ShellPort& shell;
  DialogPort& dialogs;
  TrayIcons& tray;
  WindowServiceRunner& services;
  // The launcher's folder, ending in a backslash: the palette program is
  // found there.
  FilePath launcher_folder;
  SensingView view;
  // What a release would start, shown while the trigger is held; without it
  // nothing is shown.
  PreviewPort* preview = nullptr;
};

}  // namespace fesk
