// Which keys a tick reads from the platform, through the key-state double:
// an idle tick costs the same with a hundred shortcuts as with none, every
// key is read at most once between two waits, and the shortcuts still fire
// once per press, in ascending slot order.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "engine_fixture.h"

namespace fesk::testing {
namespace {

constexpr int S = vk::kShift, C = vk::kControl, A = vk::kAlt;
constexpr int L = vk::kLeftButton, R = vk::kRightButton, M = vk::kMiddleButton;

// The six modifier sets a shortcut can use, slot by slot in turn; slot n has
// the letter 'A' + n / 6, so slots 2, 8, 14 ... are Ctrl+Alt+A, B, C ...
const char* const kModifiers[] = {"Ctrl+Shift+Alt+", "Ctrl+Shift+", "Ctrl+Alt+", "Ctrl+", "Shift+Alt+", "Alt+"};

int LetterOf(int slot) { return 'A' + slot / 6; }

class SensingKeyReadsTest : public EngineTest {
 protected:
  // 100 programs, the first `shortcuts` of them with a shortcut key, every
  // function of the loop on.
  LauncherEngine& CreateWithPrograms(int shortcuts) {
    options = LauncherOptions{};
    options.mouse_actions = options.shortcut_keys = options.screen_positions = options.window_services = true;
    options.run_time_option = true;
    tables = ProgramTables{};
    for (int slot = 0; slot < 100; ++slot) {
      const std::string n = std::to_string(slot);
      Register("P" + n, "p" + n + ".exe", "lRlRl");
      if (slot < shortcuts) SetHotKey(slot, std::string(kModifiers[slot % 6]) + static_cast<char>(LetterOf(slot)));
    }
    return Start();
  }

