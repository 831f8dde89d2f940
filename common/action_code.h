// Mouse-action codes, start-position masks and screen positions.
//
// A code lists the quadrants a movement entered: "l" upper left, "r" upper
// right, "L" lower left, "R" lower right, never two equal neighbours.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "common/geometry.h"

namespace fesk {

enum Quadrant : int { kNoQuadrant = -1, kUpperLeft = 0, kUpperRight = 1, kLowerLeft = 2, kLowerRight = 3 };

inline constexpr std::array<char, 4> kQuadrantLetters = {'l', 'r', 'L', 'R'};

char QuadrantLetter(Quadrant quadrant);
Quadrant QuadrantOfLetter(char letter);  // kNoQuadrant for any other character

// Direction name of a letter pair ("lr" gives "右"); empty when the two are not
// two different quadrant letters.
std::string_view DirectionName(char from, char to);

// The eight straight strokes, in the order of the Window-service lists
// ComboBox1 to ComboBox8.
inline constexpr std::array<std::string_view, 8> kWindowServiceCodes = {"Rl", "Ll", "Lr", "rl", "lr", "rL", "lL", "lR"};

// Index 0-7 of a Window-service code, or -1.
int WindowServiceIndex(std::string_view code);

// Value the launcher assumes for a program without ACTCODE; ends the
// dispatcher's scan.
inline constexpr char kNoActionCode[] = "NONE";

// Start-position masks: nine characters over a 3 x 3 grid, "0" forbids.
inline constexpr char kEditorRunPosDefault[] = "111111111";
inline constexpr char kLauncherRunPosDefault[] = "000000000";

// Region 0-8 (reading order) of a point, or -1 when it lies on a grid line
// (x = W div 3 or 2 (W div 3), likewise y).
int StartRegion(Point point, Size screen);

// True when the mask allows a movement that begins at the point.  A point on
// a grid line and a character missing from a short mask allow.
bool RunPosAllows(std::string_view mask, Point point, Size screen);
// The same on a monitor of a desktop of several: the grid is the monitor's.
bool RunPosAllows(std::string_view mask, Point point, const Rect& monitor);

// Screen positions "1"-"8": corners and edges in reading order.
inline constexpr int kScreenPositionCount = 8;
inline constexpr int kNoSlot = 999;

// True when the cursor condition of position 1-8 holds on the screen of the
// given size, its top-left corner at (0, 0).
bool AtScreenPosition(int position, Point cursor, Size screen);
// The same on one monitor of a desktop: its corners and edges are judged
// against its own rectangle (right and bottom just outside it).
bool AtScreenPosition(int position, Point cursor, const Rect& monitor);

// Position 1-8 named by a DISPLAYPOS text, or 0.
int ScreenPositionOfText(std::string_view displaypos);

// Owners of the eight positions: the lowest-numbered program naming each.
class ScreenPositionClaims {
 public:
  ScreenPositionClaims() { slots_.fill(kNoSlot); }
  void Clear() { slots_.fill(kNoSlot); }
  void Claim(std::string_view displaypos, int slot);
  int Owner(int position) const { return slots_[static_cast<std::size_t>(position - 1)]; }

 private:
  std::array<int, kScreenPositionCount> slots_{};
};

}  // namespace fesk
