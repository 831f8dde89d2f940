// The sensing timer as a tick leaves it: an idle tick leaves it alone (the
// window then makes no call on its timer), a block that sleeps or starts
// something pauses it and counts one restart, so that the next tick comes a
// full interval after the block, and a tick delivered while it is paused (by
// a box's own message loop) does nothing.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "engine_fixture.h"

namespace fesk::testing {
namespace {

constexpr int S = vk::kShift, C = vk::kControl, A = vk::kAlt, R = vk::kRightButton;

class TickGuardsTest : public EngineTest {
 protected:
  // "lr" starts stroke.exe, Ctrl+A key.exe, Ctrl+B other.exe, the top-right
  // corner corner.exe; every function of the loop is on.
  void SetUp() override {
    options.screen_positions = options.window_services = options.run_time_option = true;
    Register("Stroke", "stroke.exe", "lr");
    SetHotKey(Register("Key", "key.exe"), "Ctrl+A");
    SetHotKey(Register("Other", "other.exe"), "Ctrl+B");
    Register("Corner", "corner.exe", kNoActionCode, "3");
    Start();
  }
};

// A movement is recognised in a pause of its own (it may be handed to the
// editor), so only ticks that record nothing are idle.
TEST_F(TickGuardsTest, IdleTicksLeaveTheTimerAlone) {
  const Timer before = timer;
  for (int i = 0; i < 50; ++i) Idle();
  Tick({S}, {500, 300});
  Tick({C}, {500, 300});
  Tick({C, 'Z'}, {500, 300});  // a key no shortcut has
  Idle();
  EXPECT_TRUE(Opened().empty());
  EXPECT_TRUE(timer.enabled);
  EXPECT_EQ(timer.interval, before.interval);
  EXPECT_EQ(timer.restarts, before.restarts);
}

TEST_F(TickGuardsTest, EachBlockThatSleepsOrStartsRestartsTheTimerOnce) {
  struct Case {
    std::string name;
    std::function<void()> act;
    int restarts;
  };
  const Case cases[] = {
      {"shortcut key",
       [this] {
         Tick({C, 'A'}, {500, 500});
       },
       1},
      {"two shortcut keys in one tick",
       [this] {
         Tick({C, 'A', 'B'}, {500, 500});
       },
       2},
      {"screen position",
       [this] {
         Tick({R}, {1023, 0});
       },
       1},
      {"right button off every position",
       [this] {
         Tick({R}, {500, 300});
       },
       1},
      {"run-option toggle",
       [this] {
         Tick({C, S, A}, {500, 300});
       },
       1},
      {"movement",
       [this] {
         Stroke(kShiftCtrl, Line({100, 100}, {300, 100}));
       },
       1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Idle();
    const int before = timer.restarts;
    c.act();
    Idle();
    EXPECT_TRUE(timer.enabled);
    EXPECT_EQ(timer.restarts - before, c.restarts);
  }
}

// Whatever the keys say inside the box, the tick it delivers starts nothing
// and records nothing; the next tick after the block senses again.
TEST_F(TickGuardsTest, ATickDeliveredInsideABoxStartsNothing) {
  shell.results = {2};  // key.exe fails: its error box is open during the tick
  bool paused_in_box = false;
  dialogs.while_open = [&](const fake::FakeDialogs::Box&) {
    paused_in_box = !timer.enabled;
    const std::set<int> outer = input.held;
    const Point outer_cursor = input.cursor;
    Tick({C, 'B'}, {1023, 0});
    Tick({R}, {1023, 0});
    Tick(kShiftCtrl, {100, 100});
    input.held = outer;
    input.cursor = outer_cursor;
  };
  Tick({C, 'A'}, {500, 500});
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_TRUE(paused_in_box);
  EXPECT_EQ(Opened(), (std::vector<std::string>{"key.exe"}));
  EXPECT_EQ(loop.SampleCount, 0);
  EXPECT_TRUE(clock.sleeps.empty());
  Tick({C, 'B'}, {500, 500});
  EXPECT_EQ(Opened(), (std::vector<std::string>{"key.exe", "other.exe"})) << "the next tick senses again";
}

TEST_F(TickGuardsTest, TheConfirmationBoxShutsTheGate) {
  options.mode = MouseActionMode::kConfirm;
  std::vector<Gate> gates;
  dialogs.while_open = [&](const fake::FakeDialogs::Box&) { gates.push_back(loop.MouseActionGate); };
  Stroke(kShiftCtrl, Line({100, 100}, {300, 100}));
  EXPECT_EQ(gates, (std::vector<Gate>{Gate::kShut}));
  EXPECT_EQ(loop.MouseActionGate, Gate::kOpen);
  EXPECT_EQ(Opened(), (std::vector<std::string>{"stroke.exe"}));
}

}  // namespace
}  // namespace fesk::testing
