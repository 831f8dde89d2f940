// The shortcut text of HOTKEY ("Shift+Ctrl+Alt+F5", "^A") and the 16-bit
// shortcut value it stands for: a virtual-key code in the low 13 bits and
// 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace fesk {

using ShortCut = std::uint16_t;

inline constexpr ShortCut kShortCutShift = 0x2000;
inline constexpr ShortCut kShortCutCtrl = 0x4000;
inline constexpr ShortCut kShortCutAlt = 0x8000;
inline constexpr ShortCut kShortCutKeyMask = 0x1FFF;

// Names of keys that only the keyboard layout knows (";", "@", ...).  The
// Win32 layer answers with GetKeyNameTextA; a name is used only when it is
// exactly one character.
class KeyNameSource {
 public:
  virtual ~KeyNameSource() = default;
  virtual std::string KeyName(int virtual_key) const = 0;
};

// "Shift+", "Ctrl+", "Alt+" in that order, then the key's name; empty when
// the key has no name.
std::string ShortCutToText(ShortCut shortcut, const KeyNameSource* layout);

// Prefixes "Shift+", "Ctrl+", "^", "Alt+" in any order and case, then a key
// name compared without regard to case ("^" at the end is a key name); 0
// when the text names no key.  A name that a keypad key shares with a key
// of the main keyboard (the digits, "/") reads as the main keyboard's key.
ShortCut TextToShortCut(std::string_view text, const KeyNameSource* layout);

}  // namespace fesk
