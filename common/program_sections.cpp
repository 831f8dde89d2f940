#include "common/program_sections.h"

namespace fesk {

std::string ProgramSection(int slot) { return "CMD" + std::to_string(slot); }

}  // namespace fesk
