// The sixteen cells of the page "ﾏｳｽACTﾄﾘｶﾞｰ": where each trigger
// combination stands, its colour and hint, and the markers on them.
#pragma once

#include <string>

#include "launcher/core/trigger_keys.h"
#include "platform/controls.h"

namespace fesk {

// "<SHIFT>+<CTRL>キーでﾏｳｽｱｸｼｮﾝを判断します" and the like.
std::string TriggerCellHint(int number);
Color TriggerCellColor(int number);

// Bounds of a cell on the trigger page; the markers stand 5 pixels below a
// cell's top at its left edge.
struct CellBounds {
  int left, top, width, height;
};
CellBounds TriggerCellBounds(int number);
void PlaceTriggerMarker(Label& marker, int number);

}  // namespace fesk
