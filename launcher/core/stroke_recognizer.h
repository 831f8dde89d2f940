// Turns the samples of one movement into a mouse-action code.
//
// The samples' bounding box is made square from its top-left corner, a
// neutral square in its middle is ignored, and the quadrants the remaining
// samples fall into are listed in order, never the same letter twice in a
// row, at most nine letters.  Squaring from the corner (not the centre) is
// what makes a straight stroke in any of the eight directions give exactly one
// of the eight two-letter codes.
#pragma once

#include <span>
#include <string>

#include "common/geometry.h"

namespace fesk {

inline constexpr int kMaxCodeLetters = 9;

struct StrokeGeometry {
  int min_x = 9999, min_y = 9999;
  int width = 0, height = 0;  // before squaring: the loop's size test uses these
  int side = 0;
  Point centre{};
  int inset = 0;
  Rect neutral{};  // bounds included
};

struct RecognizedStroke {
  StrokeGeometry geometry;
  std::string code;
};

// neutral_divisor is 3..10 (the neutral slider keeps it so).
RecognizedStroke RecognizeStroke(std::span<const Point> samples, int neutral_divisor);

// True when the movement is large enough to be dispatched.
inline bool ExceedsMinimumMove(const StrokeGeometry& g, int minimum_move) {
  return g.width > minimum_move || g.height > minimum_move;
}

}  // namespace fesk
