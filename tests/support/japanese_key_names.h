// The one-character key names of the Japanese 106/109-key layout, as
// GetKeyNameText gives them for the keys without a fixed name: the layout
// has a key named "^", two keys named "\" (the yen key and the ro key) and,
// asked without the extended-key bit as the programs ask, the keypad's
// divide key shares the name "/" with the main keyboard's.  Every other key
// has a longer name, which the shortcut text never uses.
#pragma once

#include <string>

#include "common/hotkey_text.h"

namespace fesk::testing {

class JapaneseKeyNames : public KeyNameSource {
 public:
  std::string KeyName(int virtual_key) const override {
    switch (virtual_key) {
      case 0x6F: return "/";  // keypad divide
      case 0xBA: return ":";
      case 0xBB: return ";";
      case 0xBC: return ",";
      case 0xBD: return "-";
      case 0xBE: return ".";
      case 0xBF: return "/";
      case 0xC0: return "@";
      case 0xDB: return "[";
      case 0xDC: return "\\";  // yen key
      case 0xDD: return "]";
      case 0xDE: return "^";
      case 0xE2: return "\\";  // ro key
      case 0x13: return "Pause";
      case 0x1C: return "Henkan";
      default: return "";
    }
  }
};

}  // namespace fesk::testing
