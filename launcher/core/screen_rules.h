// Where a movement may start (RUN spot, black holes) and which program a
// screen corner or edge starts.
#pragma once

#include <array>

#include "common/action_code.h"
#include "common/geometry.h"

namespace fesk {

// The start rules as the dialog's fields hold them right now.  Rectangles
// include their bounds; one whose left exceeds its right contains nothing.
struct StartArea {
  bool run_spot_on = false;
  Rect run_spot{};
  bool black_holes_on = false;
  std::array<Rect, 4> black_holes{};
};

bool StartAllowed(const StartArea& area, Point start);

// Slot of the program owning the first screen position (1-8) the cursor is
// at, or 999 when none applies.
int ScreenPositionProgram(const ScreenPositionClaims& owners, Point cursor, Size screen);
// The same on a desktop of several monitors: the corners and edges are those
// of the monitor that holds the cursor, so every monitor's outer corners
// work.
int ScreenPositionProgram(const ScreenPositionClaims& owners, Point cursor, const Rect& monitor);

}  // namespace fesk
