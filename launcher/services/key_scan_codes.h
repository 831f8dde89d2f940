// What a synthetic key event carries besides its virtual-key code: the
// keyboard's scan code, and whether the key is one of the extended keys
// (whose scan code the keyboard sends after the prefix byte 0xE0).
//
// Remote desktop clients, virtual machines and many games read the scan
// code, not the virtual key: a key typed with scan code 0, or an arrow key
// without the extended flag, does nothing there or arrives as another key.
#pragma once

#include <cstdint>

namespace fesk {

// The keyboard layout's scan codes.
class ScanCodePort {
 public:
  virtual ~ScanCodePort() = default;
  // The scan code of a virtual key, as MapVirtualKeyW(virtual_key,
  // MAPVK_VK_TO_VSC_EX) gives it: an extended scan code has 0xE0 or 0xE1 in
  // its high byte; 0 when the layout has no key for it.
  virtual unsigned ScanCode(int virtual_key) = 0;
};

struct KeyEventCodes {
  std::uint16_t scan = 0;  // the scan code without its prefix byte
  bool extended = false;   // KEYEVENTF_EXTENDEDKEY
  friend bool operator==(const KeyEventCodes&, const KeyEventCodes&) = default;
};

// The extended keys: right Ctrl and Alt; Insert, Delete, Home, End, Page Up,
// Page Down and the arrows beside the numeric keypad; Num Lock; Break; Print
// Screen; the keypad's Divide (and Enter, which shares its virtual key with
// the main Enter and is never meant here); both Windows keys and the
// application key.
bool IsExtendedKey(int virtual_key);

// The codes a key event of this virtual key carries.
KeyEventCodes KeyEventCodesOf(int virtual_key, ScanCodePort& layout);

}  // namespace fesk
