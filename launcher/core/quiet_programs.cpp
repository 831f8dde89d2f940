#include "launcher/core/quiet_programs.h"

#include <algorithm>

#include "common/cp932.h"

namespace fesk {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Blanks are single bytes below 0x40, so they are never the trail byte of a
// double-byte character and may be cut from either end byte by byte.
std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::string_view ProgramFileName(std::string_view path) {
  std::size_t start = 0;
  for (std::size_t pos = 0; pos < path.size(); pos += cp932::CharLength(path, pos)) {
    if (path[pos] == '\\' || path[pos] == '/') start = pos + 1;
  }
  return path.substr(start);
}

QuietProgramList QuietProgramList::Parse(std::string_view value) {
  QuietProgramList list;
  for (const std::string& item : cp932::Split(value, kQuietProgramSeparator)) {
    std::string_view name = Trimmed(item);
    if (!name.empty()) list.names_.emplace_back(name);
  }
  return list;
}

std::string QuietProgramList::ToValue() const {
  std::string value;
  for (const std::string& name : names_) {
    if (!value.empty()) value += kQuietProgramSeparator;
    value += name;
  }
  return value;
}

bool QuietProgramList::Add(std::string_view name_or_path) {
  std::string_view name = Trimmed(ProgramFileName(Trimmed(name_or_path)));
  if (name.empty() || cp932::Find(name, kQuietProgramSeparator) != std::string_view::npos || Lists(name)) {
    return false;
  }
  names_.emplace_back(name);
  return true;
}

bool QuietProgramList::Remove(std::string_view name) {
  auto found = std::find(names_.begin(), names_.end(), name);
  if (found == names_.end()) return false;
  names_.erase(found);
  return true;
}

// A name stored with its folder (written into the file by hand) still
// matches by its file name.
bool QuietProgramList::Lists(std::string_view program_file) const {
  std::string_view wanted = ProgramFileName(program_file);
  if (wanted.empty()) return false;
  return std::any_of(names_.begin(), names_.end(), [wanted](const std::string& name) {
    return cp932::EqualsIgnoreAsciiCase(ProgramFileName(name), wanted);
  });
}

bool QuietOverListedProgram(const QuietProgramList& list, ForegroundPort* foreground) {
  if (list.empty() || foreground == nullptr) return false;
  std::optional<ForegroundFacts> facts = foreground->Facts();
  return facts && list.Lists(facts->program_file);
}

}  // namespace fesk
