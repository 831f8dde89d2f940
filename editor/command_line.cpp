#include "editor/command_line.h"

namespace fesk::editor {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' ' && c != '\0'; }

// Reads one parameter from pos on; false when only blanks are left.  Lead
// and trail bytes of double-byte characters are all above the blank and the
// quote, so the bytes can be scanned one by one.
bool NextParameter(std::string_view line, std::size_t& pos, std::string& out) {
  for (;;) {
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
    // An empty pair of quotes on its own is skipped, not an empty parameter.
    if (pos + 1 < line.size() && line[pos] == '"' && line[pos + 1] == '"') {
      pos += 2;
      continue;
    }
    break;
  }
  if (pos >= line.size() || line[pos] == '\0') return false;
  out.clear();
  while (pos < line.size() && line[pos] != '\0' && !IsBlank(line[pos])) {
    if (line[pos] == '"') {
      ++pos;
      while (pos < line.size() && line[pos] != '"' && line[pos] != '\0') out += line[pos++];
      if (pos < line.size() && line[pos] == '"') ++pos;
    } else {
      out += line[pos++];
    }
  }
  return true;
}

}  // namespace

std::vector<std::string> CommandLineParameters(std::string_view command_line) {
  std::vector<std::string> parameters;
  std::size_t pos = 0;
  std::string parameter;
  if (!NextParameter(command_line, pos, parameter)) return parameters;  // program name
  while (NextParameter(command_line, pos, parameter)) parameters.push_back(parameter);
  return parameters;
}

}  // namespace fesk::editor
