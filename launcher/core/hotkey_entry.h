// One program's shortcut key as the sensing loop polls it: a key code and,
// for Ctrl, Shift and Alt, whether each must be held or must be released.
#pragma once

#include <array>

#include "common/action_code.h"
#include "common/hotkey_text.h"
#include "platform/ports.h"

namespace fesk {

enum class ModifierState { kHeld = 0, kReleased = 1 };

struct ModifierRequirement {
  int key;
  ModifierState state;
  bool operator==(const ModifierRequirement&) const = default;
};

struct HotKeyEntry {
  int key = kNoSlot;  // 999: no shortcut
  // Ctrl, Shift, Alt in that order.
  std::array<ModifierRequirement, 3> modifiers = {{{vk::kControl, ModifierState::kReleased},
                                                   {vk::kShift, ModifierState::kReleased},
                                                   {vk::kAlt, ModifierState::kReleased}}};
  bool operator==(const HotKeyEntry&) const = default;
};

// The entry of a shortcut value.  Without Ctrl or Alt (Shift alone, or no
// modifier at all) a key would fire while the user types, so such a shortcut,
// like the empty one, gets no key.  Every entry with a key therefore needs
// Ctrl or Alt held, which lets the sensing loop skip its scan while neither
// is.
HotKeyEntry MakeHotKeyEntry(ShortCut shortcut);

bool ModifiersInState(InputPort& input, const HotKeyEntry& entry);

// Key held and every modifier in its required state.
bool HotKeyPressed(InputPort& input, const HotKeyEntry& entry);

}  // namespace fesk
