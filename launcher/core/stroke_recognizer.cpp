#include "launcher/core/stroke_recognizer.h"

#include <algorithm>

#include "common/action_code.h"

namespace fesk {

namespace {

StrokeGeometry MeasureSquare(std::span<const Point> samples, int neutral_divisor) {
  StrokeGeometry g;
  int max_x = 0, max_y = 0;
  // The box starts at the first sample, so that a movement on a monitor
  // left of or above the primary one (negative coordinates) or beyond x or y
  // 9999 measures what it covers; on one monitor this is the same box as
  // one started from max 0 and min 9999.
  if (!samples.empty()) {
    max_x = g.min_x = samples.front().x;
    max_y = g.min_y = samples.front().y;
  }
  for (const Point& p : samples) {
    max_x = std::max(max_x, p.x);
    max_y = std::max(max_y, p.y);
    g.min_x = std::min(g.min_x, p.x);
    g.min_y = std::min(g.min_y, p.y);
  }
  g.width = max_x - g.min_x;
  g.height = max_y - g.min_y;
  g.side = g.width > g.height ? g.width : g.height;
  g.centre = Point{g.min_x + g.side / 2, g.min_y + g.side / 2};
  g.inset = g.side / neutral_divisor;
  g.neutral = Rect{g.min_x + g.inset, g.min_y + g.inset, g.min_x + g.side - g.inset, g.min_y + g.side - g.inset};
  return g;
}

bool InNeutralSquare(const StrokeGeometry& g, Point p) {
  return p.x >= g.neutral.left && p.x <= g.neutral.right && p.y >= g.neutral.top && p.y <= g.neutral.bottom;
}

// A sample on either centre line belongs to no quadrant.
Quadrant QuadrantOf(const StrokeGeometry& g, Point p) {
  if (p.x == g.centre.x || p.y == g.centre.y) return kNoQuadrant;
  bool left = p.x < g.centre.x, upper = p.y < g.centre.y;
  if (upper) return left ? kUpperLeft : kUpperRight;
  return left ? kLowerLeft : kLowerRight;
}

}  // namespace

RecognizedStroke RecognizeStroke(std::span<const Point> samples, int neutral_divisor) {
  RecognizedStroke result;
  result.geometry = MeasureSquare(samples, neutral_divisor);
  Quadrant last = kNoQuadrant;
  for (const Point& p : samples) {
    if (InNeutralSquare(result.geometry, p)) continue;
    if (static_cast<int>(result.code.size()) >= kMaxCodeLetters) continue;
    Quadrant q = QuadrantOf(result.geometry, p);
    if (q == kNoQuadrant || q == last) continue;
    result.code += QuadrantLetter(q);
    last = q;
  }
  return result;
}

}  // namespace fesk
