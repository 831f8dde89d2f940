#include "launcher/services/auto_start.h"

#include "common/cp932.h"

namespace fesk {

std::string AutoStartCommand(const FilePath& program_path) { return "\"" + program_path.utf8 + "\""; }

bool AutoStartNames(std::string_view command, const FilePath& program_path) {
  if (program_path.empty()) return false;
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!command.empty() && blank(command.front())) command.remove_prefix(1);
  while (!command.empty() && blank(command.back())) command.remove_suffix(1);
  if (command.size() >= 2 && command.front() == '"' && command.back() == '"') {
    command = command.substr(1, command.size() - 2);
  }
  // UTF-8 has no trail byte that could be taken for an ASCII letter.
  return cp932::EqualsIgnoreAsciiCase(command, program_path.utf8);
}

}  // namespace fesk
