#include "common/hotkey_text.h"

#include <gtest/gtest.h>

namespace fesk {
namespace {

// A layout that names the US punctuation keys with one character and others
// with longer names (which are never used).
class FakeLayout : public KeyNameSource {
 public:
  std::string KeyName(int key) const override {
    switch (key) {
      case 0xBA: return ";";
      case 0xC0: return "@";
      case 0x91: return "Scroll Lock";
      default: return "";
    }
  }
};

TEST(ShortCutText, FormatsPrefixesInTheirOrder) {
  FakeLayout layout;
  struct Case {
    ShortCut value;
    const char* text;
  };
  const Case cases[] = {
      {static_cast<ShortCut>(kShortCutCtrl | kShortCutShift | kShortCutAlt | 'A'), "Shift+Ctrl+Alt+A"},
      {static_cast<ShortCut>(kShortCutAlt | 0x74), "Alt+F5"},
      {static_cast<ShortCut>(kShortCutCtrl | 0x87), "Ctrl+F24"},
      {static_cast<ShortCut>(kShortCutCtrl | 0x65), "Ctrl+5"},  // keypad 5
      {static_cast<ShortCut>(kShortCutCtrl | 0x08), "Ctrl+BkSp"},
      {static_cast<ShortCut>(kShortCutCtrl | 0x20), "Ctrl+Space"},
      {static_cast<ShortCut>(kShortCutCtrl | 0x28), "Ctrl+Down"},
      {static_cast<ShortCut>(kShortCutCtrl | 0x2E), "Ctrl+Del"},
      {static_cast<ShortCut>(kShortCutCtrl | 0xBA), "Ctrl+;"},
      {static_cast<ShortCut>(kShortCutCtrl | 0x91), ""},  // name longer than one character
      {0, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ShortCutToText(c.value, &layout), c.text) << c.text;
}

TEST(ShortCutText, ReadsCaretCaseAndAnyPrefixOrder) {
  FakeLayout layout;
  struct Case {
    const char* text;
    ShortCut value;
  };
  const Case cases[] = {
      {"Ctrl+A", kShortCutCtrl | 'A'},
      {"^A", kShortCutCtrl | 'A'},
      {"ctrl+alt+f5", kShortCutCtrl | kShortCutAlt | 0x74},
      {"Alt+Shift+Home", kShortCutAlt | kShortCutShift | 0x24},
      {"Ctrl+5", kShortCutCtrl | 0x35},  // the main keyboard's 5, whatever was pressed
      {"Ctrl+;", kShortCutCtrl | 0xBA},
      {"Shift+Z", kShortCutShift | 'Z'},
      {"Ctrl+", 0},
      {"Ctrl+Nothing", 0},
      {"", 0},
      {"Ctrl+Scroll Lock", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(TextToShortCut(c.text, &layout), c.value) << c.text;
}

TEST(ShortCutText, RoundTripOfEveryNamedKey) {
  FakeLayout layout;
  for (int key = 0x08; key <= 0xFF; ++key) {
    ShortCut value = static_cast<ShortCut>(kShortCutCtrl | key);
    std::string text = ShortCutToText(value, &layout);
    if (text.empty()) continue;
    ShortCut back = TextToShortCut(text, &layout);
    EXPECT_EQ(ShortCutToText(back, &layout), text) << text;
    if (key < 0x60 || key > 0x69) {
      EXPECT_EQ(back, value) << text;
    }
  }
}

}  // namespace
}  // namespace fesk
