#include "common/hotkey_text.h"

#include "common/cp932.h"

namespace fesk {

static std::string KeyNameOf(int key, const KeyNameSource* layout) {
  static constexpr const char* kNavigation[] = {"Space", "PgUp", "PgDn", "End", "Home", "Left", "Up", "Right", "Down"};
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

// A prefix is taken only when a key name follows it: the "^" that ends
// "Ctrl+^" is the key of that name (the Japanese layout has one), not a
// second Ctrl.
static bool TakePrefix(std::string_view& text, std::string_view prefix) {
  if (text.size() <= prefix.size() || !cp932::EqualsIgnoreAsciiCase(text.substr(0, prefix.size()), prefix)) {
    return false;
  }
  text.remove_prefix(prefix.size());
  return true;
}

// The numeric keypad's keys (its digits, operators and the NEC "=").
static bool OnKeypad(int key) { return (key >= 0x60 && key <= 0x6F) || key == 0x92; }

// The key a name reads back as.  A name two keys share is the main
// keyboard's: as the keypad's "5" reads as the main 5, the keypad's "/"
// reads as the main "/", not as the key with the lower code.
static int KeyOfName(std::string_view name, const KeyNameSource* layout) {
  for (bool keypad : {false, true}) {
    for (int key = 0x08; key <= 0xFF; ++key) {
      if (OnKeypad(key) != keypad) continue;
      std::string candidate = KeyNameOf(key, layout);
      if (!candidate.empty() && cp932::EqualsIgnoreAsciiCase(candidate, name)) return key;
    }
  }
  return 0;
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
  const int key = KeyOfName(text, layout);
  return key == 0 ? 0 : static_cast<ShortCut>(key | modifiers);
}

}  // namespace fesk
