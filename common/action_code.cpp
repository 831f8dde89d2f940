#include "common/action_code.h"

namespace fesk {

char QuadrantLetter(Quadrant quadrant) {
  return quadrant == kNoQuadrant ? '\0' : kQuadrantLetters[static_cast<std::size_t>(quadrant)];
}

Quadrant QuadrantOfLetter(char letter) {
  for (std::size_t q = 0; q < kQuadrantLetters.size(); ++q) {
    if (kQuadrantLetters[q] == letter) return static_cast<Quadrant>(q);
  }
  return kNoQuadrant;
}

std::string_view DirectionName(char from, char to) {
  struct Pair {
    char from, to;
    std::string_view name;
  };
  static constexpr Pair kPairs[] = {
      {'l', 'r', "右"}, {'l', 'R', "右下"}, {'l', 'L', "下"}, {'r', 'l', "左"},   {'r', 'R', "下"}, {'r', 'L', "左下"},
      {'L', 'l', "上"}, {'L', 'r', "右上"}, {'L', 'R', "右"}, {'R', 'l', "左上"}, {'R', 'r', "上"}, {'R', 'L', "左"},
  };
  for (const Pair& pair : kPairs) {
    if (pair.from == from && pair.to == to) return pair.name;
  }
  return {};
}

int WindowServiceIndex(std::string_view code) {
  for (std::size_t i = 0; i < kWindowServiceCodes.size(); ++i) {
    if (kWindowServiceCodes[i] == code) return static_cast<int>(i);
  }
  return -1;
}

// Column or row 0-2 of a coordinate, -1 on a grid line.  Points beyond the
// primary screen (other monitors) fall into the outer bands.
static int GridBand(int value, int extent) {
  int third = extent / 3;
  if (value < third) return 0;
  if (value == third) return -1;
  if (value < 2 * third) return 1;
  if (value == 2 * third) return -1;
  return 2;
}

int StartRegion(Point point, Size screen) {
  int column = GridBand(point.x, screen.width);
  int row = GridBand(point.y, screen.height);
  if (column < 0 || row < 0) return -1;
  return row * 3 + column;
}

bool RunPosAllows(std::string_view mask, Point point, Size screen) {
  int region = StartRegion(point, screen);
  if (region < 0 || static_cast<std::size_t>(region) >= mask.size()) return true;
  return mask[static_cast<std::size_t>(region)] != '0';
}

bool RunPosAllows(std::string_view mask, Point point, const Rect& monitor) {
  return RunPosAllows(mask, Point{point.x - monitor.left, point.y - monitor.top},
                      Size{monitor.right - monitor.left, monitor.bottom - monitor.top});
}

bool AtScreenPosition(int position, Point c, Size s) {
  return AtScreenPosition(position, c, Rect{0, 0, s.width, s.height});
}

bool AtScreenPosition(int position, Point c, const Rect& m) {
  bool left = c.x == m.left, right = c.x + 1 == m.right;
  bool top = c.y == m.top, bottom = c.y + 1 == m.bottom;
  switch (position) {
    case 1: return left && top;
    case 2: return top && !left && !right;
    case 3: return top && right;
    case 4: return left && !top && !bottom;
    case 5: return right && !top && !bottom;
    case 6: return left && bottom;
    case 7: return bottom && !left && !right;
    case 8: return right && bottom;
    default: return false;
  }
}

int ScreenPositionOfText(std::string_view displaypos) {
  if (displaypos.size() == 1 && displaypos[0] >= '1' && displaypos[0] <= '8') {
    return displaypos[0] - '0';
  }
  return 0;
}

void ScreenPositionClaims::Claim(std::string_view displaypos, int slot) {
  int position = ScreenPositionOfText(displaypos);
  if (position != 0 && Owner(position) == kNoSlot) slots_[static_cast<std::size_t>(position - 1)] = slot;
}

}  // namespace fesk
