// The sixteen trigger combinations and the six keys the loop polls for each.
//
// A trigger is held when keys 1 and 2 are held and keys 3 to 6 are not; its
// keys are released when none of the six is held.  Key 0 is "no key".
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/ports.h"

namespace fesk {

inline constexpr int kTriggerCount = 16;

using TriggerKeys = std::array<int, 6>;

// Legend colour of a cell on the trigger page.
enum class TriggerDifficulty { kEasy, kComplex, kMisfireProne, kMiddleButton };

struct TriggerCombination {
  TriggerKeys keys;
  std::string_view shape;          // name of the cell on the trigger page
  std::string_view first, second;  // key names for the hint; second empty for one key
  int column, row;                 // place in the grid; the middle button has its own cell
  TriggerDifficulty difficulty;
};

extern const std::array<TriggerCombination, kTriggerCount> kTriggerCombinations;

// Key set of trigger number 0-15 (all "no key" for any other number).
TriggerKeys TriggerKeysFor(int number);

bool TriggerHeld(InputPort& input, const TriggerKeys& keys);
bool TriggerKeysReleased(InputPort& input, const TriggerKeys& keys);

}  // namespace fesk
