// The waking rule on the real launcher's loop: the fast sensing timer stops
// once every key the loop watches has been seen up for the quiet time, a
// key or button event wakes it and runs a tick at once, the safety tick
// finds what is held without an event, and nothing held ever lets it sleep.
#include "launcher/core/wake_rule.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "launcher_fixture.h"
#include "platform/fake/fake_input_events.h"

namespace fesk::testing {
namespace {

constexpr int S = vk::kShift, C = vk::kControl, A = vk::kAlt;
constexpr int L = vk::kLeftButton, R = vk::kRightButton;
constexpr int kInterval = 10;

class WakeRuleTest : public LauncherTest {
 protected:
  // The platform delivers key and button events as Windows does (whatever
  // is in front), or as Wine does (only while a usable window is).
  explicit WakeRuleTest(bool events_whatever_in_front = true) : events(Delivery(events_whatever_in_front)) {}
  static fake::FakeInputEvents Delivery(bool whatever_in_front) {
    fake::FakeInputEvents delivery;
    delivery.whatever_in_front = whatever_in_front;
    return delivery;
  }

  // Every function of the loop on, the mouse-action trigger Shift+Ctrl and
  // the Window-service trigger Ctrl+Alt; a stroke "lr" (first: the search
  // for a stroke's program ends at the first program without one), a
  // shortcut Ctrl+A, a corner program at the top right.
  void SetUp() override {
    WriteIni({"[SYSTEM]",
              "TRIGGER1=1",
              "TRIGGER2=1",
              "TRIGGER3=1",
              "TRIGGER4=1",
              "RUNOPTION=1",
              "SELECTKEY=1",
              "WINSELECTKEY=6",
              "[CMD0]",
              "DISCRIPTION=Stroke",
              "CMDLINE=stroke.exe",
              "ACTCODE=lr",
              "RUNPOS=111111111",
              "[CMD1]",
              "DISCRIPTION=Key",
              "CMDLINE=key.exe",
              "HOTKEY=Ctrl+A",
              "[CMD2]",
              "DISCRIPTION=Corner",
              "CMDLINE=corner.exe",
              "DISPLAYPOS=3"});
    Create();
  }

  // Fast ticks one interval apart for `ms` milliseconds of the virtual
  // clock, as long as the rule lets the fast timer run (a tick that sleeps
  // moves the clock on by its sleep).
  void RunFast(long long ms) {
    const long long end = clock.now_ms + ms;
    while (rule.Awake() && clock.now_ms < end) {
      clock.Advance(kInterval);
      rule.FastTick();
    }
  }
  // Idle fast ticks until the rule lets the timer stop; how long it took.
  long long FallAsleep() {
    input.held.clear();
    const long long start = clock.now_ms;
    RunFast(10000);
    return clock.now_ms - start;
  }

