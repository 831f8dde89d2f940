#include "common/hotkey_text.h"

#include <gtest/gtest.h>

#include "tests/support/japanese_key_names.h"

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

// The key a text of the Japanese layout reads back as: the same key, except
// the keypad's digits and "/" (the main keyboard's keys of those names) and
// the ro key (the yen key, named "\" as well).
int KeyReadBack(int key) {
  if (key >= 0x60 && key <= 0x69) return '0' + key - 0x60;
  if (key == 0x6F) return 0xBF;
  if (key == 0xE2) return 0xDC;
  return key;
}

TEST(ShortCutText, JapaneseLayoutKeysSurviveStoreAndLoad) {
  testing::JapaneseKeyNames layout;
  const ShortCut modifier_sets[] = {kShortCutCtrl, kShortCutAlt, kShortCutCtrl | kShortCutAlt,
                                    kShortCutShift | kShortCutCtrl, kShortCutShift | kShortCutCtrl | kShortCutAlt};
  int named = 0;
  for (ShortCut modifiers : modifier_sets) {
    for (int key = 0x01; key <= 0xFE; ++key) {
      const auto value = static_cast<ShortCut>(modifiers | key);
      const std::string text = ShortCutToText(value, &layout);
      if (text.empty()) continue;
      ++named;
      const ShortCut back = TextToShortCut(text, &layout);
      EXPECT_EQ(back, static_cast<ShortCut>(modifiers | KeyReadBack(key))) << text;
      EXPECT_EQ(ShortCutToText(back, &layout), text) << "stored again unchanged: " << text;
    }
  }
  EXPECT_GT(named, 5 * 70);
}

TEST(ShortCutText, CaretKeyIsAKeyAfterItsPrefixes) {
  testing::JapaneseKeyNames layout;
  EXPECT_EQ(ShortCutToText(kShortCutCtrl | 0xDE, &layout), "Ctrl+^");
  EXPECT_EQ(TextToShortCut("Ctrl+^", &layout), kShortCutCtrl | 0xDE);
  EXPECT_EQ(TextToShortCut("Shift+Ctrl+Alt+^", &layout), kShortCutShift | kShortCutCtrl | kShortCutAlt | 0xDE);
  EXPECT_EQ(TextToShortCut("^^", &layout), kShortCutCtrl | 0xDE);  // "^" for Ctrl, then the key
  EXPECT_EQ(TextToShortCut("Alt+^", &layout), kShortCutAlt | 0xDE);
  EXPECT_EQ(TextToShortCut("^A", &layout), kShortCutCtrl | 'A');
  EXPECT_EQ(TextToShortCut("Ctrl+", &layout), 0);
  FakeLayout without_caret;
  EXPECT_EQ(TextToShortCut("Ctrl+^", &without_caret), 0) << "a layout without the key names none";
}

TEST(ShortCutText, SharedNameIsTheMainKeyboardsKey) {
  testing::JapaneseKeyNames layout;
  EXPECT_EQ(TextToShortCut("Ctrl+/", &layout), kShortCutCtrl | 0xBF) << "not the keypad's 0x6F";
  EXPECT_EQ(ShortCutToText(kShortCutCtrl | 0x6F, &layout), "Ctrl+/");
  // Two keys of the main keyboard with one name cannot be told apart by the
  // text: the one with the lower code.
  EXPECT_EQ(TextToShortCut("Ctrl+\\", &layout), kShortCutCtrl | 0xDC);
}

}  // namespace
}  // namespace fesk
