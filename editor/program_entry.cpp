#include "editor/program_entry.h"

#include <charconv>

#include "common/cp932.h"

namespace fesk::editor {

std::size_t FieldWidth(EntryField field) {
  for (const FieldInfo& info : kProgramFields) {
    if (info.member == field) return info.width;
  }
  return 0;
}

void SetField(ProgramEntry& entry, EntryField field, std::string_view value) {
  entry.*field = std::string(cp932::CutToBytes(value, FieldWidth(field)));
}

std::string ListItemText(int number, std::string_view title) {
  std::string text = std::to_string(number);
  if (text.size() < 4) text.append(4 - text.size(), ' ');
  text += title;
  return text;
}

int ListItemNumber(std::string_view item) {
  std::string_view digits = item.substr(0, 3);
  while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
  while (!digits.empty() && digits.back() == ' ') digits.remove_suffix(1);
  int number = -1;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) return -1;
  return number;
}

std::string ListItemNumberField(std::string_view item) { return std::string(item.substr(0, 4)); }

}  // namespace fesk::editor
