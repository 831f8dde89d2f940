#include "launcher/core/hotkey_entry.h"

namespace fesk {

HotKeyEntry MakeHotKeyEntry(ShortCut shortcut) {
  HotKeyEntry entry;
  int key = shortcut & kShortCutKeyMask;
  bool ctrl = (shortcut & kShortCutCtrl) != 0;
  bool alt = (shortcut & kShortCutAlt) != 0;
  if (key == 0 || (!ctrl && !alt)) return entry;
  auto state = [](bool held) { return held ? ModifierState::kHeld : ModifierState::kReleased; };
  entry.key = key;
  entry.modifiers[0].state = state(ctrl);
  entry.modifiers[1].state = state((shortcut & kShortCutShift) != 0);
  entry.modifiers[2].state = state(alt);
  return entry;
}

bool ModifiersInState(InputPort& input, const HotKeyEntry& entry) {
  for (const ModifierRequirement& m : entry.modifiers) {
    bool held = input.KeyHeld(m.key);
    if (held != (m.state == ModifierState::kHeld)) return false;
  }
  return true;
}

// The modifiers first: they are the same three keys for every entry, so a
// scan reads (through the loop's key snapshot) only the keys of the entries
// whose modifiers are in state.
bool HotKeyPressed(InputPort& input, const HotKeyEntry& entry) {
  return entry.key != kNoSlot && ModifiersInState(input, entry) && input.KeyHeld(entry.key);
}

}  // namespace fesk