  fake::FakeInputEvents events;
  WakeRule rule{clock, [this] { return form->SensingTick(); }, events};
};

class WineWakeRuleTest : public WakeRuleTest {
 protected:
  WineWakeRuleTest() : WakeRuleTest(false) {}
};

TEST_F(WakeRuleTest, AsleepOnceEverythingHasBeenUpForTheQuietTime) {
  EXPECT_TRUE(rule.Awake());
  input.held.clear();
  RunFast(WakeRule::kQuietTime - 2 * kInterval);
  EXPECT_TRUE(rule.Awake());
  RunFast(10000);
  EXPECT_FALSE(rule.Awake());
  EXPECT_LE(rule.ticks(), WakeRule::kQuietTime / kInterval + 2);
  EXPECT_TRUE(Opened().empty());
}

TEST_F(WakeRuleTest, AKeyEventWakesTheLoopAndTicksAtOnce) {
  FallAsleep();
  const long long ticks = rule.ticks();
  input.held = {C, 'A'};
  rule.InputEvent();
  EXPECT_TRUE(rule.Awake());
  EXPECT_EQ(rule.ticks(), ticks + 1);
  EXPECT_EQ(Opened(), (std::vector<std::string>{"key.exe"}));
}

TEST_F(WakeRuleTest, AnEventWhoseKeyShowsLateIsCaughtByTheFastTimer) {
  FallAsleep();
  rule.InputEvent();  // the key state does not show the key yet
  EXPECT_TRUE(rule.Awake());
  RunFast(50);
  input.held = {C, 'A'};
  RunFast(kInterval);
  EXPECT_EQ(Opened(), (std::vector<std::string>{"key.exe"}));
}

TEST_F(WakeRuleTest, AnEventWhileAwakeStartsTheQuietTimeAnewWithoutATick) {
  input.held.clear();
  RunFast(WakeRule::kQuietTime - 2 * kInterval);
  const long long ticks = rule.ticks();
  rule.InputEvent();
  EXPECT_EQ(rule.ticks(), ticks);
  RunFast(WakeRule::kQuietTime - 2 * kInterval);
  EXPECT_TRUE(rule.Awake());
  EXPECT_GE(FallAsleep(), kInterval);
}

TEST_F(WakeRuleTest, TheSafetyTickFindsWhatIsHeldWithoutAnEvent) {
  struct Case {
    std::string name;
    std::set<int> held;
    Point cursor;
    std::vector<std::string> opened;
  };
  const std::vector<Case> cases = {
      {"shortcut", {C, 'A'}, {500, 500}, {"key.exe"}},
      {"corner", {R}, {1023, 0}, {"corner.exe"}},
      {"mouse-action trigger", {S, C}, {500, 500}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    shell.opens.clear();
    FallAsleep();
    input.held = c.held;
    input.cursor = c.cursor;
    rule.SafetyTick();
    EXPECT_TRUE(rule.Awake());
    EXPECT_EQ(Opened(), c.opened);
  }
}

TEST_F(WakeRuleTest, TheSafetyTickWhileAsleepWithNothingHeldKeepsItAsleep) {
  FallAsleep();
  const long long ticks = rule.ticks();
  for (int i = 0; i < 8; ++i) {
    clock.Advance(WakeRule::kSafetyPeriod);
    rule.SafetyTick();
  }
  EXPECT_FALSE(rule.Awake());
  EXPECT_EQ(rule.ticks(), ticks + 8);
}

// Under Wine no raw input comes while no window is in front (the last one
// was minimised): a stroke begun then would be seen only from the next
// safety tick on, so the fast timer keeps running until events come again.
TEST_F(WineWakeRuleTest, WhileNoEventCanComeTheFastTimerKeepsRunning) {
  events.usable_window_in_front = false;
  input.held.clear();
  RunFast(10 * WakeRule::kQuietTime);
  EXPECT_TRUE(rule.Awake());
  events.usable_window_in_front = true;
  EXPECT_GE(FallAsleep(), WakeRule::kQuietTime - kInterval);
  EXPECT_FALSE(rule.Awake());
  events.usable_window_in_front = false;
  rule.SafetyTick();
  EXPECT_TRUE(rule.Awake()) << "the safety tick wakes the fast timer once events stop coming";
  // A stroke begun now is seen whole by the fast ticks.
  for (Point p : Line({100, 300}, {600, 300})) {
    input.held = {S, C};
    input.cursor = p;
    rule.FastTick();
  }
  input.held.clear();
  rule.FastTick();
  EXPECT_EQ(Opened(), (std::vector<std::string>{"stroke.exe"}));
}

// On Windows raw input comes whatever is in front, and with the session
// locked nothing can be sensed at all: with nothing (or only a minimised
// window) in front the loop sleeps as it does over any window, and wakes
// at the next event.  The platform is asked once, at start.
TEST_F(WakeRuleTest, OnWindowsTheLoopSleepsWhateverIsInFront) {
  events.usable_window_in_front = false;
  EXPECT_LE(FallAsleep(), WakeRule::kQuietTime + kInterval);
  EXPECT_FALSE(rule.Awake());
  for (int i = 0; i < 8; ++i) {
    clock.Advance(WakeRule::kSafetyPeriod);
    rule.SafetyTick();
  }
  EXPECT_FALSE(rule.Awake()) << "a locked laptop is not woken a hundred times a second";
  input.held = {C, 'A'};
  rule.InputEvent();
  EXPECT_EQ(Opened(), (std::vector<std::string>{"key.exe"}));
  EXPECT_EQ(events.platform_asked, 1);
  EXPECT_EQ(events.front_asked, 0);
}

TEST_F(WineWakeRuleTest, ThePlatformIsAskedOnceAndTheWindowInFrontAfterQuietTicks) {
  FallAsleep();
  rule.SafetyTick();
  EXPECT_EQ(events.platform_asked, 1);
  EXPECT_GT(events.front_asked, 0);
}

TEST_F(WakeRuleTest, TheSafetyTickWhileAwakeAddsNoTick) {
  input.held = {S, C};
  RunFast(100);
  const long long ticks = rule.ticks();
  rule.SafetyTick();
  EXPECT_EQ(rule.ticks(), ticks);
}

TEST_F(WakeRuleTest, NeverAsleepWhileAnythingTheLoopWatchesIsHeld) {
  struct Case {
    std::string name;
    std::set<int> held;
    Point cursor;
  };
  const std::vector<Case> cases = {
      {"mouse-action trigger, cursor still", {S, C}, {500, 500}},
      {"Window-service trigger", {C, A}, {500, 500}},
      {"shortcut held after its start", {C, 'A'}, {500, 500}},
      {"Ctrl alone", {C}, {500, 500}},
      {"Alt alone", {A}, {500, 500}},
      {"Ctrl+Shift+Alt", {C, S, A}, {500, 500}},
      {"screen-position button", {R}, {500, 300}},
      {"primary button", {L}, {500, 300}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    rule.InputEvent();
    input.held = c.held;
    input.cursor = c.cursor;
    const long long end = clock.now_ms + 5000;
    while (clock.now_ms < end) {
      ASSERT_TRUE(rule.Awake());
      clock.Advance(kInterval);
      rule.FastTick();
    }
    EXPECT_TRUE(rule.Awake());
    FallAsleep();
  }
}

TEST_F(WakeRuleTest, AMovementKeepsTheLoopAwakeUntilItIsDispatched) {
  input.held = {S, C};
  for (Point p : Line({100, 100}, {400, 100})) {
    input.cursor = p;
    RunFast(kInterval);
  }
  EXPECT_TRUE(rule.Awake());
  EXPECT_GT(FallAsleep(), WakeRule::kQuietTime - kInterval);
  EXPECT_EQ(Opened(), (std::vector<std::string>{"stroke.exe"}));
}

TEST_F(WakeRuleTest, TicksThatReturnAtOnceLeaveTheRuleAsItWas) {
  FallAsleep();
  const long long ticks = rule.ticks();
  form->loop.MouseActionGate = Gate::kShut;  // a confirmation box is open
  input.held = {S, C};
  rule.SafetyTick();
  EXPECT_FALSE(rule.Awake());
  EXPECT_EQ(rule.ticks(), ticks);
  form->loop.MouseActionGate = Gate::kOpen;
  rule.SafetyTick();
  EXPECT_TRUE(rule.Awake());
}

// On the secure desktop nothing can start, so the loop sleeps; the safety
// tick arms it again once the cursor can be read with every trigger up.
TEST_F(WakeRuleTest, ADisarmedLoopSleepsAndIsArmedAgainByTheSafetyTick) {
  input.held = {S, C};
  input.cursor = {100, 100};
  RunFast(kInterval);
  input.cursor_fails = true;
  input.held.clear();
  FallAsleep();
  EXPECT_FALSE(rule.Awake());
  EXPECT_TRUE(form->loop.Disarmed);
  input.cursor_fails = false;
  rule.SafetyTick();
  EXPECT_FALSE(form->loop.Disarmed);
  EXPECT_FALSE(rule.Awake());
  EXPECT_TRUE(Opened().empty());
}

TEST_F(WakeRuleTest, ATickTellsWhatItSawFromTheKeysItReads) {
  struct Case {
    std::string name;
    std::set<int> held;
    TickOutcome outcome;
  };
  const std::vector<Case> cases = {
      {"nothing held", {}, TickOutcome::kQuiet},
      {"a key no function watches", {'Q'}, TickOutcome::kQuiet},
      {"Shift", {S}, TickOutcome::kBusy},
      {"Alt", {A}, TickOutcome::kBusy},
      {"secondary button", {R}, TickOutcome::kBusy},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    input.held = c.held;
    input.cursor = {500, 300};
    input.reads.clear();
    input.log_reads = true;
    EXPECT_EQ(form->SensingTick(), c.outcome);
    input.log_reads = false;
    for (int key : input.reads) EXPECT_NE(key, 'Q');
  }
}

}  // namespace
}  // namespace fesk::testing
