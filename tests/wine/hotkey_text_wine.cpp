// Shortcut texts against the keyboard layout itself.  The editor stores a
// shortcut as text, naming the keys without a fixed name by what
// GetKeyNameTextA reports, and both programs read the text back with the
// same names.  Here, for every key the layout names and every modifier set
// the hot-key field can hold:
//
// - the name the programs use is the one GetKeyNameTextA reports;
// - the text reads back as the same key (a keypad key whose name a key of
//   the main keyboard shares, such as the keypad's "/" or digits, as that
//   key), and writing it again gives the same text, so leaving the field
//   changes nothing;
// - the launcher's shortcut entry made from the text waits for that key.
//
// Wine runs here with LANG=ja_JP.UTF-8: the layout it reports is the
// Japanese one (0411), with the key names of the X server's keyboard.  The
// layout, the keys named with one character and the names shared by
// several keys are printed.
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "common/hotkey_text.h"
#include "launcher/core/hotkey_entry.h"
#include "platform/win32/win32_key_names.h"
#include "platform/win32/windows_api.h"
#include "tests/wine/wine_check.h"

using fesk::winetest::Check;
using fesk::winetest::CheckEqual;
using fesk::winetest::Printable;

namespace {

bool OnKeypad(int key) { return (key >= VK_NUMPAD0 && key <= VK_DIVIDE) || key == VK_OEM_NEC_EQUAL; }

std::string AnsiKeyName(int key) {
  const UINT scan = MapVirtualKeyA(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
  char name[64] = {};
  const int length = GetKeyNameTextA(static_cast<LONG>(scan << 16), name, sizeof name);
  return std::string(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

std::string Hex(int key) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X", key);
  return text;
}

}  // namespace

int main() {
  const fesk::win32::Win32KeyNames names;
  const HKL layout = GetKeyboardLayout(0);
  std::printf("keyboard layout %08llX, ANSI code page %u\n",
              static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(layout)), GetACP());
  char language[8];
  std::snprintf(language, sizeof language, "%04X", static_cast<unsigned>(LOWORD(reinterpret_cast<UINT_PTR>(layout))));
  CheckEqual(language, "0411", "Wine reports the Japanese keyboard layout");

  // Keys by the name their shortcut text ends in, for the keys that have
  // no fixed name.
  std::map<std::string, std::vector<int>> by_name;
  for (int key = 0x01; key <= 0xFE; ++key) {
    CheckEqual(names.KeyName(key), AnsiKeyName(key), "the name of key " + Hex(key) + " is GetKeyNameTextA's");
    const std::string text = fesk::ShortCutToText(static_cast<fesk::ShortCut>(fesk::kShortCutCtrl | key), &names);
    if (text.empty()) continue;
    by_name[text.substr(5)].push_back(key);
  }
  std::string one_character;
  for (const auto& [name, keys] : by_name) {
    if (keys.size() > 1) {
      std::string list;
      for (int key : keys) list += " " + Hex(key);
      std::printf("name \"%s\" shared by keys%s\n", Printable(name).c_str(), list.c_str());
    }
    for (int key : keys) {
      if (names.KeyName(key).size() == 1 && name.size() == 1) one_character += " " + Hex(key) + "=" + Printable(name);
    }
  }
  std::printf("keys named by the layout:%s\n", one_character.c_str());

  // The key a name stands for: the one key of that name outside the keypad,
  // else the keypad's.
  auto expected_key = [&](int key, const std::string& name) {
    for (int other : by_name[name]) {
      if (!OnKeypad(other)) return other;
    }
    return key;
  };
  for (const auto& [name, keys] : by_name) {
    int outside = 0;
    for (int key : keys) outside += OnKeypad(key) ? 0 : 1;
    Check(outside <= 1, "at most one key of the main keyboard is named \"" + Printable(name) + "\"");
  }

  const fesk::ShortCut modifier_sets[] = {fesk::kShortCutCtrl,
                                          fesk::kShortCutAlt,
                                          fesk::kShortCutCtrl | fesk::kShortCutAlt,
                                          fesk::kShortCutShift | fesk::kShortCutCtrl,
                                          fesk::kShortCutShift | fesk::kShortCutAlt,
                                          fesk::kShortCutShift | fesk::kShortCutCtrl | fesk::kShortCutAlt};
  int checked = 0;
  for (fesk::ShortCut modifiers : modifier_sets) {
    for (int key = 0x01; key <= 0xFE; ++key) {
      const auto value = static_cast<fesk::ShortCut>(modifiers | key);
      const std::string text = fesk::ShortCutToText(value, &names);
      if (text.empty()) continue;
      ++checked;
      const std::string name =
          fesk::ShortCutToText(static_cast<fesk::ShortCut>(fesk::kShortCutCtrl | key), &names).substr(5);
      const int wanted = expected_key(key, name);
      const fesk::ShortCut back = fesk::TextToShortCut(text, &names);
      CheckEqual(Hex(back & fesk::kShortCutKeyMask), Hex(wanted),
                 "\"" + Printable(text) + "\" reads back as key " + Hex(wanted));
      CheckEqual(Hex(back & ~fesk::kShortCutKeyMask), Hex(modifiers),
                 "\"" + Printable(text) + "\" keeps its modifiers");
      CheckEqual(fesk::ShortCutToText(back, &names), text, "\"" + Printable(text) + "\" is stored again unchanged");
      const fesk::HotKeyEntry entry = fesk::MakeHotKeyEntry(fesk::TextToShortCut(text, &names));
      CheckEqual(Hex(entry.key), Hex(wanted),
                 "the launcher waits for key " + Hex(wanted) + " on \"" + Printable(text) + "\"");
    }
  }
  std::printf("%d shortcut texts read back\n", checked);
  Check(checked > 6 * 60, "the layout names the letters, digits and punctuation keys");
  return fesk::winetest::Finish("hotkey_text_wine");
}
