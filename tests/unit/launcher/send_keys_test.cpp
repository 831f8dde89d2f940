#include "launcher/services/send_keys.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "launcher/services/held_modifiers.h"
#include "launcher/services/key_sink_fakes.h"

namespace fesk {
namespace {

struct Typed {
  const char* name;
  std::string text;
  std::string log;  // RecordingKeySink's log of what SendKeys sends
};

std::ostream& operator<<(std::ostream& out, const Typed& c) { return out << c.name; }

class SendKeysTyping : public ::testing::TestWithParam<Typed> {};

TEST_P(SendKeysTyping, SendsTheKeyActionsInOrder) {
  fake::RecordingKeySink sink;
  KeySender sender(sink);
  sender.SendKeys(GetParam().text);
  EXPECT_EQ(sink.Log(), GetParam().log) << "text: " << GetParam().text;
}

const std::string kA0 = "\x82\xA0";  // a double-byte character (hiragana A)

INSTANTIATE_TEST_SUITE_P(
    SendKeys, SendKeysTyping,
    ::testing::Values(
        // The launcher's own three texts.
        Typed{"AltSpace", "% ", "+Alt +Space -Space -Alt"}, Typed{"AltF4", "%{F4}", "+Alt +F4 -F4 -Alt"},
        Typed{"CtrlEsc", "^{ESC}", "+Ctrl +Esc -Esc -Ctrl"},
        // Counts.
        Typed{"LeftThreeTimes", "{LEFT 3}", "+Left -Left +Left -Left +Left -Left"},
        Typed{"LowerCaseName", "{left 3}", "+Left -Left +Left -Left +Left -Left"},
        Typed{"MixedCaseName", "{Left}", "+Left -Left"}, Typed{"CountZero", "{LEFT 0}", ""},
        Typed{"CountNotANumber", "{LEFT x}", ""}, Typed{"CountWithTrailingText", "{LEFT 3x}", ""},
        Typed{"CountNegative", "{LEFT -2}", ""}, Typed{"CountAfterTwoSpaces", "{LEFT  3}", ""},
        Typed{"CountTooLarge", "{LEFT 99999999999}", ""}, Typed{"CountZeroThenText", "{LEFT 0}a", "+A -A"},
        // A "}" right after the brace is the name.
        Typed{"BraceCloseOnce", "{}}", "+Shift +0xDD -0xDD -Shift"},
        Typed{"BraceCloseCounted", "{} 3}", "+Shift +0xDD -0xDD +0xDD -0xDD +0xDD -0xDD -Shift"},
        Typed{"BraceCloseThenText", "{}}a", "+Shift +0xDD -0xDD -Shift +A -A"}, Typed{"BraceCloseUnclosed", "{}", ""},
        // Unknown names, missing braces.
        Typed{"UnknownLongName", "{FOO}ab", "+A -A +B -B"}, Typed{"UnknownNameWithCount", "{FOO 3}a", "+A -A"},
        Typed{"EmptyName", "{ 3}a", "+A -A"}, Typed{"UnclosedBrace", "a{LEFT", "+A -A"},
        Typed{"UnclosedBraceWithCount", "a{LEFT 3 b", "+A -A"}, Typed{"UnclosedThenText", "{LEFT 2 bc", ""},
        // Groups and modifiers.
        Typed{"ShiftGroup", "+(ab)c", "+Shift +A -A +B -B -Shift +C -C"},
        Typed{"NestedGroups", "^(a(b)c)d", "+Ctrl +A -A +B -B +C -C -Ctrl +D -D"},
        Typed{"EmptyGroup", "+()a", "+Shift -Shift +A -A"}, Typed{"UnclosedGroup", "+(ab", "+Shift +A -A +B -B -Shift"},
        Typed{"CloseOutsideGroup", "a)", "+A -A +Shift +9 -9 -Shift"},
        Typed{"CtrlAltCombine", "^%a", "+Ctrl +Alt +A -A -Alt -Ctrl"},
        Typed{"ModifierOnBraceCount", "+{LEFT 2}", "+Shift +Left -Left +Left -Left -Shift"},
        Typed{"ModifierAtEnd", "a+", "+A -A +Shift -Shift"}, Typed{"Enter", "~", "+Enter -Enter"},
        Typed{"AltEnter", "%~", "+Alt +Enter -Enter -Alt"},
        // Plain characters through the layout.
        Typed{"UpperCaseNeedsShift", "aB", "+A -A +Shift +B -B -Shift"},
        Typed{"AtSignWithoutShift", "@", "+0xC0 -0xC0"}, Typed{"Digits", "42", "+4 -4 +2 -2"},
        Typed{"UnproducibleSkipped",
              "a\x7F"
              "b",
              "+A -A +B -B"},
        // One-character brace names use the layout, with its Shift.
        Typed{"BracePlus", "{+}", "+Shift +0xBB -0xBB -Shift"}, Typed{"BraceCaret", "{^}", "+0xDE -0xDE"},
        Typed{"BracePercent", "{%}", "+Shift +5 -5 -Shift"}, Typed{"BraceTilde", "{~}", "+Shift +0xDE -0xDE -Shift"},
        Typed{"BraceOpenParen", "{(}", "+Shift +8 -8 -Shift"},
        Typed{"BraceOpenBrace", "{{}", "+Shift +0xDB -0xDB -Shift"},
        Typed{"BraceLetterCounted", "{a 2}", "+A -A +A -A"}, Typed{"BraceShiftedCountZero", "{+ 0}", ""},
        Typed{"BraceUnproducible", "{\x7F}a", "+A -A"},
        // Double-byte characters.
        Typed{"DoubleByte", "a" + kA0 + "b", "+A -A dbcs:82A0 +B -B"},
        Typed{"TrailingLeadByte", "ab\x82", "+A -A +B -B"}, Typed{"OnlyLeadByte", "\x82", ""},
        Typed{"TrailByteIsBrace", "\x83}a", "dbcs:837D +A -A"}, Typed{"TrailByteIsCloseInName", "{\x83}}a", "+A -A"},
        Typed{"DoubleByteNameUnclosed", "{\x83}", ""},
        Typed{"ModifierOnDoubleByte", "+" + kA0, "+Shift dbcs:82A0 -Shift"}),
    [](const auto& info) { return std::string(info.param.name); });

// The names, in their search order, and every code.
TEST(SendKeysKeyNameTable, HasTheFortyTwoRowsInSearchOrder) {
  const std::vector<std::string> order = {"CAPSLOCK", "NUMLOCK", "SCROLLOCK", "ESCAPE", "ESC",       "ENTER", "HELP",
                                          "PRTSC",    "TAB",     "BREAK",     "CLEAR",  "BACKSPACE", "BS",    "BKSP",
                                          "DELETE",   "DEL",     "INSERT",    "LEFT",   "RIGHT",     "UP",    "DOWN",
                                          "PGUP",     "PGDN",    "HOME",      "END"};
  ASSERT_EQ(KeyNameTable.size(), 42u);
  for (std::size_t i = 0; i < order.size(); ++i) EXPECT_EQ(KeyNameTable[i].name, order[i]) << i;
  for (int n = 1; n <= 16; ++n) {
    const KeyName& row = KeyNameTable[order.size() + n - 1];
    EXPECT_EQ(row.name, "F" + std::to_string(n));
    EXPECT_EQ(row.code, 0x6F + n);
  }
  EXPECT_EQ(KeyNameTable[41].name, "IME");
}

struct Named {
  const char* name;
  int code;
};

class SendKeysNamedKey : public ::testing::TestWithParam<Named> {};

TEST_P(SendKeysNamedKey, BraceNameSendsItsCode) {
  fake::RecordingKeySink sink;
  KeySender sender(sink);
  sender.SendKeys(std::string("{") + GetParam().name + "}");
  const std::string key = fake::KeyLogName(GetParam().code);
  EXPECT_EQ(sink.Log(), "+" + key + " -" + key);
  EXPECT_EQ(LookUpKeyName(GetParam().name), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(SendKeys, SendKeysNamedKey,
                         ::testing::Values(Named{"CAPSLOCK", 0x14}, Named{"NumLock", 0x90}, Named{"scrollock", 0x91},
                                           Named{"ESCAPE", 0x1B}, Named{"ESC", 0x1B}, Named{"ENTER", 0x0D},
                                           Named{"HELP", 0x2F}, Named{"PRTSC", 0x2C}, Named{"TAB", 0x09},
                                           Named{"BREAK", 0x03}, Named{"CLEAR", 0x0C}, Named{"BACKSPACE", 0x08},
                                           Named{"BS", 0x08}, Named{"BKSP", 0x08}, Named{"DELETE", 0x2E},
                                           Named{"DEL", 0x2E}, Named{"INSERT", 0x2D}, Named{"LEFT", 0x25},
                                           Named{"RIGHT", 0x27}, Named{"UP", 0x26}, Named{"DOWN", 0x28},
                                           Named{"PGUP", 0x21}, Named{"PGDN", 0x22}, Named{"HOME", 0x24},
                                           Named{"END", 0x23}, Named{"F1", 0x70}, Named{"f10", 0x79},
                                           Named{"F16", 0x7F}, Named{"IME", 0x19}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SendKeysKeyNameTable, NamesOutsideTheTableAreNotFound) {
  for (const char* name : {"F17", "F0", "SCROLLLOCK", "LEFTX", "", "E"}) {
    EXPECT_FALSE(LookUpKeyName(name).has_value()) << name;
  }
}

TEST(SendKeysCount, ParsesDecimalNumbersOnly) {
  EXPECT_EQ(ParseKeyCount("3"), 3);
  EXPECT_EQ(ParseKeyCount("12"), 12);
  EXPECT_EQ(ParseKeyCount("+7"), 7);
  EXPECT_EQ(ParseKeyCount("-2"), -2);
  EXPECT_EQ(ParseKeyCount("2147483647"), 2147483647);
  for (const char* text : {"", "x", "3x", " 3", "3 ", "+", "--1", "0x10", "2147483648"}) {
    EXPECT_EQ(ParseKeyCount(text), 0) << "'" << text << "'";
  }
}

TEST(SendKeysCount, AHugeCountTypesTheKeyAThousandTimes) {
  fake::RecordingKeySink sink;
  KeySender sender(sink);
  sender.SendKeys("{LEFT 2147483647}{} 777777772}");
  std::size_t lefts = 0, braces = 0;
  for (const std::string& event : sink.events) {
    if (event == "+Left") ++lefts;
    if (event == "+0xDD") ++braces;
  }
  EXPECT_EQ(lefts, static_cast<std::size_t>(kMaxKeyRepeat));
  EXPECT_EQ(braces, static_cast<std::size_t>(kMaxKeyRepeat));
  EXPECT_EQ(sink.events.size(), 4u * kMaxKeyRepeat + 2u);  // with Shift around "}"
  EXPECT_EQ(kMaxKeyRepeat, 1000);
}

// Where one item ends.
struct ItemEnd {
  const char* name;
  std::string text;
  std::size_t from;
  std::size_t end;
};

std::ostream& operator<<(std::ostream& out, const ItemEnd& c) { return out << c.name; }

class SendKeysItemEnd : public ::testing::TestWithParam<ItemEnd> {};

TEST_P(SendKeysItemEnd, SendKeyItemReturnsThePositionAfterTheItem) {
  fake::RecordingKeySink sink;
  KeySender sender(sink);
  sender.SetText(GetParam().text);
  EXPECT_EQ(sender.SendKeyItem(GetParam().from), GetParam().end);
}

INSTANTIATE_TEST_SUITE_P(
    SendKeys, SendKeysItemEnd,
    ::testing::Values(ItemEnd{"Letter", "ab", 0, 1}, ItemEnd{"SecondLetter", "ab", 1, 2}, ItemEnd{"AtEnd", "ab", 2, 2},
                      ItemEnd{"Modifier", "%{F4}x", 0, 5}, ItemEnd{"GroupWithParen", "+(ab)c", 0, 5},
                      ItemEnd{"Group", "(ab)c", 0, 4}, ItemEnd{"UnclosedGroup", "(ab", 0, 3},
                      ItemEnd{"Brace", "{LEFT 3}x", 0, 8}, ItemEnd{"UnknownBrace", "{FOO}ab", 0, 5},
                      ItemEnd{"UnclosedBrace", "{LEFT 3", 0, 7}, ItemEnd{"DoubleByte", "\x82\xA0x", 0, 2},
                      ItemEnd{"TrailingLeadByte", "x\x82", 1, 2}, ItemEnd{"CloseParen", ")a", 0, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SendKeysBraceItem, StartsAfterTheOpeningBrace) {
  fake::RecordingKeySink sink;
  KeySender sender(sink);
  sender.SetText("x{}}y");
  EXPECT_EQ(sender.SendBraceItem(2), 4u);
  EXPECT_EQ(sink.Log(), "+Shift +0xDD -0xDD -Shift");
  sink.Clear();
  sender.SetText("{TAB 2}{HOME");
  EXPECT_EQ(sender.SendBraceItem(1), 7u);
  EXPECT_EQ(sender.SendBraceItem(8), 12u);
  EXPECT_EQ(sink.Log(), "+Tab -Tab +Tab -Tab");
}

TEST(SendKeysDoubleByte, RefusedAttachDropsTheCharacterOnly) {
  fake::RecordingKeySink sink;
  sink.attach_results = {false, true};
  KeySender sender(sink);
  sender.SendKeys(
      "\x82\xA0"
      "a\x82\xA2");
  EXPECT_EQ(sink.Log(), "dbcs:82A0:refused +A -A dbcs:82A2");
}

TEST(SendKeysLayout, CtrlAndAltBitsOfTheShiftStateAreIgnored) {
  fake::RecordingKeySink sink;
  sink.layout['q'] = 0x651;  // Ctrl+Alt+Q, as AltGr layouts report
  sink.layout['w'] = 0x757;  // Shift+Ctrl+Alt+W
  KeySender sender(sink);
  sender.SendKeys("qw{q}");
  EXPECT_EQ(sink.Log(), "+Q -Q +Shift +W -W -Shift +Q -Q");
}

TEST(SendKeysLayout, BraceCloseUsesTheLayoutsKey) {
  // On a US keyboard "}" is Shift+0xDD too, but "^" is Shift+6.
  fake::RecordingKeySink sink;
  sink.layout['^'] = 0x136;
  sink.layout['}'] = 0xDD;
  KeySender sender(sink);
  sender.SendKeys("{^}{}}");
  EXPECT_EQ(sink.Log(), "+Shift +6 -6 -Shift +0xDD -0xDD");
}

TEST(SendKeysDepth, LongRunsOfModifiersAndGroupsDoNotExhaustTheStack) {
  fake::RecordingKeySink sink;
  KeySender sender(sink);
  const std::size_t depth = 200000;
  sender.SendKeys(std::string(depth, '(') + "a");
  EXPECT_EQ(sink.Log(), "+A -A");
  sink.Clear();
  sender.SendKeys(std::string(depth, '^') + "a");
  ASSERT_EQ(sink.events.size(), 2 * depth + 2);
  EXPECT_EQ(sink.events[depth - 1], "+Ctrl");
  EXPECT_EQ(sink.events[depth], "+A");
  EXPECT_EQ(sink.events[depth + 2], "-Ctrl");
}

// Keys the user still holds while a text is typed: released before it (an
// Alt or Win release masked by the unassigned key 0xE8, so no menu or Start
// opens), pressed again after it only while still held.
struct HeldWhileTyping {
  const char* name;
  std::set<int> held;
  std::vector<fake::RecordingKeySink::LetGo> let_go;
  std::string text;
  std::string log;
};

std::ostream& operator<<(std::ostream& out, const HeldWhileTyping& c) { return out << c.name; }

class SendKeysHeld : public ::testing::TestWithParam<HeldWhileTyping> {};

TEST_P(SendKeysHeld, HeldModifiersAreLiftedForTheText) {
  fake::RecordingKeySink sink;
  sink.held = GetParam().held;
  sink.let_go = GetParam().let_go;
  KeySender sender(sink);
  sender.SendKeys(GetParam().text);
  EXPECT_EQ(sink.Log(), GetParam().log);
}

INSTANTIATE_TEST_SUITE_P(
    SendKeys, SendKeysHeld,
    ::testing::Values(
        HeldWhileTyping{"NothingHeld", {}, {}, "ab", "+A -A +B -B"},
        HeldWhileTyping{"CtrlStillHeld", {vk::kLeftControl}, {}, "ab", "-LCtrl +A -A +B -B +LCtrl"},
        HeldWhileTyping{
            "CtrlLetGoWhileTyping", {vk::kLeftControl}, {{"+A", vk::kLeftControl}}, "ab", "-LCtrl +A -A +B -B"},
        HeldWhileTyping{"RightShiftHeld", {vk::kRightShift}, {}, "a", "-RShift +A -A +RShift"},
        HeldWhileTyping{"AltMasked", {vk::kLeftAlt}, {}, "^{ESC}", "+0xE8 -0xE8 -LAlt +Ctrl +Esc -Esc -Ctrl +LAlt"},
        HeldWhileTyping{"WinMasked",
                        {vk::kRightWin},
                        {{"-Esc", vk::kRightWin}},
                        "^{ESC}",
                        "+0xE8 -0xE8 -RWin +Ctrl +Esc -Esc -Ctrl"},
        HeldWhileTyping{"ShiftAndAltOneMask",
                        {vk::kLeftShift, vk::kRightAlt},
                        {},
                        "% ",
                        "+0xE8 -0xE8 -LShift -RAlt +Alt +Space -Space -Alt +LShift +RAlt"},
        HeldWhileTyping{"EveryModifier",
                        {vk::kLeftShift, vk::kRightShift, vk::kLeftControl, vk::kRightControl, vk::kLeftAlt,
                         vk::kRightAlt, vk::kLeftWin, vk::kRightWin},
                        {{"+A", vk::kLeftShift},
                         {"+A", vk::kRightShift},
                         {"+A", vk::kLeftControl},
                         {"+A", vk::kRightControl},
                         {"+A", vk::kLeftAlt},
                         {"+A", vk::kRightAlt},
                         {"+A", vk::kLeftWin},
                         {"+A", vk::kRightWin}},
                        "a",
                        "+0xE8 -0xE8 -LShift -RShift -LCtrl -RCtrl -LAlt -RAlt -LWin -RWin +A -A"}),
    [](const auto& info) { return std::string(info.param.name); });

// An item sent on its own is part of a text being typed; only a whole text
// lifts the held keys.
TEST(SendKeysHeld, AnItemAloneLeavesHeldKeysAlone) {
  fake::RecordingKeySink sink;
  sink.held = {vk::kLeftControl};
  KeySender sender(sink);
  sender.SetText("a");
  sender.SendKeyItem(0);
  EXPECT_EQ(sink.Log(), "+A -A");
}

}  // namespace
}  // namespace fesk
