#include "common/hotkey_text.h"

#include "common/cp932.h"

namespace fesk {

static std::string KeyNameOf(int key, const KeyNameSource* layout) {
  static constexpr const char* kNavigation[] = {"Space", "PgUp", "PgDn",  "End", "Home",
                                                "Left",  "Up",   "Right", "Down"};
  if (key == 0x08) return "BkSp";
  if (key == 0x09) return "Tab";
  if (key == 0x0D) return "Enter";
  if (key == 0x1B) return "Esc";
  if (key >= 0x20 && key <= 0x28) return kNavigation[key - 0x20];
  if (key == 0x2D) return "Ins";
  if (key == 0x2E) return "Del";
  if (key >= 0x30 && key <= 0x39) return std::string(1, static_cast<char>(key));
  if (key >= 0x41 && key <= 0x5A) return std::string(1, static_cast<char>(key));
  if (key >= 0x60 && key <= 0x69) return std::string(1, static_cast<char>('0' + key - 0x60));
  if (key >= 0x70 && key <= 0x87) return "F" + std::to_string(key - 0x6F);
  if (layout == nullptr) return {};
  std::string name = layout->KeyName(key);
  return name.size() == 1 ? name : std::string();
}

std::string ShortCutToText(ShortCut shortcut, const KeyNameSource* layout) {
  std::string name = KeyNameOf(shortcut & 0xFF, layout);
  if (name.empty()) return {};
  std::string text;
  if (shortcut & kShortCutShift) text += "Shift+";
  if (shortcut & kShortCutCtrl) text += "Ctrl+";
  if (shortcut & kShortCutAlt) text += "Alt+";
  return text + name;
}

static bool TakePrefix(std::string_view& text, std::string_view prefix) {
  if (text.size() < prefix.size() ||
      !cp932::EqualsIgnoreAsciiCase(text.substr(0, prefix.size()), prefix)) {
    return false;
  }
  text.remove_prefix(prefix.size());
  return true;
}

ShortCut TextToShortCut(std::string_view text, const KeyNameSource* layout) {
  ShortCut modifiers = 0;
  for (;;) {
    if (TakePrefix(text, "Shift+")) {
      modifiers |= kShortCutShift;
    } else if (TakePrefix(text, "^") || TakePrefix(text, "Ctrl+")) {
      modifiers |= kShortCutCtrl;
    } else if (TakePrefix(text, "Alt+")) {
      modifiers |= kShortCutAlt;
    } else {
      break;
    }
  }
  if (text.empty()) return 0;
  // The first key, in code order, whose name matches: so "5" is the main
  // keyboard's 5 (0x35), not the keypad's (0x65).
  for (int key = 0x08; key <= 0xFF; ++key) {
    std::string name = KeyNameOf(key, layout);
    if (!name.empty() && cp932::EqualsIgnoreAsciiCase(name, text)) {
      return static_cast<ShortCut>(key | modifiers);
    }
  }
  return 0;
}

}  // namespace fesk
