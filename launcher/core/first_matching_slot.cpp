#include "launcher/core/first_matching_slot.h"

#include "common/action_code.h"

namespace fesk {

std::optional<int> FirstMatchingSlot(std::string_view code, const ProgramTables& tables, const StartMaskCheck& allows,
                                     int from_slot) {
  if (code.empty()) return std::nullopt;
  for (int slot = from_slot; slot < tables.ProgramCount; ++slot) {
    const std::string& slot_code = tables.ActionCodes[static_cast<std::size_t>(slot)];
    if (slot_code == kNoActionCode) break;
    if (slot_code == code && allows(slot)) return slot;
  }
  return std::nullopt;
}

}  // namespace fesk
