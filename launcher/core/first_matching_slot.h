// The one scan that decides which registered program a movement starts: the
// dispatcher runs it at the release, the release preview while the trigger
// is still held, so the two can never disagree.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "launcher/core/program_tables.h"

namespace fesk {

// Whether the slot's start-position mask allows where the movement began.
// It may read the settings file, so the scan asks it last and only for a
// slot whose code matches.
using StartMaskCheck = std::function<bool(int slot)>;

// The first slot at or after from_slot, in ascending order, whose ACTCODE is
// the code and whose mask allows the start.  A slot without a code ("NONE")
// ends the scan; an empty code matches nothing.  The confirmation mode asks
// again from the slot after one the user declined.
std::optional<int> FirstMatchingSlot(std::string_view code, const ProgramTables& tables, const StartMaskCheck& allows,
                                     int from_slot = 0);

}  // namespace fesk
