// The programs of the windows open now, for the user to pick one to leave
// alone instead of typing its file name.
#pragma once

#include <string>
#include <vector>

namespace fesk {

class OpenProgramsPort {
 public:
  virtual ~OpenProgramsPort() = default;
  // The file names, without their folders, of the programs that own a
  // visible top-level window, each once, code page 932; a program whose
  // name cannot be asked or spelt is left out.
  virtual std::vector<std::string> ProgramFiles() = 0;
};

}  // namespace fesk
