#include "launcher/core/screen_rules.h"

namespace fesk {

namespace {

bool Contains(const Rect& r, Point p) { return r.left <= p.x && p.x <= r.right && r.top <= p.y && p.y <= r.bottom; }

}  // namespace

bool StartAllowed(const StartArea& area, Point start) {
  if (area.run_spot_on && !Contains(area.run_spot, start)) return false;
  if (area.black_holes_on) {
    for (const Rect& hole : area.black_holes) {
      if (Contains(hole, start)) return false;
    }
  }
  return true;
}

int ScreenPositionProgram(const ScreenPositionClaims& owners, Point cursor, Size screen) {
  return ScreenPositionProgram(owners, cursor, Rect{0, 0, screen.width, screen.height});
}

int ScreenPositionProgram(const ScreenPositionClaims& owners, Point cursor, const Rect& monitor) {
  for (int position = 1; position <= kScreenPositionCount; ++position) {
    int slot = owners.Owner(position);
    if (slot != kNoSlot && AtScreenPosition(position, cursor, monitor)) return slot;
  }
  return kNoSlot;
}

}  // namespace fesk
