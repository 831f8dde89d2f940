#include "launcher/core/hotkey_entry.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/fake/fake_ports.h"

namespace fesk {
namespace {

constexpr int S = vk::kShift, C = vk::kControl, A = vk::kAlt;
constexpr int kF5 = 0x74, kA = 'A';

bool Fires(ShortCut shortcut, std::set<int> held) {
  fake::FakeInput input;
  input.held = std::move(held);
  return HotKeyPressed(input, MakeHotKeyEntry(shortcut));
}

struct ModifierRow {
  ShortCut modifiers;
  std::set<int> required;  // the modifiers that must be held; the others must not
};

TEST(HotKeyEntry, TheSixUsableModifierSetsFireOnlyInTheirExactState) {
  const ModifierRow rows[] = {
      {kShortCutCtrl | kShortCutShift | kShortCutAlt, {C, S, A}},
      {kShortCutCtrl | kShortCutShift, {C, S}},
      {kShortCutCtrl | kShortCutAlt, {C, A}},
      {kShortCutCtrl, {C}},
      {kShortCutShift | kShortCutAlt, {S, A}},
      {kShortCutAlt, {A}},
  };
  for (const ModifierRow& row : rows) {
    ShortCut shortcut = static_cast<ShortCut>(row.modifiers | kA);
    std::set<int> held = row.required;
    held.insert(kA);
    EXPECT_TRUE(Fires(shortcut, held)) << row.modifiers;
    EXPECT_FALSE(Fires(shortcut, row.required)) << "key up " << row.modifiers;
    for (int modifier : {C, S, A}) {
      std::set<int> flipped = held;
      if (flipped.count(modifier))
        flipped.erase(modifier);
      else
        flipped.insert(modifier);
      EXPECT_FALSE(Fires(shortcut, flipped)) << row.modifiers << " flipping " << modifier;
    }
  }
}

TEST(HotKeyEntry, ShiftAloneOrNoModifierNeverFires) {
  EXPECT_EQ(MakeHotKeyEntry(kShortCutShift | kA).key, kNoSlot);
  EXPECT_EQ(MakeHotKeyEntry(kA).key, kNoSlot);
  EXPECT_EQ(MakeHotKeyEntry(0).key, kNoSlot);
  EXPECT_FALSE(Fires(kShortCutShift | kA, {S, kA}));
  EXPECT_FALSE(Fires(kA, {kA}));
}

TEST(HotKeyEntry, AltF5NeedsAltAloneAndCtrlAltLetterNeedsBoth) {
  EXPECT_TRUE(Fires(kShortCutAlt | kF5, {A, kF5}));
  EXPECT_FALSE(Fires(kShortCutAlt | kF5, {A, C, kF5}));
  EXPECT_FALSE(Fires(kShortCutAlt | kF5, {A, S, kF5}));
  EXPECT_TRUE(Fires(kShortCutCtrl | kShortCutAlt | kA, {C, A, kA}));
  EXPECT_FALSE(Fires(kShortCutCtrl | kShortCutAlt | kA, {C, A, S, kA}));
}

// The sensing loop skips its shortcut scan while neither Ctrl nor Alt is
// held; that is sound only as long as no entry with a key can fire without.
TEST(HotKeyEntry, EveryEntryWithAKeyNeedsCtrlOrAltHeld) {
  for (int value = 0; value <= 0xFFFF; ++value) {
    HotKeyEntry entry = MakeHotKeyEntry(static_cast<ShortCut>(value));
    if (entry.key == kNoSlot) continue;
    EXPECT_TRUE(entry.modifiers[0].state == ModifierState::kHeld || entry.modifiers[2].state == ModifierState::kHeld)
        << value;
  }
}

TEST(HotKeyEntry, KeyCodeIsTheLowThirteenBits) {
  HotKeyEntry entry = MakeHotKeyEntry(kShortCutCtrl | kF5);
  EXPECT_EQ(entry.key, kF5);
  EXPECT_EQ(entry.modifiers[0], (ModifierRequirement{C, ModifierState::kHeld}));
  EXPECT_EQ(entry.modifiers[1], (ModifierRequirement{S, ModifierState::kReleased}));
  EXPECT_EQ(entry.modifiers[2], (ModifierRequirement{A, ModifierState::kReleased}));
}

}  // namespace
}  // namespace fesk
