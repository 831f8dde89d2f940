#include "editor/action_display.h"

#include <set>

#include "common/action_code.h"

namespace fesk::editor {

static constexpr char kArrow[] = "→";

DirectionLines DirectionText(std::string_view code) {
  DirectionLines lines;
  const std::size_t length = code.size();
  auto at = [&](std::size_t i) { return i <= length ? code[i - 1] : '\0'; };
  for (std::size_t i = 1; i <= 15; ++i) {
    std::string_view direction = DirectionName(at(i), at(i + 1));
    if (direction.empty()) continue;
    if (i <= 7) {
      lines.first += direction;
      // The seventh move ends the first line; the second begins with the arrow.
      if (i != 7 && length > i + 1) lines.first += kArrow;
    } else {
      if (i == 8) lines.second = kArrow;
      lines.second += direction;
      if (length > i + 1) lines.second += kArrow;
    }
  }
  return lines;
}

bool IncompleteCode(std::string_view code) {
  std::set<char> letters;
  for (std::size_t i = 0; i < code.size() && i < 15; ++i) {
    if (QuadrantOfLetter(code[i]) != kNoQuadrant) letters.insert(code[i]);
  }
  if (letters.size() < 2) return true;
  return letters == std::set<char>{'r', 'R'} || letters == std::set<char>{'L', 'R'};
}

}  // namespace fesk::editor
