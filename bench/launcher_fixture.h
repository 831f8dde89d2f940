// The launcher the native figures drive: headless on the platform doubles,
// created as at start-up on a settings file of 100 programs, each with a
// code and a start mask; the code "lr" belongs to the last one.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/headless_launcher.h"

namespace fesk::bench {

// The first `shortcuts` programs have a shortcut key (Ctrl+Alt+F1 to F24 in
// turn), the others none.  Screen positions are on.
inline std::string WriteLauncherSettings(int shortcuts) {
  std::string path =
      (std::filesystem::temp_directory_path() / ("fesk-launcher-bench-" + std::to_string(shortcuts) + ".ini")).string();
  std::ofstream out(path, std::ios::binary);
  out << "[SYSTEM]\r\nTRIGGER3=1\r\n";
  for (int slot = 0; slot < 100; ++slot) {
    out << "[CMD" << slot << "]\r\nDISCRIPTION=Program " << slot << "\r\nCMDLINE=C:\\p\\" << slot
        << ".exe\r\nCMDSHOW=SW_SHOW\r\nWORKDIR=\r\nOPTION=\r\nACTCODE=" << (slot == 99 ? "lr" : "lRlRl")
        << "\r\nRUNPOS=111111111\r\nHOTKEY=";
    if (slot < shortcuts) out << "Ctrl+Alt+F" << (slot % 24 + 1);
    out << "\r\nDISPLAYPOS=" << (slot % 9) << "\r\n";
  }
  return path;
}

struct Launcher : fesk::testing::HeadlessLauncher {
  explicit Launcher(int shortcuts) : HeadlessLauncher(WriteLauncherSettings(shortcuts)) { form.FormCreate(); }
};

}  // namespace fesk::bench
