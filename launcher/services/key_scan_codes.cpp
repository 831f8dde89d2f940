#include "launcher/services/key_scan_codes.h"

namespace fesk {

bool IsExtendedKey(int virtual_key) {
  switch (virtual_key) {
    case 0xA3:  // right Ctrl
    case 0xA5:  // right Alt
    case 0x2D:  // Insert
    case 0x2E:  // Delete
    case 0x24:  // Home
    case 0x23:  // End
    case 0x21:  // Page Up
    case 0x22:  // Page Down
    case 0x25:  // Left
    case 0x26:  // Up
    case 0x27:  // Right
    case 0x28:  // Down
    case 0x90:  // Num Lock
    case 0x03:  // Break (Ctrl+Pause)
    case 0x2C:  // Print Screen
    case 0x6F:  // keypad Divide
    case 0x5B:  // left Windows key
    case 0x5C:  // right Windows key
    case 0x5D:  // application key
      return true;
    default: return false;
  }
}

// Num Lock is extended although the layout gives its scan code without the
// prefix, so the flag comes from the list; a layout that marks a key of its
// own as extended is believed as well.
KeyEventCodes KeyEventCodesOf(int virtual_key, ScanCodePort& layout) {
  const unsigned scan = layout.ScanCode(virtual_key);
  return KeyEventCodes{static_cast<std::uint16_t>(scan & 0xFF), IsExtendedKey(virtual_key) || (scan >> 8) == 0xE0};
}

}  // namespace fesk
