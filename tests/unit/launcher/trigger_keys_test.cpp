#include "launcher/core/trigger_keys.h"

#include <gtest/gtest.h>

#include <set>

#include "launcher/ui/trigger_cells.h"
#include "platform/fake/fake_ports.h"

namespace fesk {
namespace {

constexpr int S = vk::kShift, C = vk::kControl, A = vk::kAlt;
constexpr int L = vk::kLeftButton, R = vk::kRightButton, M = vk::kMiddleButton;

bool HeldWith(int number, std::set<int> keys) {
  fake::FakeInput input;
  input.held = std::move(keys);
  return TriggerHeld(input, TriggerKeysFor(number));
}

struct TriggerCase {
  int number;
  std::set<int> combination;  // exactly these held: the trigger is held
  std::set<int> spoiler;      // these added: it is not
};

TEST(TriggerKeys, EachCombinationIsHeldOnlyWithoutTheOtherKeys) {
  const TriggerCase cases[] = {
      {0, {S}, {C}},    {1, {S, C}, {A}},  {2, {S, A}, {L}}, {3, {S, L}, {R}}, {4, {S, R}, {C}},  {5, {C}, {S}},
      {6, {C, A}, {R}}, {7, {C, L}, {A}},  {8, {C, R}, {L}}, {9, {A}, {R}},    {10, {A, L}, {S}}, {11, {A, R}, {C}},
      {12, {L}, {R}},   {13, {L, R}, {S}}, {14, {R}, {L}},   {15, {M}, {A}},
  };
  for (const TriggerCase& c : cases) {
    EXPECT_TRUE(HeldWith(c.number, c.combination)) << c.number;
    std::set<int> spoiled = c.combination;
    spoiled.insert(c.spoiler.begin(), c.spoiler.end());
    EXPECT_FALSE(HeldWith(c.number, spoiled)) << c.number;
  }
}

TEST(TriggerKeys, EveryOtherKeyOfTheFiveStopsAllButTheMiddleButton) {
  const int five[] = {S, C, A, L, R};
  for (int n = 0; n < 15; ++n) {
    const TriggerKeys keys = TriggerKeysFor(n);
    std::set<int> combination = {keys[0], keys[1]};
    for (int other : five) {
      if (combination.count(other)) continue;
      std::set<int> held = combination;
      held.insert(other);
      EXPECT_FALSE(HeldWith(n, held)) << n << " with " << other;
    }
  }
  EXPECT_TRUE(HeldWith(15, {M, R}));
}

TEST(TriggerKeys, ReleasedOnlyWhenNoneOfTheSixIsHeld) {
  fake::FakeInput input;
  TriggerKeys keys = TriggerKeysFor(1);
  EXPECT_TRUE(TriggerKeysReleased(input, keys));
  input.held = {M};  // not one of the set
  EXPECT_TRUE(TriggerKeysReleased(input, keys));
  input.held = {A};
  EXPECT_FALSE(TriggerKeysReleased(input, keys));
}

TEST(TriggerKeys, NumbersOutsideTheTableHaveNoKeys) {
  EXPECT_EQ(TriggerKeysFor(16), TriggerKeys{});
  EXPECT_EQ(TriggerKeysFor(-1), TriggerKeys{});
  EXPECT_FALSE(HeldWith(16, {S, C}));
}

TEST(TriggerKeys, CellHintsNameTheirCombination) {
  EXPECT_EQ(TriggerCellHint(0), "<SHIFT>キーでﾏｳｽｱｸｼｮﾝを判断します");
  EXPECT_EQ(TriggerCellHint(1), "<SHIFT>+<CTRL>キーでﾏｳｽｱｸｼｮﾝを判断します");
  EXPECT_EQ(TriggerCellHint(8), "<CTRL>+<ﾏｳｽ右>キーでﾏｳｽｱｸｼｮﾝを判断します");
  EXPECT_EQ(TriggerCellHint(13), "<ﾏｳｽ左>+<ﾏｳｽ右>キーでﾏｳｽｱｸｼｮﾝを判断します");
  EXPECT_EQ(TriggerCellHint(15), "<ﾏｳｽ中>キーでﾏｳｽｱｸｼｮﾝを判断します");
}

TEST(TriggerKeys, CellColoursFormTheLegend) {
  const int easy[] = {0, 1, 2, 5, 6}, complex[] = {3, 4, 7, 8, 10, 11}, risky[] = {9, 12, 13, 14};
  for (int n : easy) EXPECT_EQ(TriggerCellColor(n), colors::kBlue) << n;
  for (int n : complex) EXPECT_EQ(TriggerCellColor(n), colors::kYellow) << n;
  for (int n : risky) EXPECT_EQ(TriggerCellColor(n), colors::kRed) << n;
  EXPECT_EQ(TriggerCellColor(15), colors::kLime);
}

TEST(TriggerKeys, CellsDoNotOverlapAndMarkersSitFiveBelowTheTop) {
  for (int a = 0; a < kTriggerCount; ++a) {
    for (int b = a + 1; b < kTriggerCount; ++b) {
      CellBounds p = TriggerCellBounds(a), q = TriggerCellBounds(b);
      bool apart = p.left + p.width <= q.left || q.left + q.width <= p.left || p.top + p.height <= q.top ||
                   q.top + q.height <= p.top;
      EXPECT_TRUE(apart) << a << " and " << b;
    }
  }
  Label marker;
  PlaceTriggerMarker(marker, 7);
  EXPECT_EQ(marker.left, TriggerCellBounds(7).left);
  EXPECT_EQ(marker.top, TriggerCellBounds(7).top + 5);
}

}  // namespace
}  // namespace fesk
