// What a release would do, told before it: the one scan the dispatcher also
// uses, the text for a movement, and the tracker that follows a stroke tick
// by tick.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "launcher/core/first_matching_slot.h"
#include "launcher/core/launch_texts.h"
#include "launcher/core/release_preview.h"

namespace fesk::testing {
namespace {

constexpr Point kStart{100, 100};

struct Slot {
  const char* code;
  const char* title;
};

ProgramTables TablesOf(std::initializer_list<Slot> slots) {
  ProgramTables tables;
  for (const Slot& slot : slots) {
    tables.ActionCodes[static_cast<std::size_t>(tables.ProgramCount)] = slot.code;
    tables.ProgramTitles[static_cast<std::size_t>(tables.ProgramCount)] = slot.title;
    ++tables.ProgramCount;
  }
  return tables;
}

// The titles as the program store would give them: the tables' copies.
SlotTitle TitlesOf(const ProgramTables& tables) {
  return [&tables](int slot) { return tables.ProgramTitles[static_cast<std::size_t>(slot)]; };
}

// Start masks by slot: the slots in `refused` do not allow the start; every
// question is counted, as each costs a read of the settings file.
struct Masks {
  std::set<int> refused;
  std::vector<int> asked;
  StartMaskCheck Check() {
    return [this](int slot) {
      asked.push_back(slot);
      return !refused.contains(slot);
    };
  }
  StartPointCheck PointCheck() {
    return [this](int slot, Point start) {
      EXPECT_EQ(start, kStart);
      asked.push_back(slot);
      return !refused.contains(slot);
    };
  }
};

// Slot 1 refuses the start; slot 4 comes after a slot without a code.
const ProgramTables kTables = TablesOf({{"rl", "Left"},
                                        {"lr", "Right refused"},
                                        {"lr", "Right"},
                                        {"lr", "Right again"},
                                        {"lrR", "<ﾀｲﾄﾙ未登録>"},
                                        {"NONE", "Unused"},
                                        {"RL", "Beyond NONE"}});

// ---- The scan ------------------------------------------------------------------

struct ScanCase {
  const char* code;
  int from;
  std::optional<int> slot;
  std::vector<int> asked;  // masks read, in order
};

TEST(FirstMatchingSlot, FirstCodeWhoseMaskAllowsUpToNone) {
  const ScanCase cases[] = {
      {"lr", 0, 2, {1, 2}},         // slot 1's mask refuses
      {"lr", 3, 3, {3}},            // the confirmation mode's next slot
      {"lr", 4, std::nullopt, {}},  // none after the last
      {"rl", 0, 0, {0}},           {"lrR", 0, 4, {4}},
      {"RL", 0, std::nullopt, {}},  // registered only after NONE
      {"Rl", 0, std::nullopt, {}}, {"", 0, std::nullopt, {}},
      {"lr", 7, std::nullopt, {}},
  };
  for (const ScanCase& c : cases) {
    Masks masks{{1}, {}};
    EXPECT_EQ(FirstMatchingSlot(c.code, kTables, masks.Check(), c.from), c.slot) << c.code << " from " << c.from;
    EXPECT_EQ(masks.asked, c.asked) << c.code << " from " << c.from;
  }
}

TEST(FirstMatchingSlot, NoProgramsNoSlot) {
  Masks masks;
  EXPECT_EQ(FirstMatchingSlot("lr", ProgramTables{}, masks.Check()), std::nullopt);
  EXPECT_TRUE(masks.asked.empty());
}

// ---- The text --------------------------------------------------------------------

struct TextCase {
  const char* code;
  bool window_service;
  const char* text;
};

TEST(ReleasePreviewText, TitleOfTheProgramOrServiceTheReleaseWouldStart) {
  LauncherOptions options;
  options.services[1] = WindowService::kNone;            // "Ll"
  options.services[3] = static_cast<WindowService>(99);  // "rl": names no operation
  const TextCase cases[] = {
      {"lr", false, "Right"},        {"rl", false, "Left"},        {"lrR", false, "<ﾀｲﾄﾙ未登録>"},
      {"RL", false, "未登録"},       {"lrRL", false, "未登録"},    {"", false, "未登録"},
      {"Rl", true, "ｱﾌﾟﾘ･ﾒﾆｭｰ表示"}, {"lr", true, "FESK設定表示"}, {"lR", true, "Windows終了"},
      {"Ll", true, "<設定しない>"},  {"rl", true, "未登録"},       {"lrR", true, "未登録"},
      {"", true, "未登録"},
  };
  for (const TextCase& c : cases) {
    Masks masks{{1}, {}};
    const ReleasePreview preview(kTables, options, masks.PointCheck(), TitlesOf(kTables));
    EXPECT_EQ(preview.TextFor({c.code, kStart, c.window_service}), c.text)
        << c.code << (c.window_service ? " (service)" : "");
  }
}

TEST(ReleasePreviewText, UntitledProgramShowsTheDispatchersTitle) {
  const ProgramTables tables = TablesOf({{"lr", kUntitled}});
  Masks masks;
  EXPECT_EQ(
      ReleasePreview(tables, LauncherOptions{}, masks.PointCheck(), TitlesOf(tables)).TextFor({"lr", kStart, false}),
      "<ﾀｲﾄﾙ未登録>");
}

// The title is read where the dispatcher reads it at the release, for the
// slot the scan chose, not copied from the tables loaded at the start.
TEST(ReleasePreviewText, TitleIsReadForTheChosenSlot) {
  Masks masks{{1}, {}};
  std::vector<int> read;
  const ReleasePreview preview(kTables, LauncherOptions{}, masks.PointCheck(), [&read](int slot) {
    read.push_back(slot);
    return "Edited " + std::to_string(slot);
  });
  EXPECT_EQ(preview.TextFor({"lr", kStart, false}), "Edited 2");
  EXPECT_EQ(preview.TextFor({"RL", kStart, false}), kNothingRegisteredText);
  EXPECT_EQ(read, (std::vector<int>{2}));
}

// ---- Following a stroke ------------------------------------------------------------

struct Tick {
  const char* code;
  std::optional<std::string> told;  // what the tick tells, if anything
  std::vector<int> asked;           // masks read by the tick
};

// A stroke right, then down and on: the text is told when it changes and
// only then, and a tick whose code has not changed reads no mask.
TEST(PreviewTracker, FollowsAStrokeCodeByCode) {
  Masks masks{{1}, {}};
  const LauncherOptions options;
  const ReleasePreview preview(kTables, options, masks.PointCheck(), TitlesOf(kTables));
  PreviewTracker tracker(preview);
  const Tick ticks[] = {
      {"", "未登録", {}},       {"", std::nullopt, {}},      {"lr", "Right", {1, 2}},
      {"lr", std::nullopt, {}}, {"lr", std::nullopt, {}},    {"lrR", "<ﾀｲﾄﾙ未登録>", {4}},
      {"lrRL", "未登録", {}},   {"lrRLr", std::nullopt, {}},  // another code, the same text
      {"lr", "Right", {1, 2}},
  };
  for (const Tick& tick : ticks) {
    masks.asked.clear();
    EXPECT_EQ(tracker.Track({tick.code, kStart, false}), tick.told) << tick.code;
    EXPECT_EQ(masks.asked, tick.asked) << tick.code;
  }
  EXPECT_EQ(tracker.shown(), "Right");
}

TEST(PreviewTracker, GoneAtTheReleaseAndToldAfreshNextStroke) {
  Masks masks{{1}, {}};
  const LauncherOptions options;
  const ReleasePreview preview(kTables, options, masks.PointCheck(), TitlesOf(kTables));
  PreviewTracker tracker(preview);
  EXPECT_FALSE(tracker.Clear()) << "nothing on show before a stroke";
  EXPECT_EQ(tracker.Track({"lr", kStart, false}), "Right");
  EXPECT_TRUE(tracker.Clear());
  EXPECT_EQ(tracker.shown(), std::nullopt);
  EXPECT_FALSE(tracker.Clear());
  masks.asked.clear();
  EXPECT_EQ(tracker.Track({"lr", kStart, false}), "Right") << "the next stroke shows its text again";
  EXPECT_EQ(masks.asked, (std::vector<int>{1, 2}));
}

// The same code under the other trigger means something else.
TEST(PreviewTracker, TriggerOfTheMovementCountsAsAChange) {
  Masks masks{{1}, {}};
  const LauncherOptions options;
  const ReleasePreview preview(kTables, options, masks.PointCheck(), TitlesOf(kTables));
  PreviewTracker tracker(preview);
  EXPECT_EQ(tracker.Track({"lr", kStart, false}), "Right");
  EXPECT_EQ(tracker.Track({"lr", kStart, true}), "FESK設定表示");
  EXPECT_EQ(tracker.Track({"lr", kStart, true}), std::nullopt);
}

}  // namespace
}  // namespace fesk::testing
