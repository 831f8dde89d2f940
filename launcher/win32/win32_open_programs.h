// The programs of the visible top-level windows, through the window
// manager.
#pragma once

#include "platform/open_programs.h"

namespace fesk::win32 {

class Win32OpenPrograms : public OpenProgramsPort {
 public:
  std::vector<std::string> ProgramFiles() override;
};

}  // namespace fesk::win32
