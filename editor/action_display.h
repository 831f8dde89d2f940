// How the mouse-action page describes a code: the chain of direction names
// on two lines and the test for codes that cannot be a useful gesture.
#pragma once

#include <string>
#include <string_view>

namespace fesk::editor {

struct DirectionLines {
  std::string first;   // up to seven directions joined by "→"
  std::string second;  // "→" and the 8th to 15th directions
  friend bool operator==(const DirectionLines&, const DirectionLines&) = default;
};

// Names the moves between characters 1 to 16 of the code.
DirectionLines DirectionText(std::string_view code);

// True when characters 1 to 15 hold fewer than two different quadrant
// letters, or exactly the letters "r" and "R", or exactly "L" and "R".
bool IncompleteCode(std::string_view code);

}  // namespace fesk::editor
