// The programs of the open windows, as a test sets them.
#pragma once

#include "platform/open_programs.h"

namespace fesk::fake {

struct FakeOpenPrograms : OpenProgramsPort {
  std::vector<std::string> files;
  int asked = 0;

  std::vector<std::string> ProgramFiles() override {
    ++asked;
    return files;
  }
};

}  // namespace fesk::fake