  // The keys one tick with these keys held reads.
  std::vector<int> ReadsOfTick(std::initializer_list<int> keys) {
    input.held = std::set<int>(keys);
    input.reads.clear();
    input.log_reads = true;
    engine->SensingTick();
    input.log_reads = false;
    return input.reads;
  }
};

bool NoKeyTwice(std::vector<int> reads) {
  std::sort(reads.begin(), reads.end());
  return std::adjacent_find(reads.begin(), reads.end()) == reads.end();
}

TEST_F(SensingKeyReadsTest, IdleTickReadsTheSameKeysWithAHundredShortcutsAsWithNone) {
  CreateWithPrograms(0);
  Idle();
  const std::vector<int> without = ReadsOfTick({});
  CreateWithPrograms(100);
  Idle();
  const std::vector<int> with = ReadsOfTick({});
  EXPECT_EQ(with, without);
  for (int key : with) {
    EXPECT_TRUE(key == S || key == C || key == A || key == L || key == R || key == M) << key;
  }
  EXPECT_TRUE(NoKeyTwice(with));
}

TEST_F(SensingKeyReadsTest, TickWithNeitherCtrlNorAltReadsNoShortcutKey) {
  CreateWithPrograms(100);
  std::vector<int> reads = ReadsOfTick({S, 'A', 'B', 'C', 'D'});
  for (int key : reads) EXPECT_TRUE(key < 'A' || key > 'Z') << key;
  EXPECT_TRUE(NoKeyTwice(reads));
  EXPECT_TRUE(Opened().empty());
}

TEST_F(SensingKeyReadsTest, ScanReadsOnlyTheKeysOfShortcutsWhoseModifiersAreHeld) {
  CreateWithPrograms(100);
  const std::vector<int> reads = ReadsOfTick({C, A});
  EXPECT_TRUE(NoKeyTwice(reads));
  std::set<int> letters;
  for (int key : reads) {
    if (key >= 'A' && key <= 'Z') letters.insert(key);
  }
  std::set<int> ctrl_alt;
  for (int slot = 2; slot < 100; slot += 6) ctrl_alt.insert(LetterOf(slot));
  EXPECT_EQ(letters, ctrl_alt);
  EXPECT_TRUE(Opened().empty());
}

TEST_F(SensingKeyReadsTest, EveryKeyIsReadOnceInATickThatStartsNothing) {
  CreateWithPrograms(100);
  EXPECT_TRUE(NoKeyTwice(ReadsOfTick({C, S, 'Z'})));
  EXPECT_TRUE(NoKeyTwice(ReadsOfTick({A, L})));
  EXPECT_TRUE(NoKeyTwice(ReadsOfTick({S, C})));
  EXPECT_TRUE(Opened().empty());
}

TEST_F(SensingKeyReadsTest, ShortcutAmongAHundredFiresOncePerPress) {
  CreateWithPrograms(100);
  const int ctrl_j = LetterOf(57);  // slot 57: Ctrl+J
  for (int i = 0; i < 5; ++i) Tick({C, ctrl_j}, {500, 500});
  EXPECT_EQ(Opened(), (std::vector<std::string>{"p57.exe"}));
  Tick({ctrl_j}, {500, 500});  // Ctrl up: neither modifier held ends the press
  Tick({C, ctrl_j}, {500, 500});
  EXPECT_EQ(Opened().size(), 2u);
  Tick({C}, {500, 500});
  Tick({C, ctrl_j}, {500, 500});
  EXPECT_EQ(Opened().size(), 3u);

  shell.opens.clear();
  for (int i = 0; i < 3; ++i) Tick({A, 'A'}, {500, 500});  // slot 5: Alt+A
  Idle();
  for (int i = 0; i < 3; ++i) Tick({S, A, 'A'}, {500, 500});  // slot 4: Shift+Alt+A
  EXPECT_EQ(Opened(), (std::vector<std::string>{"p5.exe", "p4.exe"}));
}

TEST_F(SensingKeyReadsTest, ShortcutsHeldTogetherStartInAscendingSlotOrder) {
  CreateWithPrograms(100);
  Tick({C, A, 'C', 'B', 'A'}, {500, 500});  // slots 14, 8 and 2
  EXPECT_EQ(Opened(), (std::vector<std::string>{"p2.exe", "p8.exe", "p14.exe"}));
  EXPECT_EQ(loop.LastHotKeyIndex, 14);
}

TEST_F(SensingKeyReadsTest, KeysAreReadAfreshAfterAStartsBox) {
  CreateWithPrograms(100);
  shell.results = {2};  // p2 fails: its error box is open while 'B' goes up
  dialogs.while_open = [&](const fake::FakeDialogs::Box&) { input.held.erase('B'); };
  Tick({C, A, 'A', 'B'}, {500, 500});
  EXPECT_EQ(Opened(), (std::vector<std::string>{"p2.exe"}));
  ASSERT_EQ(dialogs.boxes.size(), 1u);

  Idle();
  shell.opens.clear();
  shell.results = {2};  // and now 'B' goes down while the box is open
  dialogs.while_open = [&](const fake::FakeDialogs::Box&) { input.held.insert('B'); };
  Tick({C, A, 'A'}, {500, 500});
  EXPECT_EQ(Opened(), (std::vector<std::string>{"p2.exe", "p8.exe"}));
}

TEST_F(SensingKeyReadsTest, RunOptionToggleAndShortcutsShareTheirReads) {
  CreateWithPrograms(100);
  const std::vector<int> reads = ReadsOfTick({C, S, A});  // toggles, pauses, scans
  EXPECT_TRUE(loop.RunOptionMode);
  EXPECT_EQ(clock.sleeps, (std::vector<int>{500}));
  // Ctrl, Shift and Alt once before the pause; after it every key once more.
  std::vector<int> after(reads.begin() + 3, reads.end());
  EXPECT_TRUE(NoKeyTwice(after));
  EXPECT_EQ(std::count(reads.begin(), reads.end(), C), 2);
}

}  // namespace
}  // namespace fesk::testing
