// The window's real timer follows the sensing timer's model with as few
// calls as it can: none on an idle tick, one SetTimer after a tick that
// paused the timer or changed its period.
#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "platform/timer_sync.h"

namespace fesk::testing {
namespace {

TEST(TimerSync, EachChangeOfTheModelGivesItsOneCall) {
  struct Step {
    const char* name;
    Timer model;
    TimerCall call;
  };
  const Step steps[] = {
      {"stopped from the start", {false, 10, 0}, TimerCall::kNone},
      {"started", {true, 10, 0}, TimerCall::kSet},
      {"an idle tick", {true, 10, 0}, TimerCall::kNone},
      {"another idle tick", {true, 10, 0}, TimerCall::kNone},
      {"a tick that paused the timer", {true, 10, 1}, TimerCall::kSet},
      {"idle again", {true, 10, 1}, TimerCall::kNone},
      {"a tick that paused it twice", {true, 10, 3}, TimerCall::kSet},
      {"a new period", {true, 25, 3}, TimerCall::kSet},
      {"stopped", {false, 25, 3}, TimerCall::kKill},
      {"still stopped", {false, 25, 4}, TimerCall::kNone},
      {"started again", {true, 25, 4}, TimerCall::kSet},
  };
  RealTimer real;
  for (const Step& step : steps) {
    EXPECT_EQ(SyncTimer(step.model, real), step.call) << step.name;
    EXPECT_EQ(real.running, step.model.enabled) << step.name;
  }
}

// The sensing loop's own ticks as the window sees them.
class TimerSyncEngineTest : public EngineTest {
 protected:
  void SetUp() override {
    SetHotKey(Register("Key", "key.exe"), "Ctrl+A");
    Start();
    SyncTimer(timer, real);
  }
  TimerCall After(std::initializer_list<int> keys) {
    Tick(keys, {500, 500});
    return SyncTimer(timer, real);
  }
  RealTimer real;
};

TEST_F(TimerSyncEngineTest, OnlyATickThatStartedSomethingSetsTheTimerAgain) {
  EXPECT_EQ(After({}), TimerCall::kNone);
  EXPECT_EQ(After({vk::kControl}), TimerCall::kNone);
  EXPECT_EQ(After({vk::kControl, 'A'}), TimerCall::kSet);
  EXPECT_EQ(Opened(), (std::vector<std::string>{"key.exe"}));
  EXPECT_EQ(After({vk::kControl, 'A'}), TimerCall::kNone) << "held, it does not fire again";
  EXPECT_EQ(After({}), TimerCall::kNone);
}

}  // namespace
}  // namespace fesk::testing
